#pragma once

#include "platform/core/FormatSettings.h"

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber };

// Typed numbers: blanks around, an optional sign, digits with at most one
// decimal separator (the settings'), an optional exponent "E" with sign and
// digits. Thousands separators are not accepted.
bool TryStrToFloat(const String& text, double& value, const TFormatSettings& settings = FormatSettings());
double StrToFloat(const String& text, const TFormatSettings& settings = FormatSettings());
double StrToFloatDef(const String& text, double defaultValue, const TFormatSettings& settings = FormatSettings());

// The shortest text with 15 significant digits: fixed notation unless the
// value needs more than 15 digits before the point or is below 0.00001.
String FloatToStr(double value, const TFormatSettings& settings = FormatSettings());
// ffGeneral: as FloatToStr with `precision` digits, `digits` the least number
// of exponent digits. ffExponent: d.ddd...E+dd with `precision` digits.
// ffFixed: `digits` decimals. ffNumber: as ffFixed with thousands separators.
// ffFixed and ffNumber round to `precision` significant digits first and fall
// back to ffExponent when the value has more digits than that before the point.
String FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                   const TFormatSettings& settings = FormatSettings());
