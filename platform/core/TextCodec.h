#pragma once

#include "platform/core/Exception.h"

#include <cstddef>
#include <string>
#include <string_view>

// The encodings text files are read and written in.
enum class TTextEncoding {
    Ansi,    // Windows-1252, the 8-bit code page of Western systems
    Ascii,   // 7-bit
    Utf8,    // without byte-order mark
    Utf8Bom, // with byte-order mark
    Utf16Le, // little-endian, with byte-order mark
    Oem437,  // the DOS code page of the United States
    Oem850,  // the DOS code page of Western Europe
};

// The text's bytes in the encoding, led by the byte-order mark where the
// encoding has one. Every character the encoding cannot hold becomes one "?"
// (a character outside the 16-bit range too), and so does an unpaired
// surrogate, which no encoding can carry.
std::string EncodeText(const String& text, TTextEncoding encoding);

// Decodes a text file's bytes. A byte-order mark selects UTF-8, UTF-16LE or
// UTF-16BE and is dropped; without one the bytes are read as UTF-8 when they
// are valid UTF-8 and as Windows-1252 otherwise (the code page of Western
// files written without a mark). Returns false, leaving text untouched, when
// the bytes break the encoding their mark announces.
bool DecodeText(std::string_view bytes, String& text);
// Bytes known to be in that encoding; the encoding's own byte-order mark is
// dropped when present. 8-bit encodings always decode (ASCII reads a byte
// above 127 as "?"); false, leaving text untouched, when the bytes are not
// valid UTF-8 or UTF-16.
bool DecodeText(std::string_view bytes, TTextEncoding encoding, String& text);

// The offset of the first byte that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and code points past U+10FFFF are
// not), or -1 when every byte does.
ptrdiff_t InvalidUtf8Offset(std::string_view bytes);

// Windows-1252 alone, for bytes known to be in that code page.
String DecodeWindows1252(std::string_view bytes);
