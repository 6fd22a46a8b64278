#include "platform/os/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, FakeClockAdvancesOnlyWhenSleptOrMovedAndScopeRestoresTheSteadyOne)
{
    TClock& steady = Clock();
    {
        TFakeClock fake(1000);
        const TClockScope scope(fake);
        EXPECT_EQ(&Clock(), &fake);
        EXPECT_EQ(GetTickCount(), 1000u);
        Sleep(150000);
        EXPECT_EQ(GetTickCount(), 151000u);
        fake.Advance(5);
        EXPECT_EQ(GetTickCount(), 151005u);
    }
    EXPECT_EQ(&Clock(), &steady);
}

TEST(Clock, IntervalsSurviveTheWrapAt32Bits)
{
    TFakeClock fake(0xFFFFFF00u);
    const TClockScope scope(fake);
    const uint32_t start = GetTickCount();
    Sleep(0x200);
    EXPECT_LT(GetTickCount(), start);
    EXPECT_EQ(GetTickCount() - start, 0x200u);
}

TEST(Clock, SteadyClockSleepsAtLeastTheTimeAsked)
{
    const uint32_t start = GetTickCount();
    Sleep(20);
    EXPECT_GE(GetTickCount() - start, 20u);
}
