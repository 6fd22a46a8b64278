#pragma once

#include "platform/os/Thread.h"

#include <functional>

class TLbButtonThread;
using TLbButtonThreadEvent = std::function<void(TLbButtonThread* sender)>;

// The fade clock of a flat button: every 30 ms it runs FNotify on the
// user-interface thread. The button parks it (Suspend) while nothing fades.
class TLbButtonThread : public TThread {
public:
    explicit TLbButtonThread(TLbButtonThreadEvent notify);
    ~TLbButtonThread() override;

protected:
    void Execute() override;

private:
    void DoEvent();

    TLbButtonThreadEvent FNotify;
};
