#pragma once

#include "platform/graphics/Bitmap.h"

class TControl;

// Renders control with its children as the screen would show it, whether or
// not its form is shown; pixels the control leaves unpainted come out white.
void GrabControl(TControl& control, TBitmap& bitmap);
// The same, written to a PNG file; throws when the file cannot be written.
void GrabControlToFile(TControl& control, const String& fileName);
