#include "framework/win32/HandOver.h"
#include "framework/win32/Seams.h"

#include "HandOverSupportTest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace tav;
using tav::test::PumpUntil;

namespace {

class HandOverTest : public test::HandOverFixture {};

// Counts live copies, so a callable that is dropped without being freed shows up.
struct Counted {
    static inline std::atomic<int> alive{0};
    Counted() { ++alive; }
    Counted(const Counted&) { ++alive; }
    ~Counted() { --alive; }
};

DWORD MillisecondsSince(DWORD start) {
    return GetTickCount() - start;
}

} // namespace

TEST_F(HandOverTest, SynchronousCallRunsOnTheMainThreadWhileTheWorkerWaits) {
    const DWORD mainId = GetCurrentThreadId();
    std::atomic<DWORD> ranOn{0}, workerId{0};
    std::atomic<bool> finished{false}, result{false};
    std::thread worker([&] {
        workerId = GetCurrentThreadId();
        result = THandOver::Synchronize([&] { ranOn = GetCurrentThreadId(); });
        // The callable has completed before Synchronize returns.
        EXPECT_EQ(ranOn.load(), mainId);
        finished = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return finished.load(); }));
    worker.join();
    EXPECT_TRUE(result);
    EXPECT_EQ(ranOn.load(), mainId);
    EXPECT_NE(workerId.load(), mainId);
}

TEST_F(HandOverTest, SynchronousCallOnTheMainThreadRunsAtOnce) {
    bool ran = false;
    EXPECT_TRUE(THandOver::Synchronize([&] { ran = true; }, 0));
    EXPECT_TRUE(ran);
}

TEST_F(HandOverTest, BoundedWaitGivesUpAndTheCallNeverRunsLater) {
    std::atomic<bool> ran{false}, result{true};
    const DWORD start = GetTickCount();
    std::thread worker([&] { result = THandOver::Synchronize([&] { ran = true; }, 100); });
    worker.join(); // the main thread does not pump meanwhile
    const DWORD waited = MillisecondsSince(start);
    EXPECT_FALSE(result);
    EXPECT_GE(waited, 80u);
    EXPECT_LT(waited, 3000u);
    THandOver::ProcessPending();
    PumpUntil([] { return false; }, 50);
    EXPECT_FALSE(ran);
}

TEST_F(HandOverTest, CancelEndsTheWaitPromptly) {
    HANDLE cancel = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> ran{false}, result{true};
    std::thread worker(
        [&] { result = THandOver::Synchronize([&] { ran = true; }, INFINITE, cancel); });
    Sleep(50);
    const DWORD start = GetTickCount();
    SetEvent(cancel);
    worker.join();
    EXPECT_LT(MillisecondsSince(start), 2000u);
    EXPECT_FALSE(result);
    THandOver::ProcessPending();
    EXPECT_FALSE(ran);
    CloseHandle(cancel);
}

TEST_F(HandOverTest, ExceptionsGoToTheHandlerAndNeverReachTheWorker) {
    std::atomic<bool> finished{false}, result{false}, workerSawException{false};
    std::thread worker([&] {
        try {
            result = THandOver::Synchronize([] { throw std::runtime_error("Port vanished"); });
            THandOver::Queue([] { throw 42; });
        } catch (...) {
            workerSawException = true;
        }
        finished = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return finished.load() && reported.size() == 2; }));
    worker.join();
    EXPECT_TRUE(result); // it ran, even though it failed
    EXPECT_FALSE(workerSawException);
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0], "Port vanished");
    EXPECT_EQ(reported[1], "Unknown exception");
}

TEST_F(HandOverTest, QueuedCallOwnsItsCopyOfTheData) {
    std::string delivered;
    std::thread worker([&] {
        std::string text = "first";
        THandOver::Queue([text, &delivered] { delivered = text; });
        text = "changed after posting";
    });
    worker.join();
    EXPECT_TRUE(delivered.empty()); // nothing runs until the main thread pumps
    EXPECT_TRUE(PumpUntil([&] { return !delivered.empty(); }));
    EXPECT_EQ(delivered, "first");
}

