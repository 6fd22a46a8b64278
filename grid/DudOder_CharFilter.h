#pragma once

// What a typed character becomes in an editor of a given kind: the text
// kinds' filters, shared by the in-place text editor and the button editors
// that filter like them.

#include "grid/base/BaseGrid.h"
#include "platform/ui/StdCtrls.h"

// The character as the kind takes it, or 0 when the kind refuses it (some
// refusals beep). validChars serves edValidChars. Kinds without a filter of
// their own refuse everything.
TChar FilterTypedChar(TEditorType kind, TChar key, bool ctrl, const TCustomEdit& edit, const String& validChars);
