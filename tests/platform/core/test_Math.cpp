#include "platform/core/Math.h"

#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Math, RoundTakesHalvesToTheEvenNeighbour)
{
    struct Case {
        double value;
        int64_t rounded;
        int64_t truncated;
    };
    const Case cases[] = {
        { 0.5, 0, 0 },     { 1.5, 2, 1 },     { 2.5, 2, 2 },    { 3.5, 4, 3 },   { -0.5, 0, 0 },
        { -1.5, -2, -1 },  { -2.5, -2, -2 },  { 2.4999, 2, 2 }, { 2.5001, 3, 2 }, { -2.6, -3, -2 },
        { 1e15 + 0.5, 1000000000000000, 1000000000000000 },
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testCase.value);
        EXPECT_EQ(Round(testCase.value), testCase.rounded);
        EXPECT_EQ(Trunc(testCase.value), testCase.truncated);
    }
}

TEST(Math, ValuesWithoutAnIntegerFail)
{
    const double cases[] = { std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e19, -1e19 };
    for (double value : cases) {
        SCOPED_TRACE(value);
        EXPECT_THROW(Round(value), EInvalidOp);
        EXPECT_THROW(Trunc(value), EInvalidOp);
    }
}

TEST(Math, MulDivRoundsHalfAwayFromZeroAndFailsOnZeroOrOverflow)
{
    struct Case {
        int32_t number;
        int32_t numerator;
        int32_t denominator;
        int32_t expected;
    };
    const Case cases[] = {
        { 64, 99890, 127, 50338 },
        { 1, 127, 254, 1 },
        { -1, 127, 254, -1 },
        { 127, 99890, 127, 99890 },
        { 5, 3, 0, -1 },
        { 1000000, 1000000, 1000, 1000000000 },
        { 3, 1, -2, -2 },
        { INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN },
        { INT32_MIN, INT32_MIN, 1, -1 },
        { INT32_MAX, 2, 1, -1 },
        { INT32_MAX, 2, 2, INT32_MAX },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.number);
        EXPECT_EQ(MulDiv(entry.number, entry.numerator, entry.denominator), entry.expected);
    }
}
