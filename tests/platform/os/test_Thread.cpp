#include "platform/os/Clock.h"
#include "platform/os/Thread.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Runs `body` as the thread's work; the body gets the thread to call its
// protected members.
class TLambdaThread : public TThread {
public:
    using TBody = std::function<void(TLambdaThread&)>;
    TLambdaThread(bool createSuspended, TBody body) : TThread(true), FBody(std::move(body))
    {
        if (!createSuspended)
            Resume();
    }
    ~TLambdaThread() override
    {
        Terminate();
        WaitFor();
    }
    void Sync(const std::function<void()>& method) { Synchronize(method); }
    void Return(int32_t value) { SetReturnValue(value); }

protected:
    void Execute() override { FBody(*this); }

private:
    TBody FBody;
};

// Serves the event loop until `done` holds; false when it never does.
bool ProcessEventsUntil(const std::function<bool()>& done)
{
    for (int attempt = 0; attempt < 5000; ++attempt) {
        if (done())
            return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        TSteadyClock().Sleep(1);
    }
    return done();
}

void ProcessEventsFor(int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        TSteadyClock().Sleep(1);
    }
}

} // namespace

TEST(TThread, SynchronizeRunsOnTheMainThreadThroughWaitForAndThroughTheEventLoop)
{
    const struct {
        const char* name;
        bool serveByEventLoop;
    } cases[] = { { "WaitFor serves the call", false }, { "the event loop serves the call", true } };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        std::atomic<bool> ranOnMain { false };
        std::atomic<bool> workerWasMain { true };
        TLambdaThread thread(false, [&](TLambdaThread& self) {
            workerWasMain = IsMainThread();
            self.Sync([&] { ranOnMain = IsMainThread(); });
            self.Return(42);
        });
        if (testCase.serveByEventLoop) {
            ASSERT_TRUE(ProcessEventsUntil([&] { return thread.Finished(); }));
        }
        EXPECT_EQ(thread.WaitFor(), 42);
        EXPECT_TRUE(ranOnMain);
        EXPECT_FALSE(workerWasMain);
    }
}

TEST(TThread, AnExceptionOfTheSynchronisedCallReachesTheWorkerAndOneEscapingExecuteIsKept)
{
    std::atomic<bool> caught { false };
    TLambdaThread thread(false, [&](TLambdaThread& self) {
        try {
            self.Sync([] { throw Exception("tick failed"); });
        } catch (const Exception& error) {
            caught = error.Message() == "tick failed";
        }
        throw Exception("worker failed");
    });
    thread.WaitFor();
    EXPECT_TRUE(caught);
    ASSERT_TRUE(thread.FatalException());
    EXPECT_THROW(std::rethrow_exception(thread.FatalException()), Exception);
}

TEST(TThread, SuspendFromTheSynchronisedCallParksTheWorkerUntilResumed)
{
    int steps = 0; // touched only on the main thread
    std::unique_ptr<TLambdaThread> thread;
    thread = std::make_unique<TLambdaThread>(true, [&](TLambdaThread& self) {
        while (!self.Terminated())
            self.Sync([&] {
                if (++steps % 3 == 0)
                    thread->Suspend();
            });
    });
    EXPECT_TRUE(thread->Suspended());
    EXPECT_EQ(steps, 0);

    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        thread->Resume();
        EXPECT_FALSE(thread->Suspended());
        ASSERT_TRUE(ProcessEventsUntil([&] { return thread->Suspended(); }));
        ProcessEventsFor(30); // give a parked worker every chance to go on
        EXPECT_EQ(steps, 3 * round);
    }
    thread->Resume();
    thread->Terminate();
    thread->WaitFor();
    EXPECT_TRUE(thread->Finished());
}

TEST(TThread, SuspendOnTheWorkerItselfParksAtOnceAndTerminateWakesIt)
{
    std::atomic<int> phase { 0 };
    TLambdaThread thread(false, [&](TLambdaThread& self) {
        phase = 1;
        self.Suspend();
        phase = 2;
    });
    ASSERT_TRUE(ProcessEventsUntil([&] { return phase == 1 && thread.Suspended(); }));
    EXPECT_EQ(phase, 1);
    thread.Terminate();
    thread.WaitFor();
    EXPECT_EQ(phase, 2);
}

TEST(TThread, TerminateAndWaitForWhileTheWorkerSynchronisesDoesNotDeadlock)
{
    std::atomic<int> calls { 0 };
    TLambdaThread thread(false, [&](TLambdaThread& self) {
        while (!self.Terminated())
            self.Sync([&] { ++calls; });
    });
    // The worker is blocked in a synchronised call that only this thread can serve.
    while (calls == 0)
        CheckSynchronize();
    thread.Terminate();
    thread.WaitFor();
    EXPECT_TRUE(thread.Finished());
}

TEST(TThread, ANeverStartedThreadEndsWithoutRunningAndWaitForReturnsAtOnce)
{
    bool ran = false;
    TLambdaThread thread(true, [&](TLambdaThread&) { ran = true; });
    thread.Terminate();
    EXPECT_EQ(thread.WaitFor(), 0);
    EXPECT_FALSE(ran);
}

TEST(TThread, AThreadThatFreesItselfIsDestroyedWhenExecuteEnds)
{
    class TSelfFreeing : public TThread {
    public:
        explicit TSelfFreeing(std::atomic<bool>& destroyed) : TThread(true), FDestroyed(destroyed) { }
        ~TSelfFreeing() override { FDestroyed = true; }

    protected:
        void Execute() override { Synchronize([] { }); }

    private:
        std::atomic<bool>& FDestroyed;
    };
    std::atomic<bool> destroyed { false };
    auto* thread = new TSelfFreeing(destroyed); // frees itself once started
    thread->SetFreeOnTerminate(true);
    thread->Start();
    EXPECT_TRUE(ProcessEventsUntil([&] { return destroyed.load(); }));
}
