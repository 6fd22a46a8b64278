#pragma once

#include "platform/core/Exception.h"
#include "platform/core/SysUtils.h"

#include <functional>

class TBitmap;

// A name or number asked of the resources that nothing was registered under.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

// The program's bitmap resources. A picture is registered under a name or a
// number with the code that makes it (drawn in code or read from a file of
// the build); loading makes a fresh copy into bitmap. Names are matched without regard to
// case, as the platform does. Loading what was never registered throws
// EResNotFound, so a misspelt name fails where it is used instead of drawing
// nothing.
using TBitmapMaker = std::function<void(TBitmap& bitmap)>;

void RegisterResourceBitmap(const String& name, TBitmapMaker maker);
void RegisterResourceBitmap(int32_t id, TBitmapMaker maker);
bool ResourceBitmapExists(const String& name);
void LoadResourceBitmap(const String& name, TBitmap& bitmap);
void LoadResourceBitmap(int32_t id, TBitmap& bitmap);

// The program's raw data resources: the bytes of a file of the build (a GIF,
// a sound), kept as they are, by name (without regard to case) or number.
// Loading what was never registered throws EResNotFound.
void RegisterResourceData(const String& name, TBytes bytes);
void RegisterResourceData(int32_t id, TBytes bytes);
bool ResourceDataExists(const String& name);
TBytes LoadResourceData(const String& name);
TBytes LoadResourceData(int32_t id);
