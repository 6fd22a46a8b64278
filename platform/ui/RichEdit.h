#pragma once

#include "platform/ui/StdCtrls.h"

// A rich edit holding plain text: the lines, selection, read-only state,
// word wrap, scroll bars and change notification of a memo. PlainText says
// whether the program means the text as plain or formatted; formatting is
// not kept, so both read and write the plain text.
class TCustomRichEdit : public TCustomMemo {
public:
    explicit TCustomRichEdit(TComponent* owner);
    ~TCustomRichEdit() override;

    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool plainText) { FPlainText = plainText; }

private:
    bool FPlainText = false;
};

class TRichEdit : public TCustomRichEdit {
public:
    using TCustomRichEdit::TCustomRichEdit;
};
