#include "controls/SlantTabsThreadTimer.h"

#include "platform/os/Clock.h"
#include "platform/ui/Timer.h"

#include <algorithm>

namespace {

class TEventLoopScheduler final : public TTimerScheduler {
public:
    TEventLoopScheduler() : FTimer(nullptr)
    {
        FTimer.SetEnabled(false);
        FTimer.OnTimer = [this](TComponent*) {
            FTimer.SetEnabled(false);
            if (FDue)
                FDue();
        };
    }
    void Start(uint32_t delayMS, std::function<void()> due) override
    {
        FDue = std::move(due);
        FTimer.SetEnabled(false);
        FTimer.SetInterval(std::max<uint32_t>(delayMS, 1));
        FTimer.SetEnabled(true);
    }
    void Stop() override { FTimer.SetEnabled(false); }

private:
    TTimer FTimer;
    std::function<void()> FDue;
};

constexpr int32_t ShortestWait = 10;

} // namespace

std::unique_ptr<TTimerScheduler> MakeEventLoopScheduler() { return std::make_unique<TEventLoopScheduler>(); }

TThreadTimer::TThreadTimer(TComponent* owner, std::unique_ptr<TTimerScheduler> scheduler) : TComponent(owner), FScheduler(std::move(scheduler)) { }

TThreadTimer::~TThreadTimer() { SetEnabled(false); }

void TThreadTimer::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    if (value)
        FScheduler->Start(0, [this] { Tick(); });
    else
        FScheduler->Stop();
}

void TThreadTimer::Tick()
{
    const uint32_t start = GetTickCount();
    try {
        if (OnTimer)
            OnTimer(this);
    } catch (...) {
        // A failing tick must not stop the animations that follow.
    }
    if (!FEnabled)
        return;
    const int64_t elapsed = int64_t(GetTickCount() - start);
    const int64_t delay = std::max<int64_t>(int64_t(FInterval) - elapsed, ShortestWait);
    FScheduler->Start(uint32_t(delay), [this] { Tick(); });
}