TEST_F(HandOverTest, CallsRunInTheOrderTheyWereHandedOver) {
    std::vector<int> seen;
    size_t seenWhenSynchronized = 0;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i)
            THandOver::Queue([i, &seen] { seen.push_back(i); });
        THandOver::Synchronize([&] { seenWhenSynchronized = seen.size(); });
        finished = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return finished.load(); }));
    worker.join();
    ASSERT_EQ(seen.size(), 200u);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(seen[static_cast<size_t>(i)], i);
    EXPECT_EQ(seenWhenSynchronized, 200u);
}

TEST_F(HandOverTest, DestructionFreesQueuedCallsWithoutRunningThem) {
    std::atomic<int> ran{0};
    {
        Counted data;
        std::thread worker([&] {
            for (int i = 0; i < 5; ++i)
                EXPECT_TRUE(THandOver::Queue([data, &ran] { ++ran; }));
        });
        worker.join();
    }
    EXPECT_EQ(Counted::alive.load(), 5); // the five copies wait in the queue
    handOver.reset();
    EXPECT_EQ(Counted::alive.load(), 0);
    EXPECT_EQ(ran.load(), 0);
    PumpUntil([] { return false; }, 50); // the wake-up messages find nothing
    EXPECT_EQ(ran.load(), 0);
}

TEST_F(HandOverTest, DestructionReleasesAWaitingWorker) {
    HANDLE aboutToWait = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> ran{false}, result{true};
    std::thread worker([&] {
        SetEvent(aboutToWait);
        result = THandOver::Synchronize([&] { ran = true; });
    });
    WaitForSingleObject(aboutToWait, 5000);
    Sleep(100);
    handOver.reset();
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(ran);
    CloseHandle(aboutToWait);
}

TEST_F(HandOverTest, WithoutAnInstanceNothingIsHandedOver) {
    handOver.reset();
    std::atomic<bool> synchronized{true}, queued{true};
    std::thread worker([&] {
        synchronized = THandOver::Synchronize([] {});
        queued = THandOver::Queue([] {});
    });
    worker.join();
    EXPECT_FALSE(synchronized);
    EXPECT_FALSE(queued);
    EXPECT_FALSE(THandOver::IsMainThread());
}

TEST_F(HandOverTest, OnlyOneInstanceAtATime) {
    EXPECT_THROW(THandOver second, std::logic_error);
    EXPECT_TRUE(THandOver::IsMainThread()); // the first one is untouched
}

TEST_F(HandOverTest, AModalLoopServesTheHandOver) {
    std::atomic<bool> ran{false}, finished{false};
    std::thread worker([&] {
        THandOver::Synchronize([&] { ran = true; });
        finished = true;
    });
    // The default prompt runs its own modal loop, which is the only loop running here.
    test::TDialogDriver driver([&](HWND dialog) {
        if (!finished)
            return false;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    std::string value;
    InputQuerySeam().Default()("Caption", "Prompt", value);
    worker.join();
    EXPECT_TRUE(driver.Acted());
    EXPECT_TRUE(ran);
}

TEST(ExceptionHandler, DefaultShowsAnErrorMessageBox) {
    std::string shownText;
    UINT shownFlags = 0;
    TSeamScope box(MessageBoxSeam(), [&](const std::string& text, const std::string&, UINT flags) {
        shownText = text;
        shownFlags = flags;
        return IDOK;
    });
    ExceptionHandler previous = SetExceptionHandler({});
    CallGuarded([] { throw std::runtime_error("Cannot open file"); });
    SetExceptionHandler(previous);
    EXPECT_EQ(shownText, "Cannot open file");
    EXPECT_EQ(shownFlags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

TEST(ExceptionHandler, AFailingHandlerIsContained) {
    ExceptionHandler previous =
        SetExceptionHandler([](const std::string&) { throw std::runtime_error("again"); });
    EXPECT_NO_THROW(CallGuarded([] { throw std::runtime_error("first"); }));
    SetExceptionHandler(previous);
}
