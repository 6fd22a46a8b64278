#include "platform/core/Math.h"

#include "platform/core/Exception.h"

#include <cmath>
#include <cstdlib>

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

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator)
{
    if (denominator == 0)
        return -1;
    const int64_t product = int64_t { number } * numerator;
    const int64_t divisor = std::abs(int64_t { denominator });
    // |product| is at most 2^62, so adding half the divisor cannot overflow.
    const int64_t magnitude = (std::abs(product) + divisor / 2) / divisor;
    const int64_t result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
    if (result < INT32_MIN || result > INT32_MAX)
        return -1;
    return static_cast<int32_t>(result);
}
