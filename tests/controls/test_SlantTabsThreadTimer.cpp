#include "controls/SlantTabsThreadTimer.h"

#include "platform/os/Clock.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Records the waits asked for and runs the pending tick when told to.
class TSteppedScheduler final : public TTimerScheduler {
public:
    explicit TSteppedScheduler(std::vector<uint32_t>& waits, int& stops) : FWaits(waits), FStops(stops) { }
    void Start(uint32_t delayMS, std::function<void()> due) override
    {
        FWaits.push_back(delayMS);
        Due = std::move(due);
    }
    void Stop() override
    {
        ++FStops;
        Due = nullptr;
    }
    std::function<void()> Due;

private:
    std::vector<uint32_t>& FWaits;
    int& FStops;
};

struct TTimerRig {
    TFakeClock Clock { 1000 };
    TClockScope Scope { Clock };
    std::vector<uint32_t> Waits;
    int Stops = 0;
    TSteppedScheduler* Scheduler = nullptr;
    std::unique_ptr<TThreadTimer> Timer;

    TTimerRig()
    {
        auto scheduler = std::make_unique<TSteppedScheduler>(Waits, Stops);
        Scheduler = scheduler.get();
        Timer = std::make_unique<TThreadTimer>(nullptr, std::move(scheduler));
    }
    void RunDue()
    {
        auto due = Scheduler->Due;
        ASSERT_TRUE(due);
        due();
    }
};

TEST(SlantTabsThreadTimer, WaitsTheIntervalLessTheTickButNeverUnderTenMilliseconds)
{
    struct TCase {
        int32_t Interval;
        uint32_t TickTakes;
        uint32_t Wait;
    };
    const TCase cases[] = { { 50, 20, 30 }, { 50, 45, 10 }, { 0, 0, 10 }, { 50, 0, 50 }, { 15, 80, 10 } };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.TickTakes);
        TTimerRig rig;
        rig.Timer->SetInterval(c.Interval);
        rig.Timer->OnTimer = [&](TComponent*) { rig.Clock.Advance(c.TickTakes); };
        rig.Timer->SetEnabled(true);
        ASSERT_EQ(rig.Waits, std::vector<uint32_t> { 0 }) << "the first tick comes at once";
        rig.RunDue();
        EXPECT_EQ(rig.Waits.back(), c.Wait);
    }
}

TEST(SlantTabsThreadTimer, KeepsTickingAfterAFailingTickAndStartsOnce)
{
    TTimerRig rig;
    rig.Timer->SetInterval(25);
    int calls = 0;
    rig.Timer->OnTimer = [&](TComponent* sender) {
        EXPECT_EQ(sender, rig.Timer.get());
        ++calls;
        throw std::runtime_error("tick failed");
    };
    rig.Timer->SetEnabled(true);
    rig.Timer->SetEnabled(true);
    EXPECT_EQ(rig.Waits.size(), 1u);
    rig.RunDue();
    rig.RunDue();
    EXPECT_EQ(calls, 2);
    rig.Timer->OnTimer = nullptr;
    rig.RunDue();
    EXPECT_EQ(rig.Waits.size(), 4u) << "a timer without a handler keeps cycling";
}

TEST(SlantTabsThreadTimer, StopsWhenDisabledOrDestroyed)
{
    TTimerRig rig;
    rig.Timer->SetEnabled(true);
    rig.Timer->SetEnabled(false);
    EXPECT_EQ(rig.Stops, 1);
    EXPECT_FALSE(rig.Scheduler->Due);
    rig.Timer->SetEnabled(true);
    rig.Timer.reset();
    EXPECT_EQ(rig.Stops, 2);
}

} // namespace
