#pragma once

#include "platform/core/Exception.h"

#include <array>
#include <cstdint>
#include <functional>

class TPinger;

// The outcome of the latest ping: none yet, answered, not answered in time.
enum TPing_Res : int32_t { prNone, prAnswered, prTimedOut };

inline constexpr uint32_t Ping_Reply_Wait_Ms = 400;
inline constexpr uint32_t Ping_Window_Ms = 5000;
inline constexpr int32_t Ping_Replies_Wanted = 2;

// The address to ping, from four octets each written as a decimal number 0
// to 255 (blanks around them allowed); false for anything else. The address
// is never looked up as a name, and a leading 0 never makes an octet octal.
bool Ping_Address(const std::array<String, 4>& octets, String& address);

// Pings address until two echo replies have come or more than 5 s have
// passed, handing window messages to processMessages between the pings.
// True exactly when the latest ping was answered; a ping that cannot be sent
// ends the loop with false and ping_res as it stood.
bool Send_Ping(TPinger& pinger, const String& address, const String& data, int32_t& ping_res,
    const std::function<void()>& processMessages);
