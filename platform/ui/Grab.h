#pragma once

#include "platform/graphics/Bitmap.h"

class TControl;

// Renders control with its children as the screen would show it, whether or
// not its form is shown; pixels the control leaves unpainted come out white.
void GrabControl(TControl& control, TBitmap& bitmap);
// The same, written to a PNG file; throws when the file cannot be written.
void GrabControlToFile(TControl& control, const String& fileName);
// Paints the parent of control as it would look without its children into
// bitmap, shifted so that the parent's pixels under control land at (0, 0):
// the see-through background of a control that draws itself. A control
// without a parent leaves the bitmap as it is.
void PaintParentBackground(TControl& control, TBitmap& bitmap);
