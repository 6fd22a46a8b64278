#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <vector>

using TBytes = std::vector<uint8_t>;

// Integer conversion of typed text: leading blanks skipped, an optional sign,
// hexadecimal after "$", "x" or "0x"; empty text, trailing blanks or any other
// character fail. Hexadecimal takes up to 32 (64) bits and wraps to the signed
// value, decimal must fit.
bool TryStrToInt(const String& text, int32_t& value);
bool TryStrToInt64(const String& text, int64_t& value);
int32_t StrToIntDef(const String& text, int32_t defaultValue);
int64_t StrToInt64Def(const String& text, int64_t defaultValue);
int32_t StrToInt(const String& text);
int64_t StrToInt64(const String& text);

String IntToStr(int64_t value);
String IntToHex(uint64_t value, int digits);

// Trimming removes every character up to U+0020 (blanks and control characters).
inline bool IsBlank(QChar character) { return character.unicode() <= u' '; }
String Trim(const String& text);
String TrimLeft(const String& text);
String TrimRight(const String& text);

// ASCII-only case mapping, as the program's keys and commands need.
String UpperCase(const String& text);
String LowerCase(const String& text);
bool SameText(const String& left, const String& right);
