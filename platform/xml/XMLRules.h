#pragma once

// What a written XML file can carry and read back: the checks the document
// and the writer share. Each raises EXMLError naming what it refuses.

#include "platform/core/Strings.h"

void CheckName(const String& name);
// A UTF-8 name, byte by byte.
void CheckName(const char* name);
// A value holding U+0000 would be cut there when written.
void CheckValue(const String& value, const char* what);
// "--" inside, a "-" at the end or U+0000 would end the comment early.
void CheckComment(const String& text);
