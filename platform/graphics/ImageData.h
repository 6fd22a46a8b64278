#pragma once

#include "platform/graphics/Types.h"

#include <cstdint>
#include <span>

class TBitmap;

// Decodes the bytes of a BMP, GIF, JPEG, PNG or icon file into bitmap
// (transparency kept); a GIF shows its first image. With part
// not empty only that rectangle of the decoded picture is kept. False, with
// bitmap untouched, when the bytes are no picture.
bool DecodeImageData(std::span<const uint8_t> bytes, TBitmap& bitmap, const TRect& part = {});
