#include "platform/net/IcmpClient.h"
#include "platform/net/IcmpPacket.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iostream>
#include <vector>

namespace {

constexpr uint32_t Loopback = 0x7F000001;

// Records what would have gone out instead of sending it.
class TRecordingPinger final : public TPinger {
public:
    struct TEcho {
        uint32_t Address;
        std::string Payload;
        uint16_t Sequence;
    };
    std::vector<TEcho> Echoes;
    int32_t Answer = 0;

protected:
    int32_t Echo(uint32_t address, const std::string& payload, uint16_t sequence) override
    {
        Echoes.push_back({ address, payload, sequence });
        return Answer;
    }
};

std::string IpHeader(uint32_t source)
{
    std::string header(20, '\0');
    header[0] = 0x45;
    header[12] = static_cast<char>(source >> 24);
    header[13] = static_cast<char>(source >> 16);
    header[14] = static_cast<char>(source >> 8);
    header[15] = static_cast<char>(source);
    return header;
}

std::string Reply(uint16_t identifier, uint16_t sequence, const std::string& payload)
{
    std::string message = BuildEchoRequest(identifier, sequence, payload);
    message[0] = 0;
    return message;
}

} // namespace

TEST(IcmpPacket, AcceptsOnlyFourDecimalOctetsAndNeverAName)
{
    const struct {
        const char* text;
        bool valid;
        uint32_t address;
    } cases[] = {
        { "127.0.0.1", true, Loopback },     { "192.168.2.205", true, 0xC0A802CD }, { "010.000.0.1", true, 0x0A000001 },
        { "255.255.255.255", true, 0xFFFFFFFF }, { "0.0.0.0", true, 0 },           { "localhost", false, 0 },
        { "127.0.0", false, 0 },             { "127.0.0.1.", false, 0 },          { "256.0.0.1", false, 0 },
        { "1.2.3.-4", false, 0 },            { " 127.0.0.1", false, 0 },          { "0x7f.0.0.1", false, 0 },
        { "0127.0.0.1", false, 0 },          { "127..0.1", false, 0 },            { "", false, 0 },
        { "127.0.0.1\xd9\xa1", false, 0 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.text);
        uint32_t address = 0xDEADBEEF;
        EXPECT_EQ(ParseDottedDecimal(QString::fromUtf8(testCase.text), address), testCase.valid);
        if (testCase.valid) {
            EXPECT_EQ(address, testCase.address);
        }
    }
    EXPECT_EQ(DottedDecimal(0x0A000001), "10.0.0.1");
    EXPECT_EQ(DottedDecimal(0xC0A802CD), "192.168.2.205");
}

TEST(IcmpPacket, BuildsAnEchoRequestWhoseChecksumVerifies)
{
    for (const std::string& payload : { std::string(), std::string("127.0.0.1"), std::string("ab") }) {
        SCOPED_TRACE(payload);
        const std::string message = BuildEchoRequest(0x1234, 0xBEEF, payload);
        ASSERT_EQ(message.size(), 8 + payload.size());
        EXPECT_EQ(message.substr(0, 2), std::string("\x08\x00", 2));
        EXPECT_EQ(message.substr(4, 4), "\x12\x34\xBE\xEF");
        EXPECT_EQ(message.substr(8), payload);
        uint32_t sum = 0;
        for (size_t index = 0; index < message.size(); index += 2)
            sum += (static_cast<uint8_t>(message[index]) << 8) | (index + 1 < message.size() ? static_cast<uint8_t>(message[index + 1]) : 0);
        while (sum >> 16)
            sum = (sum & 0xFFFF) + (sum >> 16);
        EXPECT_EQ(sum, 0xFFFFu);
    }
}

TEST(IcmpPacket, CountsOnlyTheEchoReplyOfTheTargetToOurRequest)
{
    const uint32_t target = 0xC0A802CD;
    const uint32_t router = 0xC0A80201;
    const std::string good = Reply(0x1234, 7, "192.168.2.205");
    std::string unreachable = good;
    unreachable[0] = 3;
    unreachable[1] = 1;
    std::string badCode = good;
    badCode[1] = 1;
    const struct {
        const char* name;
        std::string packet;
        uint32_t sender;
        bool withIpHeader;
        size_t expected;
    } cases[] = {
        { "echo reply", good, target, false, 21 },
        { "echo reply behind an IP header", IpHeader(target) + good, target, true, 21 },
        { "from another host", good, router, false, 0 },
        { "host unreachable from a router", unreachable, target, false, 0 },
        { "reply with a code", badCode, target, false, 0 },
        { "our own request seen on loopback", BuildEchoRequest(0x1234, 7, "x"), target, false, 0 },
        { "other identifier", Reply(0x1235, 7, ""), target, false, 0 },
        { "other sequence", Reply(0x1234, 8, ""), target, false, 0 },
        { "truncated", good.substr(0, 7), target, false, 0 },
        { "truncated IP header", IpHeader(target).substr(0, 19), target, true, 0 },
        { "IP header claims more than came", IpHeader(target).replace(0, 1, "\x4F") + good.substr(0, 8), target, true, 0 },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const TEchoMatch match { target, 0x1234, 7, testCase.withIpHeader };
        EXPECT_EQ(EchoReplySize(reinterpret_cast<const uint8_t*>(testCase.packet.data()), testCase.packet.size(),
                                testCase.sender, match),
                  testCase.expected);
    }
}

