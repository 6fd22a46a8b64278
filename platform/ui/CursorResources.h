#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Resources.h"

#include <memory>

// A cursor made by the program: its picture, transparent where it has the
// colour of its bottom-left pixel, and the pixel that points.
struct TCursorImage {
    TBitmap Picture;
    TPoint HotSpot;
};
using HCURSOR = std::shared_ptr<const TCursorImage>;

// The program's cursor resources, registered like the bitmap resources.
void RegisterResourceCursor(const String& name, TBitmapMaker maker, TPoint hotSpot);
// Throws EResNotFound for a name nothing was registered under.
HCURSOR LoadCursor(const String& name);
