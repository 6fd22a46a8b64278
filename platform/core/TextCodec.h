#pragma once

#include "platform/core/Exception.h"

#include <string>
#include <string_view>

// Decodes a text file's bytes. A byte-order mark selects UTF-8, UTF-16LE or
// UTF-16BE and is dropped; without one the bytes are read as UTF-8 when they
// are valid UTF-8 and as Windows-1252 otherwise (the code page of Western
// files written without a mark). Returns false, leaving text untouched, when
// the bytes break the encoding their mark announces.
bool DecodeText(std::string_view bytes, String& text);

// Windows-1252 alone, for bytes known to be in that code page.
String DecodeWindows1252(std::string_view bytes);
