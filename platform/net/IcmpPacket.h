#pragma once

#include "platform/core/Exception.h"

#include <cstddef>
#include <cstdint>
#include <string>

// An IPv4 address in dotted decimal: four decimal octets of one to three
// digits, 0..255 each, nothing else. Names are never looked up, and "010" is
// ten, not an octal eight. The address comes out in host order.
bool ParseDottedDecimal(const String& text, uint32_t& address);
String DottedDecimal(uint32_t address);

// An ICMP echo request (type 8) with its checksum.
std::string BuildEchoRequest(uint16_t identifier, uint16_t sequence, const std::string& payload);

struct TEchoMatch {
    uint32_t Source = 0; // host order: the address the answer came from
    uint16_t Identifier = 0;
    uint16_t Sequence = 0;
    bool WithIpHeader = false; // raw sockets hand the IP header over too
};

// The size of the ICMP message when `packet` is the echo reply (type 0,
// code 0) from `match.Source` to our request; 0 for anything else: other
// ICMP messages such as "unreachable" sent by a router, requests (a raw
// socket sees our own ones on loopback), other identifiers or sequences.
size_t EchoReplySize(const uint8_t* packet, size_t size, uint32_t sender, const TEchoMatch& match);
