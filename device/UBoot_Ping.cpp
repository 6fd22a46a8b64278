#include "device/UBoot_Ping.h"

#include "platform/net/Pinger.h"
#include "platform/core/SysUtils.h"
#include "platform/os/Clock.h"

bool Ping_Address(const std::array<String, 4>& octets, String& address)
{
    String joined;
    for (const String& octet : octets) {
        const String digits = Trim(octet);
        if (digits.isEmpty() || digits.size() > 3)
            return false;
        for (const QChar character : digits)
            if (character < u'0' || character > u'9')
                return false;
        const int value = digits.toInt();
        if (value > 255)
            return false;
        if (!joined.isEmpty())
            joined += u'.';
        joined += String::number(value);
    }
    address = joined;
    return true;
}

bool Send_Ping(TPinger& pinger, const String& address, const String& data, int32_t& ping_res,
    const std::function<void()>& processMessages)
{
    ping_res = prNone;
    pinger.OnReply = [&ping_res](TPinger*, int32_t bytesReceived) { ping_res = bytesReceived > 0 ? prAnswered : prTimedOut; };
    struct TReply_Scope {
        TPinger& Pinger;
        ~TReply_Scope() { Pinger.OnReply = nullptr; }
    } replyScope { pinger };
    pinger.SetHost(address);
    pinger.SetReceiveTimeout(Ping_Reply_Wait_Ms);
    const uint32_t start = GetTickCount();
    int32_t replies = 0;
    try {
        do {
            const uint32_t sent = GetTickCount();
            pinger.Ping(data, 0);
            do {
                Sleep(10);
                processMessages();
            } while (ping_res == prNone && GetTickCount() - sent <= Ping_Reply_Wait_Ms);
            if (ping_res == prAnswered)
                ++replies;
        } while (replies < Ping_Replies_Wanted && GetTickCount() - start <= Ping_Window_Ms);
    } catch (const EIcmpError&) {
        return false;
    }
    return ping_res == prAnswered;
}
