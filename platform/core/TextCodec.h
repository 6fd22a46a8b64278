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

// Reads a whole file; false when it cannot be opened or read.
bool ReadFileBytes(const String& fileName, std::string& bytes);

bool FileExists(const String& fileName);

// The path of the regular file in folder whose name equals name, the exact
// name first and otherwise ignoring letter case; empty when there is none.
String FindFileIgnoringCase(const String& folder, const String& name);
