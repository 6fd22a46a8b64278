#pragma once

#include "platform/graphics/Types.h"

#include <cstdint>
#include <span>
#include <vector>

class TBitmap;

// Decodes the bytes of a BMP, GIF, JPEG, PNG or icon file into bitmap
// (transparency kept); a GIF shows its first image. With part
// not empty only that rectangle of the decoded picture is kept, as far as it
// lies inside it. False, with bitmap untouched, when the bytes are no
// picture or part lies wholly outside it.
bool DecodeImageData(std::span<const uint8_t> bytes, TBitmap& bitmap, const TRect& part = {});
// The bitmap as the bytes of a PNG file.
std::vector<uint8_t> EncodeImageData(const TBitmap& bitmap);
