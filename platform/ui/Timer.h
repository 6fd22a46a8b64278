#pragma once

#include "platform/ui/Controls.h"

#include <memory>

class QTimer;

// A window timer: it runs while Enabled and Interval > 0 and calls OnTimer
// every Interval milliseconds from the event loop (also inside modal
// loops). Enabling an enabled timer changes nothing; a new Interval starts
// the count again.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return FInterval; }
    void SetInterval(uint32_t interval);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();

    std::unique_ptr<QTimer> FTimer;
    bool FEnabled = true;
    uint32_t FInterval = 1000;
};
