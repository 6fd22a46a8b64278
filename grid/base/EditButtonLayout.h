#pragma once

#include "platform/ui/Controls.h"

// Places the button of an edit-with-button along the edit's right edge,
// inside its sunken border (borderInset wide), and keeps the edit at least
// minHeight high. False when the edit had to grow instead: the resize that
// follows places the button.
bool PlaceEditButton(TWinControl& edit, TBorderStyle borderStyle, int32_t borderInset, TControl& button, int32_t minHeight);

// The part of the edit inside its sunken border (borderInset wide), in the
// edit's own coordinates: the client area the edit's text and unit are laid
// out in.
TRect InsideBorder(const TWinControl& edit, int32_t borderInset);
