#include "platform/os/Process.h"

#include "platform/os/Clock.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

// The status of a finished child, or false while it still runs. A child
// already reaped elsewhere (SIGCHLD ignored) counts as ended.
bool Reaped(pid_t pid, int& exitCode)
{
    int status = 0;
    pid_t result = 0;
    do {
        result = waitpid(pid, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == 0)
        return false;
    exitCode = (result > 0 && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
    return true;
}

void ReapInBackground(pid_t pid)
{
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    }).detach();
}

} // namespace

TProgramRun StartProgramAndWait(const String& path, uint32_t limitMs, uint32_t pollMs)
{
    TProgramRun run;
    const QByteArray file = path.toLocal8Bit();
    if (file.isEmpty()) {
        run.Error = QString::fromLocal8Bit(std::strerror(ENOENT));
        return run;
    }
    char* const arguments[] = { const_cast<char*>(file.constData()), nullptr };
    // The program starts with every signal unblocked and handled by default,
    // whatever this process has set for itself.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signalSet;
    sigemptyset(&signalSet);
    posix_spawnattr_setsigmask(&attributes, &signalSet);
    sigfillset(&signalSet);
    posix_spawnattr_setsigdefault(&attributes, &signalSet);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int failure = posix_spawn(&pid, file.constData(), nullptr, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    if (failure != 0) {
        run.Error = QString::fromLocal8Bit(std::strerror(failure));
        return run;
    }
    run.ProcessId = pid;

    const uint32_t start = GetTickCount();
    for (;;) {
        if (Reaped(pid, run.ExitCode)) {
            run.Outcome = TProgramOutcome::Ended;
            return run;
        }
        if (GetTickCount() - start >= limitMs) {
            ReapInBackground(pid);
            run.Outcome = TProgramOutcome::StillRunning;
            return run;
        }
        Sleep(pollMs);
    }
}
