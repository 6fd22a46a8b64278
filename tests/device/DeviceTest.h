#pragma once

#include "FakePinger.h"
#include "device/UBoot.h"
#include "device/UParGen.h"
#include "tests/support/OpenProjectTest.h"

#include <filesystem>

// The main window with the device dialogs, in a program folder of the test's
// own with a project open.
class DeviceTest : public OpenProjectTest {
protected:
    // A pinger for the update dialog answering with the byte counts given.
    TFake_Pinger& Fake_Pinger(std::vector<int32_t> replies)
    {
        auto pinger = std::make_unique<TFake_Pinger>(FPingClock, std::move(replies));
        TFake_Pinger& fake = *pinger;
        FBoot->Set_Pinger(std::move(pinger));
        return fake;
    }
    // A stand-in for the updater beside the program: a shell script.
    void Write_Updater(const std::string& body)
    {
        FExe.Write("Ethernet_Update", "#!/bin/sh\ncd \"$(dirname \"$0\")\" || exit 1\n" + body + "\n");
        std::filesystem::permissions(FExe.Native("Ethernet_Update"), std::filesystem::perms::owner_all);
    }
    void Set_Octets(const char* a, const char* b, const char* c, const char* d)
    {
        const char* octets[] = { a, b, c, d };
        for (int32_t octet = 0; octet < 4; ++octet)
            FBoot->E_IP[octet]->SetText(String::fromLatin1(octets[octet]));
    }

    TFakeClock FPingClock;
};
