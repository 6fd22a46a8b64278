#include "platform/os/Thread.h"

#include <QCoreApplication>
#include <QThread>

#include <deque>

namespace {

struct TSyncCall {
    const std::function<void()>* Method = nullptr;
    std::exception_ptr Error;
    bool Done = false;
};

// One lock and one signal for the queue of synchronised calls and for the
// end of every thread, so a wait on the user-interface thread wakes for both.
std::mutex SyncMutex;
std::condition_variable SyncChanged;
std::deque<TSyncCall*> SyncQueue;

void PostSynchronizeEvent()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, [] { CheckSynchronize(); }, Qt::QueuedConnection);
}

} // namespace

bool IsMainThread()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr && QThread::currentThread() == application->thread();
}

void CheckSynchronize()
{
    for (;;) {
        TSyncCall* call = nullptr;
        {
            const std::lock_guard lock(SyncMutex);
            if (SyncQueue.empty())
                return;
            call = SyncQueue.front();
            SyncQueue.pop_front();
        }
        std::exception_ptr error;
        try {
            (*call->Method)();
        } catch (...) {
            error = std::current_exception();
        }
        const std::lock_guard lock(SyncMutex);
        call->Error = error;
        call->Done = true;
        SyncChanged.notify_all();
    }
}

TThread::TThread(bool createSuspended) : FSuspended(true)
{
    if (!createSuspended)
        Resume();
}

TThread::~TThread()
{
    if (!FHandle.joinable())
        return;
    Terminate();
    try {
        WaitFor();
    } catch (...) {
        // Nothing sound is left to do with a failure while being destroyed.
    }
}

void TThread::Resume()
{
    const std::lock_guard lock(FParkMutex);
    FSuspended.store(false);
    if (!FStarted.exchange(true))
        FHandle = std::thread(&TThread::Run, this);
    FParkWake.notify_all();
}

void TThread::Suspend()
{
    FSuspended.store(true);
    if (FStarted.load() && std::this_thread::get_id() == FHandle.get_id())
        ParkWhileSuspended();
}

void TThread::Terminate()
{
    FTerminated.store(true);
    const std::lock_guard lock(FParkMutex);
    FParkWake.notify_all();
}

void TThread::ParkWhileSuspended()
{
    std::unique_lock lock(FParkMutex);
    FParkWake.wait(lock, [this] { return !FSuspended.load() || FTerminated.load(); });
}

int32_t TThread::WaitFor()
{
    if (!FStarted.load())
        return ReturnValue();
    if (std::this_thread::get_id() == FHandle.get_id())
        throw Exception("A thread cannot wait for itself to end.");
    if (FreeOnTerminate())
        throw Exception("A thread that frees itself cannot be waited for.");

    if (IsMainThread()) {
        for (;;) {
            {
                std::unique_lock lock(SyncMutex);
                SyncChanged.wait(lock, [this] { return FFinished.load() || !SyncQueue.empty(); });
                if (FFinished.load())
                    break;
            }
            CheckSynchronize();
        }
    } else {
        std::unique_lock lock(SyncMutex);
        SyncChanged.wait(lock, [this] { return FFinished.load(); });
    }

    const std::lock_guard lock(FJoinMutex);
    if (FHandle.joinable())
        FHandle.join();
    return ReturnValue();
}

void TThread::Synchronize(const std::function<void()>& method)
{
    if (IsMainThread()) {
        method();
        return;
    }
    ParkWhileSuspended();
    TSyncCall call;
    call.Method = &method;
    {
        std::unique_lock lock(SyncMutex);
        SyncQueue.push_back(&call);
        SyncChanged.notify_all();
        PostSynchronizeEvent();
        SyncChanged.wait(lock, [&call] { return call.Done; });
    }
    ParkWhileSuspended();
    if (call.Error)
        std::rethrow_exception(call.Error);
}

void TThread::Run()
{
    {
        // Resume holds this lock until FHandle is assigned.
        const std::lock_guard lock(FParkMutex);
    }
    try {
        Execute();
    } catch (...) {
        FFatalException = std::current_exception();
    }
    if (FreeOnTerminate()) {
        FHandle.detach();
        delete this; // the thread owns itself once it frees itself on ending
        return;
    }
    const std::lock_guard lock(SyncMutex);
    FFinished.store(true);
    SyncChanged.notify_all();
}
