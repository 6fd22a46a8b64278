#pragma once

#include <atomic>
#include <cstdint>

// The millisecond tick counter and the pause the program measures its waits
// with. The counter is steady and wraps at 32 bits, so intervals are taken as
// unsigned differences. Tests install a fake clock to make waits instant.
class TClock {
public:
    virtual ~TClock() = default;
    virtual uint32_t TickCount() const = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;
};

class TSteadyClock final : public TClock {
public:
    uint32_t TickCount() const override;
    void Sleep(uint32_t milliseconds) override;
};

// Time moves only when told to or when someone sleeps, which advances it by
// the pause asked for without waiting.
class TFakeClock final : public TClock {
public:
    explicit TFakeClock(uint32_t start = 0) : FNow(start) { }
    uint32_t TickCount() const override { return FNow.load(); }
    void Sleep(uint32_t milliseconds) override { Advance(milliseconds); }
    void Advance(uint32_t milliseconds) { FNow.fetch_add(milliseconds); }

private:
    std::atomic<uint32_t> FNow;
};

TClock& Clock();

// Installs a clock for the scope's life and puts the previous one back.
class TClockScope {
public:
    explicit TClockScope(TClock& clock);
    ~TClockScope();
    TClockScope(const TClockScope&) = delete;
    TClockScope& operator=(const TClockScope&) = delete;

private:
    TClock* FPrevious;
};

inline uint32_t GetTickCount() { return Clock().TickCount(); }
inline void Sleep(uint32_t milliseconds) { Clock().Sleep(milliseconds); }
