#include "platform/net/IcmpPacket.h"

#include <QStringList>

namespace {

constexpr size_t IcmpHeaderSize = 8;
constexpr uint8_t EchoReply = 0;
constexpr uint8_t EchoRequest = 8;

uint16_t Checksum(const std::string& message)
{
    uint32_t sum = 0;
    for (size_t index = 0; index + 1 < message.size(); index += 2)
        sum += (static_cast<uint8_t>(message[index]) << 8) | static_cast<uint8_t>(message[index + 1]);
    if (message.size() % 2 != 0)
        sum += static_cast<uint8_t>(message.back()) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

uint16_t Word(const uint8_t* bytes)
{
    return static_cast<uint16_t>((bytes[0] << 8) | bytes[1]);
}

} // namespace

bool ParseDottedDecimal(const String& text, uint32_t& address)
{
    const QStringList octets = text.split(QLatin1Char('.'));
    if (octets.size() != 4)
        return false;
    uint32_t value = 0;
    for (const String& octet : octets) {
        if (octet.isEmpty() || octet.size() > 3)
            return false;
        uint32_t number = 0;
        for (const QChar digit : octet) {
            if (digit < QLatin1Char('0') || digit > QLatin1Char('9'))
                return false;
            number = number * 10 + static_cast<uint32_t>(digit.unicode() - '0');
        }
        if (number > 255)
            return false;
        value = (value << 8) | number;
    }
    address = value;
    return true;
}

String DottedDecimal(uint32_t address)
{
    return QString("%1.%2.%3.%4").arg(address >> 24).arg((address >> 16) & 0xFF).arg((address >> 8) & 0xFF).arg(address & 0xFF);
}

std::string BuildEchoRequest(uint16_t identifier, uint16_t sequence, const std::string& payload)
{
    std::string message(IcmpHeaderSize, '\0');
    message[0] = static_cast<char>(EchoRequest);
    message[4] = static_cast<char>(identifier >> 8);
    message[5] = static_cast<char>(identifier & 0xFF);
    message[6] = static_cast<char>(sequence >> 8);
    message[7] = static_cast<char>(sequence & 0xFF);
    message += payload;
    const uint16_t checksum = Checksum(message);
    message[2] = static_cast<char>(checksum >> 8);
    message[3] = static_cast<char>(checksum & 0xFF);
    return message;
}

size_t EchoReplySize(const uint8_t* packet, size_t size, uint32_t sender, const TEchoMatch& match)
{
    if (sender != match.Source)
        return 0;
    if (match.WithIpHeader) {
        if (size < 20 || (packet[0] >> 4) != 4)
            return 0;
        const size_t headerSize = static_cast<size_t>(packet[0] & 0x0F) * 4;
        if (headerSize < 20 || size < headerSize)
            return 0;
        packet += headerSize;
        size -= headerSize;
    }
    if (size < IcmpHeaderSize || packet[0] != EchoReply || packet[1] != 0)
        return 0;
    if (Word(packet + 4) != match.Identifier || Word(packet + 6) != match.Sequence)
        return 0;
    return size;
}
