#pragma once

#include "platform/core/DateUtils.h"

#include <cstdint>

// Plain text, number and date routines shared by the grid units. Positions
// are 1-based, 0 meaning "not found"; CR is character 13, LF character 10.

// ---- locale --------------------------------------------------------------
QChar GetDateSeparator();
QChar GetTimeSeparator();
QChar GetThousandSeparator();
QChar GetDecimalSeparator();
String GetShortDateFormat();

// ---- small text routines -------------------------------------------------
int32_t CharPos(QChar character, const String& text);
// As CharPos; a find is also stored in position, a miss leaves it alone.
int32_t VarCharPos(QChar character, const String& text, int32_t& position);
int32_t VarPos(const String& sub, const String& text, int32_t& position);
// Sub is looked for, as passed, in the upper-cased text.
int32_t UpperCasePos(const String& sub, const String& text);
int32_t WidePos(const String& sub, const String& text);
// The text before the first delimiter, cut from text together with the
// delimiter; empty, with text unchanged, when there is no delimiter.
String TakeToken(String& text, const String& delimiter);
// Every string of a list, joined without separator.
template <typename TList>
String ConcatStrings(const TList& list)
{
    String result;
    for (const String& item : list) result += item;
    return result;
}
int32_t CountChar(QChar character, const String& text);
// Masks a password: every character becomes the mask character.
void FillWithChar(String& text, QChar mask);
bool IsWordSeparator(QChar character);
String CapitalizeWords(const String& text);
// A limit of 0 or below does not bound; equal limits leave the value alone.
int32_t ClampToLimits(int32_t value, int32_t minimum, int32_t maximum);
// "R<row>C<column>" in any case, at least four characters.
bool ParseRowColRef(const String& text, int32_t& column, int32_t& row);
// Cuts the first line (up to CR, with one LF after it) from text into line;
// text keeps the rest only when keepRest is true and there was a CR.
void TakeLine(String& text, bool keepRest, String& line);
int32_t CountLines(const String& text, bool multiLine);
String RemoveCRs(const String& text);
String CRToLF(const String& text);
void CRLFToLF(String& text);
String LineBreaksToHtml(const String& text);
// The OEM code page is code page 437: characters it lacks become "?".
void StringToOem(String& text);
void OemToString(String& text);

// ---- line-break escapes of the grid's file and clipboard formats --------
String EncodeLineBreaks(const String& text);
String DecodeLineBreaks(const String& text);
String LineBreaksToTilde(const String& text);
String TildeToLineBreaks(const String& text);
void QuoteMultiLine(String& text);
void VTToLineBreaks(String& text);
String EscapeCellLineBreaks(const String& text);
// multiLine false keeps only the first line of the unescaped text.
String UnescapeCellLineBreaks(const String& text, bool multiLine);

// ---- quotes of delimited files -------------------------------------------
String DoubleQuotes(const String& text);
String UndoubleChar(QChar character, const String& text);
int32_t FindClosingQuote(QChar quote, const String& text, int32_t& position);
int32_t CountClosingQuotes(QChar quote, const String& text);
// The first character of chars outside double quotes, with its position;
// a null character and position -1 when there is none.
QChar FindCharOutsideQuotes(const String& chars, const String& text, int32_t& position);

// ---- numbers -------------------------------------------------------------
bool IsDigitChar(QChar character);
bool IsDigitOrMinus(QChar character);
bool IsNumberChar(QChar character);
bool IsNumberTextChar(QChar character);
bool IsSignedNumberChar(QChar character);
// A formatted number made plain: leading non-number characters dropped (a
// "-" among them or enclosing parentheses make it negative), thousands
// separators removed, the decimal separator written as ".", cut at the first
// other character.
String NormalizeNumberText(const String& text);
String NormalizeDecimalText(const String& text);
enum : int32_t { ntInteger = 0, ntDecimal = 1, ntNotANumber = 2, ntScientific = 5 };
int32_t ClassifyNumberText(const String& text);

// ---- cell texts ----------------------------------------------------------
enum : int32_t { ckPlain = 0, ckMarkup = 1, ckRichText = 2, ckFormula = 3, ckWide = 5 };
int32_t ClassifyCellText(const String& text, bool markup);
// "|\" then every UTF-16 unit as two characters, high byte first.
String EncodeWideCellText(const String& wide);
String DecodeWideCellText(const String& text);
bool IsUrlText(const String& text);
void StripUrlScheme(String& text);

// ---- dates ---------------------------------------------------------------
// Numbers separated by the first of "/", "." or "-" the text holds; 0 when
// a part is not a number. Years 0..25 are 20xx, 26..99 19xx, others as
// written. An impossible date raises EConvertError.
TDateTime ParseDateMDY(const String& text);
TDateTime ParseDateDMY(const String& text);
bool LooksLikeDate(const String& text);
// A date in the order of the short date pattern, then optionally a time.
bool ParseDateTimeText(const String& text, TDateTime& value);
// The value after date in a series stepped by whole years, months or days
// (only one of them non-zero); any other step adds defaultStep. Year and
// month steps drop the time of day and raise EConvertError on a day the
// target month lacks.
TDateTime StepDate(int32_t years, int32_t months, int32_t days, TDateTime date, TDateTime defaultStep);

// ---- filter expressions --------------------------------------------------
// Conditions joined by "&" (and) or ";", "^", "|" (or), evaluated from left
// to right without precedence; parentheses group. Spaces outside double
// quotes do not count, a leading "=" is dropped.
bool MatchFilterCondition(const String& expression, const String& value, bool caseSensitive);
bool MatchCondition(const String& condition, const String& value, bool caseSensitive);
// ">x", ">=x", "<x", "<=x" compare as numbers, then dates, then texts; any
// other condition is a wildcard pattern ("*", "?", "!" negates).
bool CompareCondition(const String& condition, const String& value);
String RemoveSpacesOutsideQuotes(const String& text);
int32_t FindClosingParen(const String& text);
