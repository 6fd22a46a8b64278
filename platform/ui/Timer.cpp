#include "platform/ui/Timer.h"

#include "platform/ui/Forms.h"

#include <QTimer>

TTimer::TTimer(TComponent* owner) : TComponent(owner), FTimer(std::make_unique<QTimer>())
{
    QObject::connect(FTimer.get(), &QTimer::timeout, [this] { Guarded([this] { Timer(); }); });
    UpdateTimer();
}

TTimer::~TTimer()
{
    Destroying();
    FTimer->stop();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == FEnabled)
        return;
    FEnabled = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(uint32_t interval)
{
    if (interval == FInterval)
        return;
    FInterval = interval;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    FTimer->stop();
    if (FEnabled && FInterval > 0)
        FTimer->start(static_cast<int>(std::min<uint32_t>(FInterval, INT32_MAX)));
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}
