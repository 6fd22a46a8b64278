#include "platform/os/Clock.h"

#include <chrono>
#include <thread>

namespace {

TSteadyClock SteadyClock;
std::atomic<TClock*> CurrentClock { &SteadyClock };

} // namespace

uint32_t TSteadyClock::TickCount() const
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

void TSteadyClock::Sleep(uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

TClock& Clock()
{
    return *CurrentClock.load();
}

TClockScope::TClockScope(TClock& clock) : FPrevious(CurrentClock.exchange(&clock)) { }

TClockScope::~TClockScope()
{
    CurrentClock.store(FPrevious);
}
