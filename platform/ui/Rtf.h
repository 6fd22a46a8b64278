#pragma once

#include "platform/ui/RichText.h"

#include <string>
#include <string_view>

// Rich Text Format for formatted text: font name, size, colour, bold,
// italic, underline, strike-out, raised and lowered characters, paragraph
// alignment, tabs and paragraph breaks. Other control words and the groups
// they open are skipped.

// Whether the bytes open an RTF document ("{\rtf").
bool IsRtf(std::string_view bytes);

// Reads an RTF document; text before its opening brace is ignored, and so is
// anything after the brace that closes it. Characters take `defaults` until
// the document says otherwise (after \plain too). Malformed or truncated
// input gives what was read up to the fault, never an error; nesting depth
// costs no stack.
TRichText ReadRtf(std::string_view bytes, const TRichTextFormat& defaults);

// A document in 7-bit characters without line breaks: characters beyond
// ASCII as Windows-1252 bytes (\'hh) or, where that code page has none,
// as \uN with "?" for readers without Unicode.
std::string WriteRtf(const TRichText& text);
