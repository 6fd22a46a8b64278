#pragma once

#include "platform/core/Exception.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

// A worker thread whose work is the overridden Execute.
//
// Suspending cannot stop a thread from outside on this platform, so it is a
// park request: a thread suspends itself at once, and a thread asked to
// suspend by another parks at its next synchronised call (before running it,
// or right after it returns when the request came from inside the call).
// Suspended() reports the request at once. Resume and Terminate wake a
// parked thread; a thread created suspended starts on its first Resume.
//
// Owners stop a running thread (Terminate, WaitFor) in their own destructor,
// before its Execute loses the fields it uses; the base destructor does the
// same only as a last resort.
class TThread {
public:
    explicit TThread(bool createSuspended);
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start() { Resume(); }
    void Resume();
    void Suspend();
    bool Suspended() const { return FSuspended.load(); }

    void Terminate();
    bool Terminated() const { return FTerminated.load(); }
    bool Finished() const { return FFinished.load(); }

    // Waits for Execute to return and gives the return value. On the user-
    // interface thread it goes on serving synchronised calls meanwhile, so a
    // worker that is synchronising cannot deadlock it. A thread that never
    // started returns at once.
    int32_t WaitFor();

    bool FreeOnTerminate() const { return FFreeOnTerminate.load(); }
    void SetFreeOnTerminate(bool value) { FFreeOnTerminate.store(value); }
    int32_t ReturnValue() const { return FReturnValue.load(); }
    // What escaped Execute, kept instead of ending the process.
    std::exception_ptr FatalException() const { return FFatalException; }

protected:
    virtual void Execute() = 0;
    void SetReturnValue(int32_t value) { FReturnValue.store(value); }

    // Runs `method` on the user-interface thread and waits for it; an
    // exception it raises is raised again here.
    void Synchronize(const std::function<void()>& method);

private:
    void Run();
    void ParkWhileSuspended();

    std::thread FHandle;
    std::mutex FJoinMutex;
    std::mutex FParkMutex;
    std::condition_variable FParkWake;
    std::atomic<bool> FStarted { false };
    std::atomic<bool> FSuspended;
    std::atomic<bool> FTerminated { false };
    std::atomic<bool> FFinished { false };
    std::atomic<bool> FFreeOnTerminate { false };
    std::atomic<int32_t> FReturnValue { 0 };
    std::exception_ptr FFatalException;
};

// Runs the synchronised calls waiting for the user-interface thread; the
// event loop does this by itself, a blocking wait on that thread calls it.
void CheckSynchronize();
bool IsMainThread();
