#include "platform/net/Pinger.h"

#include "platform/net/IcmpPacket.h"

int32_t TPinger::Ping(const String& data, uint16_t sequence)
{
    uint32_t address = 0;
    if (!ParseDottedDecimal(FHost, address))
        throw EIcmpError(QString("\"%1\" is not an IPv4 address.").arg(FHost));
    if (sequence == 0)
        sequence = FNextSequence++;
    const QByteArray payload = data.toUtf8();
    const int32_t bytesReceived = Echo(address, std::string(payload.constData(), static_cast<size_t>(payload.size())), sequence);
    if (OnReply)
        OnReply(this, bytesReceived);
    return bytesReceived;
}
