#include "framework/win32/Thread.h"

#include "framework/win32/HandOver.h"

#include "HandOverSupportTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tav;

namespace {

// A thread whose body is given by the test; it stops its body before its members go.
class TBodyThread : public TThread {
public:
    explicit TBodyThread(std::function<void(TBodyThread&)> body) : body_(std::move(body)) {}
    ~TBodyThread() override { TerminateAndWait(); }

    using TThread::Queue;
    using TThread::Synchronize;

protected:
    void Execute() override { body_(*this); }

private:
    std::function<void(TBodyThread&)> body_;
};

// Waits on the terminate event only: the thread ends as soon as it is told to.
void WaitForTerminate(TBodyThread& t) {
    while (!t.Terminated())
        WaitForSingleObject(t.TerminateEvent(), INFINITE);
}

class ThreadTest : public test::HandOverFixture {};

} // namespace

TEST_F(ThreadTest, TerminateStopsTheLoopAndWaitForJoins) {
    std::atomic<bool> ended{false};
    TBodyThread t([&](TBodyThread& self) {
        WaitForTerminate(self);
        ended = true;
    });
    t.Start();
    EXPECT_FALSE(t.Finished());
    t.Terminate();
    t.WaitFor();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(t.Finished());
    EXPECT_TRUE(t.Terminated());
    EXPECT_FALSE(t.FatalException().has_value());
}

TEST_F(ThreadTest, DestructorStopsAndJoinsARunningThread) {
    std::atomic<bool> ended{false};
    auto t = std::make_unique<TBodyThread>([&](TBodyThread& self) {
        WaitForTerminate(self);
        Sleep(50); // still busy when the owner lets go
        ended = true;
    });
    t->Start();
    t.reset();
    EXPECT_TRUE(ended);
}

TEST_F(ThreadTest, AnEscapingExceptionIsKeptAndGoesNoFurther) {
    TBodyThread t([](TBodyThread&) { throw std::runtime_error("Device gone"); });
    t.Start();
    t.WaitFor();
    ASSERT_TRUE(t.FatalException().has_value());
    EXPECT_EQ(*t.FatalException(), "Device gone");
    EXPECT_TRUE(reported.empty());

    TBodyThread other([](TBodyThread&) { throw 7; });
    other.Start();
    other.WaitFor();
    EXPECT_EQ(other.FatalException().value_or(""), "Unknown exception");
}

TEST_F(ThreadTest, PriorityChangesReachARunningThread) {
    std::atomic<int> later{0};
    HANDLE changed = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    TBodyThread t([&](TBodyThread&) {
        WaitForSingleObject(changed, 5000);
        later = GetThreadPriority(GetCurrentThread());
    });
    t.Start();
    t.SetPriority(TThreadPriority::tpLowest);
    SetEvent(changed);
    t.WaitFor();
    EXPECT_EQ(later.load(), THREAD_PRIORITY_LOWEST);
    EXPECT_EQ(t.Priority(), TThreadPriority::tpLowest);
    CloseHandle(changed);
}

TEST_F(ThreadTest, TimeCriticalPriorityReachesTheThread) {
    std::atomic<int> priority{0};
    TBodyThread t([&](TBodyThread&) { priority = GetThreadPriority(GetCurrentThread()); });
    t.SetPriority(TThreadPriority::tpTimeCritical);
    t.Start();
    t.WaitFor();
    EXPECT_EQ(priority.load(), THREAD_PRIORITY_TIME_CRITICAL);
}

TEST_F(ThreadTest, WaitForOnTheMainThreadServesEverySynchronizeOfTheThread) {
    const DWORD mainId = GetCurrentThreadId();
    std::atomic<int> ranOnMain{0}, succeeded{0};
    TBodyThread t([&](TBodyThread& self) {
        for (int i = 0; i < 50; ++i)
            if (self.Synchronize([&] { ranOnMain += GetCurrentThreadId() == mainId; }))
                ++succeeded;
    });
    t.Start();
    t.WaitFor(); // no message loop runs here
    EXPECT_EQ(succeeded.load(), 50);
    EXPECT_EQ(ranOnMain.load(), 50);
}

TEST_F(ThreadTest, TerminateCancelsASynchronizeTheMainThreadDoesNotServe) {
    HANDLE waiting = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> ran{false}, result{true};
    TBodyThread t([&](TBodyThread& self) {
        SetEvent(waiting);
        result = self.Synchronize([&] { ran = true; });
    });
    t.Start();
    WaitForSingleObject(waiting, 5000);
    Sleep(30);
    const DWORD start = GetTickCount();
    t.Terminate();
    EXPECT_EQ(WaitForSingleObject(t.Handle(), 2000), WAIT_OBJECT_0); // plain wait, no pumping
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_FALSE(result);
    THandOver::ProcessPending();
    EXPECT_FALSE(ran);
    CloseHandle(waiting);
}

TEST_F(ThreadTest, DestroyingAThreadThatKeepsHandingOverDoesNotHang) {
    std::atomic<int> delivered{0};
    auto t = std::make_unique<TBodyThread>([&](TBodyThread& self) {
        while (!self.Terminated()) {
            self.Synchronize([&] { ++delivered; });
            self.Queue([&] { ++delivered; });
        }
    });
    t->Start();
    Sleep(50);
    const DWORD start = GetTickCount();
    t.reset();
    EXPECT_LT(GetTickCount() - start, 3000u);
    THandOver::ProcessPending(); // queued leftovers still run safely
}

namespace {
class TSelfFreeing : public TThread {
public:
    explicit TSelfFreeing(HANDLE destroyed) : destroyed_(destroyed) { SetFreeOnTerminate(true); }
    ~TSelfFreeing() override {
        TerminateAndWait(); // what every derived destructor does; here on the thread itself
        SetEvent(destroyed_);
    }

protected:
    void Execute() override {}

private:
    HANDLE destroyed_;
};
} // namespace

TEST_F(ThreadTest, FreeOnTerminateDeletesTheObjectOnItsOwnThread) {
    HANDLE destroyed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    TSelfFreeing* t = new TSelfFreeing(destroyed);
    EXPECT_TRUE(t->FreeOnTerminate());
    t->Start();
    EXPECT_EQ(WaitForSingleObject(destroyed, 5000), WAIT_OBJECT_0);
    CloseHandle(destroyed);
}

TEST_F(ThreadTest, MisuseIsRefused) {
    TBodyThread self([](TBodyThread& me) { me.WaitFor(); });
    EXPECT_FALSE(self.FreeOnTerminate());
    self.Start();
    EXPECT_THROW(self.Start(), std::logic_error);
    self.WaitFor();
    EXPECT_TRUE(self.FatalException().has_value()); // waiting for itself threw inside

    TBodyThread neverStarted([](TBodyThread&) {});
    neverStarted.WaitFor(); // returns at once
    EXPECT_FALSE(neverStarted.Finished());
}