TEST(TPinger, RefusesAHostThatIsNoDottedDecimalAddressWithoutSendingAnything)
{
    for (const char* host : { "localhost", "example.com", "127.1", "1.2.3.256", "", "127.0.0.1 " }) {
        SCOPED_TRACE(host);
        TRecordingPinger pinger;
        pinger.SetHost(host);
        EXPECT_THROW(pinger.Ping(host), EIcmpError);
        EXPECT_TRUE(pinger.Echoes.empty());
    }
}

TEST(TPinger, NumbersEchoesItselfWhenAskedForSequenceZeroAndRaisesTheReplyEvent)
{
    TRecordingPinger pinger;
    pinger.SetHost("010.0.0.1");
    pinger.Answer = 37;
    std::vector<int32_t> replies;
    pinger.OnReply = [&](TPinger* sender, int32_t bytes) {
        EXPECT_EQ(sender, &pinger);
        replies.push_back(bytes);
    };
    EXPECT_EQ(pinger.Ping("a"), 37);
    pinger.Ping("b");
    pinger.Ping("c", 500);
    pinger.Ping("d");

    ASSERT_EQ(pinger.Echoes.size(), 4u);
    const uint16_t sequences[] = { 1, 2, 500, 3 };
    for (size_t index = 0; index < 4; ++index) {
        EXPECT_EQ(pinger.Echoes[index].Sequence, sequences[index]);
        EXPECT_EQ(pinger.Echoes[index].Address, 0x0A000001u);
    }
    EXPECT_EQ(pinger.Echoes[0].Payload, "a");
    EXPECT_EQ(replies, std::vector<int32_t>(4, 37));
}

TEST(TIcmpClient, GetsTheEchoReplyOfLoopbackByEveryWayThisSystemAllows)
{
    const struct {
        const char* name;
        TIcmpMethod method;
    } cases[] = {
        { "automatic", TIcmpMethod::Automatic },
        { "datagram socket", TIcmpMethod::DatagramSocket },
        { "raw socket", TIcmpMethod::RawSocket },
        { "ping program", TIcmpMethod::PingProgram },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TIcmpClient client;
        client.SetHost("127.0.0.1");
        client.SetReceiveTimeout(2000);
        client.SetMethod(testCase.method);
        int32_t bytes = -1;
        try {
            bytes = client.Ping("127.0.0.1");
        } catch (const EIcmpError& error) {
            // Only a forced way may be closed to this user.
            EXPECT_NE(testCase.method, TIcmpMethod::Automatic) << error.Message().toStdString();
            std::cout << "[ INFO     ] " << testCase.name << " not available: " << error.Message().toStdString() << '\n';
            continue;
        }
        EXPECT_EQ(bytes, 8 + 9);
        if (testCase.method != TIcmpMethod::Automatic) {
            EXPECT_EQ(client.LastMethod(), testCase.method);
        }
    }
}

TEST(TIcmpClient, RunsThePingProgramForOneEchoAndReadsItsOutcome)
{
    QTemporaryDir folder;
    const String arguments = folder.filePath("arguments");
    const struct {
        const char* name;
        int exitCode;
        int32_t bytes; // -1: raises EIcmpError
    } cases[] = { { "reply", 0, 8 + 11 }, { "no reply", 1, 0 }, { "error", 2, -1 } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const String program = folder.filePath("ping");
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(QString("#!/bin/sh\necho \"$@\" > '%1'\nexit %2\n").arg(arguments).arg(testCase.exitCode).toLocal8Bit());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        TIcmpClient client;
        client.SetMethod(TIcmpMethod::PingProgram);
        client.SetPingProgram(program);
        client.SetHost("127.000.0.01");
        client.SetReceiveTimeout(400);
        if (testCase.bytes < 0) {
            EXPECT_THROW(client.Ping("127.0.0.001"), EIcmpError);
        } else {
            EXPECT_EQ(client.Ping("127.0.0.001"), testCase.bytes);
        }
        QFile written(arguments);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), "-c 1 -W 1 -n -s 11 127.0.0.1\n");
    }
    {
        SCOPED_TRACE("longest time-out");
        QFile script(folder.filePath("ping"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(QString("#!/bin/sh\necho \"$@\" > '%1'\nexit 1\n").arg(arguments).toLocal8Bit());
        script.close();
        TIcmpClient client;
        client.SetMethod(TIcmpMethod::PingProgram);
        client.SetPingProgram(folder.filePath("ping"));
        client.SetHost("127.0.0.1");
        client.SetReceiveTimeout(UINT32_MAX);
        EXPECT_EQ(client.Ping("x"), 0);
        QFile written(arguments);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), "-c 1 -W 4294968 -n -s 1 127.0.0.1\n");
    }
    {
        SCOPED_TRACE("a program slower than the receive time-out");
        QFile script(folder.filePath("ping"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("#!/bin/sh\nsleep 3\nexit 0\n");
        script.close();
        TIcmpClient client;
        client.SetMethod(TIcmpMethod::PingProgram);
        client.SetPingProgram(folder.filePath("ping"));
        client.SetHost("127.0.0.1");
        client.SetReceiveTimeout(400);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(client.Ping("x"), 0);
        EXPECT_GE(timer.elapsed(), 400);
        EXPECT_LT(timer.elapsed(), 1500);
    }
    TIcmpClient client;
    client.SetMethod(TIcmpMethod::PingProgram);
    client.SetPingProgram(folder.filePath("missing"));
    client.SetHost("127.0.0.1");
    EXPECT_THROW(client.Ping("x"), EIcmpError);
}
