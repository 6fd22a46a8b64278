#include "device/UBoot_Ping.h"

#include "FakePinger.h"
#include "platform/net/IcmpClient.h"

#include <gtest/gtest.h>

TEST(PingAddress, OctetsAreDecimalNumbersFrom0To255)
{
    struct TCase {
        std::array<const char*, 4> Octets;
        const char* Address; // nullptr: refused
    };
    const TCase cases[] = {
        { { "192", "168", "0", "10" }, "192.168.0.10" },
        { { " 127", "0 ", "0", "1" }, "127.0.0.1" },
        { { "010", "001", "000", "255" }, "10.1.0.255" },
        { { "256", "0", "0", "1" }, nullptr },
        { { "", "0", "0", "1" }, nullptr },
        { { "-1", "0", "0", "1" }, nullptr },
        { { "0x1", "0", "0", "1" }, nullptr },
        { { "$10", "0", "0", "1" }, nullptr },
        { { "1.2", "0", "0", "1" }, nullptr },
        { { "host", "0", "0", "1" }, nullptr },
        { { "0001", "0", "0", "1" }, nullptr },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Octets[0]);
        String address = QStringLiteral("kept");
        const bool valid = Ping_Address({ String::fromLatin1(entry.Octets[0]), String::fromLatin1(entry.Octets[1]),
                                            String::fromLatin1(entry.Octets[2]), String::fromLatin1(entry.Octets[3]) },
            address);
        EXPECT_EQ(valid, entry.Address != nullptr);
        EXPECT_EQ(address, entry.Address ? String::fromLatin1(entry.Address) : QStringLiteral("kept"));
    }
}

TEST(SendPing, StopsAfterTwoAnswersAfterTheWindowOrOnError)
{
    struct TCase {
        const char* Name;
        std::vector<int32_t> Replies;
        bool Refuse;
        bool Answered;
        int32_t Res;
        size_t Pings;
    };
    const TCase cases[] = {
        { "every ping answered", { 64 }, false, true, prAnswered, 2 },
        { "only the first answered: the last status counts", { 64, 0 }, false, false, prTimedOut, 14 },
        { "no device", { 0 }, false, false, prTimedOut, 13 },
        { "the second answer arrives late", { 64, 0, 0, 0, 0, 0, 64 }, false, true, prAnswered, 7 },
        { "the second answer at the end of the window", { 64, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 64 }, false, true, prAnswered, 13 },
        { "the echo cannot be sent", { 64 }, true, false, prNone, 1 },
    };
    for (const TCase& entry : cases) {
        SCOPED_TRACE(entry.Name);
        TFakeClock clock(1000);
        const TClockScope scope(clock);
        TFake_Pinger pinger(clock, entry.Replies);
        pinger.Refuse = entry.Refuse;
        int32_t ping_res = -1;
        int32_t messageRounds = 0;
        EXPECT_EQ(Send_Ping(pinger, QStringLiteral("10.1.2.3"), QStringLiteral("010.1.2.3"), ping_res, [&] { ++messageRounds; }),
            entry.Answered);
        EXPECT_EQ(ping_res, entry.Res);
        EXPECT_EQ(pinger.Addresses.size(), entry.Pings);
        for (uint32_t address : pinger.Addresses)
            EXPECT_EQ(address, 0x0A010203U);
        EXPECT_EQ(pinger.Payloads.front(), "010.1.2.3");
        EXPECT_FALSE(pinger.OnReply);
        if (!entry.Refuse) {
            EXPECT_GE(messageRounds, static_cast<int32_t>(entry.Pings));
        }
    }
}

// The one real echo of the tests, to this machine only.
TEST(SendPing, TheLoopbackAddressAnswers)
{
    TIcmpClient pinger;
    int32_t ping_res = 0;
    const bool answered = Send_Ping(pinger, QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1"), ping_res, [] {});
    if (!answered && ping_res == prNone)
        GTEST_SKIP() << "this system allows no echo request";
    EXPECT_TRUE(answered);
}
