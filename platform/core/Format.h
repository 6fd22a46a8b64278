#pragma once

#include "platform/core/FormatSettings.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

// One argument of Format: an integer (32 or 64 bits wide, which %u and %x
// need for negative values), a floating value, a text, a character or a
// pointer. A bool is refused at compile time rather than read as a number.
class TVarRec {
public:
    enum TKind { vtInteger, vtFloat, vtString, vtChar, vtPointer };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char16_t> && !std::same_as<T, wchar_t>)
    TVarRec(T value) : FKind(vtInteger), FInteger(static_cast<int64_t>(value)), FWide(sizeof(T) > 4)
    {
    }
    template <std::floating_point T>
    TVarRec(T value) : FKind(vtFloat), FFloat(static_cast<double>(value))
    {
    }
    TVarRec(const String& text) : FKind(vtString), FText(text) { }
    TVarRec(const char* text) : FKind(vtString), FText(String::fromUtf8(text)) { }
    TVarRec(QChar character) : FKind(vtChar), FText(character) { }
    TVarRec(char16_t character) : FKind(vtChar), FText(QChar(character)) { }
    TVarRec(char character) : FKind(vtChar), FText(QChar::fromLatin1(character)) { }
    TVarRec(const void* pointer) : FKind(vtPointer), FInteger(static_cast<int64_t>(reinterpret_cast<uintptr_t>(pointer))), FWide(true) { }
    TVarRec(bool) = delete;

    TKind Kind() const { return FKind; }
    int64_t Integer() const { return FInteger; }
    // The integer as the unsigned number of its width.
    uint64_t Unsigned() const { return FWide ? static_cast<uint64_t>(FInteger) : static_cast<uint32_t>(FInteger); }
    double Float() const { return FFloat; }
    const String& Text() const { return FText; }

private:
    TKind FKind;
    int64_t FInteger = 0;
    bool FWide = false;
    double FFloat = 0;
    String FText;
};

// printf-like formatting with the platform's rules. A specifier is
// "%" [index ":"] ["-"] [width] ["." precision] type, where index, width and
// precision may be "*" (taken from the next argument, an integer) and "%%"
// is a percent sign. Types, upper or lower case:
//   d  integer; precision = least digits, padded with zeros after the sign
//   u  integer as unsigned (of its own width); precision as for d
//   x  integer in upper-case hexadecimal (of its own width); precision as for d
//   e  floating, scientific "-d.ddd…E+ddd" with precision digits (default 15)
//   f  floating, fixed with precision decimals (default 2)
//   g  floating, the shorter of fixed and scientific with precision
//      significant digits (default 15), trailing zeros removed
//   n  as f, with thousand separators
//   m  money: as n with CurrencyDecimals (or the precision) decimals, placed
//      by CurrencyFormat / NegCurrFormat around CurrencyString
//   p  pointer, 16 upper-case hexadecimal digits
//   s  text or character; precision = most characters taken
// The width pads with blanks on the left, or on the right after "-". An index
// sets the argument the next unindexed specifiers count on from. The
// settings give the decimal and thousand separators and the currency.
// EConvertError when the format is malformed (a width or precision above
// 4096 included), an argument is missing or its
// kind does not fit the type (an integer for "f" as well as a floating value
// for "d").
String Format(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings = FormatSettings());

// The amount (a formatted number without sign) with the currency string
// placed as the settings' CurrencyFormat, or NegCurrFormat when negative, says.
String CurrencyText(const String& amount, bool negative, const TFormatSettings& settings);
