#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <functional>
#include <string>

class EIcmpError : public Exception {
public:
    using Exception::Exception;
};

// An ICMP echo client. The host is an IPv4 address in dotted decimal and is
// never resolved; tests and dialogs can put a fake behind this interface.
class TPinger {
public:
    virtual ~TPinger() = default;

    const String& Host() const { return FHost; }
    void SetHost(const String& host) { FHost = host; }
    uint32_t ReceiveTimeout() const { return FReceiveTimeout; }
    void SetReceiveTimeout(uint32_t milliseconds) { FReceiveTimeout = milliseconds; }

    // Raised by every Ping before it returns, with the same byte count.
    std::function<void(TPinger* sender, int32_t bytesReceived)> OnReply;

    // Sends one echo request carrying `data` and waits up to ReceiveTimeout
    // for the echo reply of the host; gives the size of that reply, 0 when
    // none came. Sequence 0 lets the client number its echoes itself. Raises
    // EIcmpError when the host is no dotted decimal address or the request
    // cannot be sent.
    int32_t Ping(const String& data, uint16_t sequence = 0);

protected:
    virtual int32_t Echo(uint32_t address, const std::string& payload, uint16_t sequence) = 0;

private:
    String FHost;
    uint32_t FReceiveTimeout = 5000;
    uint16_t FNextSequence = 1;
};
