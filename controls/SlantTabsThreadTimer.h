#pragma once

// The strip's animation tick. Ticks run on the user-interface thread; the
// time a tick takes is taken off the wait before the next one, which is
// never shorter than 10 ms, so ticks never pile up.

#include "platform/core/Component.h"

#include <functional>
#include <memory>

// Runs one callback once after a delay; starting again replaces the pending one.
class TTimerScheduler {
public:
    virtual ~TTimerScheduler() = default;
    virtual void Start(uint32_t delayMS, std::function<void()> due) = 0;
    virtual void Stop() = 0;
};

// The event loop's single-shot timer.
std::unique_ptr<TTimerScheduler> MakeEventLoopScheduler();

class TThreadTimer : public TComponent {
public:
    explicit TThreadTimer(TComponent* owner, std::unique_ptr<TTimerScheduler> scheduler = MakeEventLoopScheduler());
    ~TThreadTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Read again before every wait.
    int32_t Interval() const { return FInterval; }
    void SetInterval(int32_t value) { FInterval = value; }

    std::function<void(TComponent* sender)> OnTimer;

private:
    void Tick();

    std::unique_ptr<TTimerScheduler> FScheduler;
    int32_t FInterval = 0;
    bool FEnabled = false;
};
