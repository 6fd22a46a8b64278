#pragma once

#include "platform/core/Exception.h"

#include <cstdint>

enum class TProgramOutcome { NotStarted, Ended, StillRunning };

struct TProgramRun {
    TProgramOutcome Outcome = TProgramOutcome::NotStarted;
    int ProcessId = 0;
    int ExitCode = -1; // only when Ended; -1 when a signal ended it
    String Error;      // only when NotStarted: the system's reason
};

// Starts the program at `path` without arguments, in the current folder and
// environment, and blocks the calling thread until it ends or `limitMs` of
// the injectable clock have passed, looking every `pollMs`. A program that
// cannot be started returns at once, saying why. One still running at the limit is left
// running; it is reaped in the background when it ends, so no zombie stays.
TProgramRun StartProgramAndWait(const String& path, uint32_t limitMs = 150000, uint32_t pollMs = 10);
