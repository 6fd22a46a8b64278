#include "platform/os/Clock.h"
#include "platform/os/Process.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

namespace {

String WriteScript(const QTemporaryDir& folder, const String& name, const QByteArray& body,
                   QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
{
    const String path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(permissions);
    return path;
}

bool ProcessGone(int pid)
{
    return kill(pid, 0) != 0 && errno == ESRCH;
}

// Reaping in the background takes as long as the program runs; wait for it
// without a fixed sleep.
bool WaitUntilGone(int pid)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (ProcessGone(pid))
            return true;
        TSteadyClock().Sleep(10);
    }
    return false;
}

} // namespace

TEST(StartProgramAndWait, ReturnsTheCompletionOfAProgramThatEndsAndLeavesNoZombie)
{
    QTemporaryDir folder;
    const String marker = folder.filePath("ran");
    const String script = WriteScript(folder, "Ethernet_Update", "touch '" + marker.toLocal8Bit() + "'\nexit 3");

    const TProgramRun run = StartProgramAndWait(script, 10000, 1);

    EXPECT_EQ(run.Outcome, TProgramOutcome::Ended);
    EXPECT_EQ(run.ExitCode, 3);
    EXPECT_TRUE(QFile::exists(marker));
    EXPECT_TRUE(ProcessGone(run.ProcessId));
}

TEST(StartProgramAndWait, ReturnsAtTheLimitLeavesTheProgramRunningAndReapsItLater)
{
    QTemporaryDir folder;
    const String marker = folder.filePath("finished");
    const String script = WriteScript(folder, "slow", "sleep 1\ntouch '" + marker.toLocal8Bit() + "'");
    TFakeClock fake;
    const TClockScope scope(fake);

    const TProgramRun run = StartProgramAndWait(script);

    EXPECT_EQ(run.Outcome, TProgramOutcome::StillRunning);
    EXPECT_GE(fake.TickCount(), 150000u);
    EXPECT_FALSE(QFile::exists(marker));
    ASSERT_TRUE(WaitUntilGone(run.ProcessId));
    EXPECT_TRUE(QFile::exists(marker));
}

TEST(StartProgramAndWait, ReturnsAtOnceWhenTheProgramCannotStart)
{
    QTemporaryDir folder;
    const struct {
        const char* name;
        String path;
    } cases[] = {
        { "missing file", folder.filePath("Ethernet_Update") },
        { "not executable", WriteScript(folder, "plain", "exit 0", QFileDevice::ReadOwner | QFileDevice::WriteOwner) },
        { "a folder", folder.path() },
        { "empty path", String() },
    };
    TFakeClock fake;
    const TClockScope scope(fake);
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        const TProgramRun run = StartProgramAndWait(testCase.path);
        EXPECT_EQ(run.Outcome, TProgramOutcome::NotStarted);
        EXPECT_EQ(fake.TickCount(), 0u);
    }
}
