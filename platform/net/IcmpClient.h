#pragma once

#include "platform/net/Pinger.h"

// Ways to send one echo. Automatic takes the first that this system allows
// the user: an ICMP datagram socket (allowed by net.ipv4.ping_group_range),
// a raw socket (needs CAP_NET_RAW), else the system's ping program, which
// carries its own privilege.
enum class TIcmpMethod { Automatic, DatagramSocket, RawSocket, PingProgram };

class TIcmpClient final : public TPinger {
public:
    TIcmpClient();

    TIcmpMethod Method() const { return FMethod; }
    void SetMethod(TIcmpMethod method) { FMethod = method; }
    // The way the last echo went out.
    TIcmpMethod LastMethod() const { return FLastMethod; }
    const String& PingProgram() const { return FPingProgram; }
    void SetPingProgram(const String& program) { FPingProgram = program; }

protected:
    int32_t Echo(uint32_t address, const std::string& payload, uint16_t sequence) override;

private:
    int32_t EchoByProgram(uint32_t address, const std::string& payload) const;

    TIcmpMethod FMethod = TIcmpMethod::Automatic;
    TIcmpMethod FLastMethod = TIcmpMethod::Automatic;
    String FPingProgram = "ping";
    uint16_t FIdentifier;
};
