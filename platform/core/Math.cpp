#include "platform/core/Math.h"

#include "platform/core/Exception.h"

#include <cmath>

namespace {

int64_t ToInt64(double whole)
{
    // 2^63 is the first double beyond the range; -2^63 itself fits.
    constexpr double limit = 9223372036854775808.0;
    if (!(whole >= -limit && whole < limit)) throw EInvalidOp(QStringLiteral("Invalid floating point operation"));
    return static_cast<int64_t>(whole);
}

} // namespace

int64_t Round(double value)
{
    if (!std::isfinite(value)) throw EInvalidOp(QStringLiteral("Invalid floating point operation"));
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return ToInt64(whole);
}

int64_t Trunc(double value) { return ToInt64(std::trunc(value)); }
