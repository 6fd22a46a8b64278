#include "platform/ui/RichEdit.h"

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner) { }

TCustomRichEdit::~TCustomRichEdit() = default;
