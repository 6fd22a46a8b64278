#include "grid/base/EditButtonLayout.h"

bool PlaceEditButton(TWinControl& edit, TBorderStyle borderStyle, int32_t borderInset, TControl& button, int32_t minHeight)
{
    if (edit.Height() < minHeight) {
        edit.SetHeight(minHeight);
        return false;
    }
    const int32_t edge = borderStyle == bsNone ? 1 : 5;
    button.SetBounds(edit.Width() - button.Width() - edge + borderInset, borderInset, button.Width(), edit.Height() - edge);
    return true;
}

TRect InsideBorder(const TWinControl& edit, int32_t borderInset)
{
    return Rect(borderInset, borderInset, edit.Width() - borderInset, edit.Height() - borderInset);
}
