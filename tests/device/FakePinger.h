#pragma once

#include "platform/net/Pinger.h"
#include "platform/os/Clock.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// Answers each echo with the next byte count of its script (the last one
// repeats) and lets the fake clock run for the round trip, or for the whole
// receive time-out when no answer comes. Records every address pinged.
class TFake_Pinger final : public TPinger {
public:
    TFake_Pinger(TFakeClock& clock, std::vector<int32_t> replies) : FClock(clock), FReplies(std::move(replies)) { }

    std::vector<uint32_t> Addresses;
    std::vector<std::string> Payloads;
    bool Refuse = false;
    std::function<void()> OnEcho;

protected:
    int32_t Echo(uint32_t address, const std::string& payload, uint16_t) override
    {
        Addresses.push_back(address);
        Payloads.push_back(payload);
        if (OnEcho)
            OnEcho();
        if (Refuse)
            throw EIcmpError(QStringLiteral("refused"));
        const size_t index = std::min(Addresses.size() - 1, FReplies.size() - 1);
        const int32_t bytes = FReplies[index];
        FClock.Advance(bytes > 0 ? 3 : ReceiveTimeout());
        return bytes;
    }

private:
    TFakeClock& FClock;
    std::vector<int32_t> FReplies;
};
