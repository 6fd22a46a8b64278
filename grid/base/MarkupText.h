#pragma once

#include "platform/graphics/Color.h"

#include <cstdint>

// The string side of the grid's mini-HTML: entities, colour names, the
// CONTROL tag that puts a form control into a cell, and the conversions
// between marked-up and plain text. Every routine takes time linear in its
// input, so a cell or file with a huge or malformed text cannot hang it.

// "&lt;", "&gt;", "&amp;" and "&quot;", then with named the accented
// letters and signs of the entity table; one level of decoding.
String DecodeHtmlEntities(const String& text, bool named);
// The reverse: "&", '"', "<" and ">" escaped, then with named the table's
// characters replaced by their names.
String EncodeHtmlEntities(const String& text, bool named);
String SpacesToNbsp(const String& text);

// "clred", "clbtnface" ... (lower case); anything else is black.
TColor ColorFromName(const String& name);
// "#RRGGBB" (upper-case hexadecimal).
TColor ColorFromHex(const String& text);

// The value of an attribute of a tag: name is looked for in the tag without
// regard to case, outside quoted values; the value is what stands between
// the next two double quotes, in its own case unless upper. Empty when the
// name or the quotes are missing.
String TagAttribute(const String& tag, const String& name, bool upper);
// The number at the start of text, after leading blanks; 0 when none.
int32_t LeadingNumber(const String& text, bool* isNumber = nullptr);

struct TControlTag {
    String Type;
    String ID;
    String MaxLen;
    String Prop;
    String Height;
    String Width;
    String Value;
};
// The attributes of a CONTROL tag; VALUE and PROP entity-decoded.
TControlTag ParseControlTag(const String& tagText);
bool HasControlTag(const String& text);
// The next control after the one named afterID (the first with an empty
// afterID) that takes typed text; empty when there is none.
String NextEditControlID(const String& text, const String& afterID);
String ClearRadioControls(const String& text);
bool GetControlValue(const String& text, const String& id, String& value);
String GetControlProp(const String& text, const String& id);
int32_t GetControlMaxLen(const String& text, const String& id);
// Rewrites the control's tag with a new value; false, text unchanged, when
// no control has that ID.
bool SetControlValue(String& text, const String& id, const String& value);

// Tags removed, "<BR>" and "<HR>" become CR LF; an unclosed "<" stays with
// the rest of the text.
String MarkupToText(const String& text);
// Tags removed, no line breaks.
String StripMarkupTags(const String& text);
// The 1-based position in text at which markup goes in before the n-th
// plain character; one past the end for n one past the last; 0 beyond.
int32_t MarkupPosOfPlainChar(const String& text, int32_t n);
// Every occurrence of search in the plain text wrapped in <tag>...</tag>.
void HighlightInMarkup(const String& text, const String& search, const String& tag, String& result,
    bool caseSensitive);
String RemoveMarkupTag(const String& text, const String& tag);
String LineBreaksToMarkup(const String& text, bool withBreaks);
// "<#name>" becomes "#name".
String UnwrapPlaceholders(const String& text);
bool ReplaceFirstNoCase(const String& pattern, const String& replacement, String& text);
