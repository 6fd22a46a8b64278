#include "controls/LbButtons.h"

#include "platform/os/Clock.h"

#include <utility>

namespace {

constexpr uint32_t FadeTickMilliseconds = 30;

} // namespace

TLbButtonThread::TLbButtonThread(TLbButtonThreadEvent notify) : TThread(true), FNotify(std::move(notify))
{
    SetFreeOnTerminate(true);
}

// A running Execute reads FNotify: stop it before the field goes. Terminate
// also wakes a parked thread, and one that never started stays unstarted.
TLbButtonThread::~TLbButtonThread()
{
    if (FreeOnTerminate())
        return;
    Terminate();
    try {
        WaitFor();
    } catch (...) {
        // Nothing sound is left to do with a failure while being destroyed.
    }
}

void TLbButtonThread::Execute()
{
    while (!Terminated()) {
        Sleep(FadeTickMilliseconds);
        Synchronize([this] { DoEvent(); });
    }
}

void TLbButtonThread::DoEvent()
{
    if (FNotify)
        FNotify(this);
}
