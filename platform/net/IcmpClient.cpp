#include "platform/net/IcmpClient.h"

#include "platform/net/IcmpPacket.h"

#include <QProcess>

#include <algorithm>

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <random>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int32_t IcmpHeaderSize = 8;
constexpr int MaxPayload = 65507 - IcmpHeaderSize;

class TSocket {
public:
    explicit TSocket(int type) : FHandle(socket(AF_INET, type | SOCK_CLOEXEC, IPPROTO_ICMP)) { }
    ~TSocket()
    {
        if (FHandle >= 0)
            close(FHandle);
    }
    TSocket(const TSocket&) = delete;
    TSocket& operator=(const TSocket&) = delete;
    int Handle() const { return FHandle; }

private:
    int FHandle;
};

sockaddr_in SocketAddress(uint32_t address)
{
    sockaddr_in socketAddress {};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_addr.s_addr = htonl(address);
    return socketAddress;
}

// -1 when this user may not open such a socket; otherwise the size of the
// echo reply, 0 when none came in time.
int32_t EchoBySocket(int type, uint32_t address, const std::string& payload, uint16_t identifier, uint16_t sequence,
                     uint32_t timeout)
{
    const TSocket icmp(type);
    if (icmp.Handle() < 0) {
        if (errno == EACCES || errno == EPERM || errno == EPROTONOSUPPORT || errno == EAFNOSUPPORT)
            return -1;
        throw EIcmpError(QString("No ICMP socket could be opened: %1.").arg(strerror(errno)));
    }
    const std::string request = BuildEchoRequest(identifier, sequence, payload);
    const sockaddr_in target = SocketAddress(address);
    if (sendto(icmp.Handle(), request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&target), sizeof target) < 0)
        throw EIcmpError(QString("The echo request to %1 could not be sent: %2.").arg(DottedDecimal(address), strerror(errno)));

    TEchoMatch match { address, identifier, sequence, type == SOCK_RAW };
    if (type == SOCK_DGRAM) {
        // The system puts the socket's own identifier into datagram echoes.
        sockaddr_in local {};
        socklen_t localSize = sizeof local;
        if (getsockname(icmp.Handle(), reinterpret_cast<sockaddr*>(&local), &localSize) == 0)
            match.Identifier = ntohs(local.sin_port);
    }

    std::vector<uint8_t> buffer(65536);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return 0;
        pollfd waiting { icmp.Handle(), POLLIN, 0 };
        const int ready = poll(&waiting, 1, static_cast<int>(std::min<int64_t>(left.count(), INT_MAX)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return 0;
        sockaddr_in sender {};
        socklen_t senderSize = sizeof sender;
        const ssize_t received = recvfrom(icmp.Handle(), buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&sender), &senderSize);
        if (received <= 0)
            continue;
        if (const size_t size = EchoReplySize(buffer.data(), static_cast<size_t>(received), ntohl(sender.sin_addr.s_addr), match))
            return static_cast<int32_t>(size);
    }
}

} // namespace

TIcmpClient::TIcmpClient() : FIdentifier(static_cast<uint16_t>(std::random_device()())) { }

int32_t TIcmpClient::Echo(uint32_t address, const std::string& payload, uint16_t sequence)
{
    if (payload.size() > static_cast<size_t>(MaxPayload))
        throw EIcmpError(QString("An echo carries at most %1 bytes.").arg(MaxPayload));

    const struct {
        TIcmpMethod method;
        int socketType;
    } sockets[] = { { TIcmpMethod::DatagramSocket, SOCK_DGRAM }, { TIcmpMethod::RawSocket, SOCK_RAW } };
    for (const auto& way : sockets) {
        if (FMethod != TIcmpMethod::Automatic && FMethod != way.method)
            continue;
        const int32_t size = EchoBySocket(way.socketType, address, payload, FIdentifier, sequence, ReceiveTimeout());
        if (size >= 0) {
            FLastMethod = way.method;
            return size;
        }
        if (FMethod == way.method)
            throw EIcmpError("This user may not open that kind of ICMP socket.");
    }
    FLastMethod = TIcmpMethod::PingProgram;
    return EchoByProgram(address, payload);
}

// The ping program numbers its echo itself and counts only echo replies to
// it; it cannot carry our data, so it sends as many bytes of its own. Its
// time-out is in whole seconds on many systems, so the program is stopped
// once the receive time-out has passed: no reply in time.
int32_t TIcmpClient::EchoByProgram(uint32_t address, const std::string& payload) const
{
    const uint64_t seconds = std::max<uint64_t>(1, (uint64_t { ReceiveTimeout() } + 999) / 1000);
    QProcess ping;
    ping.setProcessChannelMode(QProcess::MergedChannels);
    ping.start(FPingProgram, { "-c", "1", "-W", QString::number(seconds), "-n", "-s", QString::number(payload.size()),
                               DottedDecimal(address) });
    if (!ping.waitForStarted())
        throw EIcmpError(QString("The ping program \"%1\" could not be started.").arg(FPingProgram));
    if (!ping.waitForFinished(static_cast<int>(std::min<uint64_t>(ReceiveTimeout(), INT_MAX)))) {
        ping.kill();
        ping.waitForFinished();
        return 0;
    }
    if (ping.exitStatus() == QProcess::NormalExit && ping.exitCode() == 0)
        return IcmpHeaderSize + static_cast<int32_t>(payload.size());
    if (ping.exitStatus() == QProcess::NormalExit && ping.exitCode() == 1)
        return 0;
    throw EIcmpError(QString("The ping program failed: %1").arg(QString::fromLocal8Bit(ping.readAll()).trimmed()));
}
