#pragma once

#include "platform/core/Exception.h"

#include <cstddef>
#include <string>
#include <string_view>

// Decodes a text file's bytes. A byte-order mark selects UTF-8, UTF-16LE or
// UTF-16BE and is dropped; without one the bytes are read as UTF-8 when they
// are valid UTF-8 and as Windows-1252 otherwise (the code page of Western
// files written without a mark). Returns false, leaving text untouched, when
// the bytes break the encoding their mark announces.
bool DecodeText(std::string_view bytes, String& text);

// The offset of the first byte that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and code points past U+10FFFF are
// not), or -1 when every byte does.
ptrdiff_t InvalidUtf8Offset(std::string_view bytes);

// Windows-1252 alone, for bytes known to be in that code page.
String DecodeWindows1252(std::string_view bytes);
