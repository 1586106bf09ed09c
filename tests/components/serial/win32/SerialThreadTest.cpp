#include "components/serial/win32/SerialThread.h"
#include "components/serial/win32/SerialPortSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <thread>

using namespace tav;
using Strings = std::vector<std::string>;

namespace {

class SerialThreadTest : public test::SerialPortFixture {
protected:
    bool Logged(const std::string& entry) {
        const Strings log = Fake().Log();
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
    bool PumpUntilLogged(const std::string& entry) {
        return test::PumpUntil([&] { return Logged(entry); }, 3000);
    }
};

} // namespace

TEST_F(SerialThreadTest, ABatchRaisesItsEventsInOneOrderWhateverTheDelivery) {
    for (TSyncMethod method :
         {TSyncMethod::smThreadSync, TSyncMethod::smWindowSync, TSyncMethod::smNone}) {
        auto port = MakePort(kAllSerialEvents);
        port->SetSyncMethod(method);
        Fake().ModemStatus = MS_DSR_ON;
        port->Open();
        Fake().ModemStatus = MS_DSR_ON | MS_RLSD_ON;
        Fake().RaiseEvents(EV_RLSD | EV_DSR | EV_RING | EV_RXCHAR | EV_ERR, "ab", CE_FRAME);
        ASSERT_TRUE(PumpUntilLogged("RLSD 1")) << static_cast<int>(method);
        EXPECT_EQ(LogFrom("Error 1"), (Strings{"Error 1", "RxChar ab", "Ring", "DSR 1", "RLSD 1"}))
            << static_cast<int>(method);
        port->Close();
    }
    EXPECT_TRUE(reported.empty());
}

TEST_F(SerialThreadTest, AFailingHandlerIsReportedAndTheThreadGoesOn) {
    auto port = MakePort({TSerialEvent::evRxChar, TSerialEvent::evRing});
    auto logBytes = port->OnRxChar;
    port->OnRxChar = [](TObject*, std::int32_t) { throw std::runtime_error("bad code"); };
    port->Open();
    Fake().RaiseEvents(EV_RXCHAR | EV_RING, "a");
    ASSERT_TRUE(PumpUntilLogged("Ring")) << "the rest of the batch";
    EXPECT_EQ(reported, Strings{"bad code"});
    port->OnRxChar = logBytes;
    Fake().Receive("b");
    EXPECT_TRUE(PumpUntilLogged("RxChar ab"));
}

TEST_F(SerialThreadTest, ADeviceThatIgnoresTheCancelDoesNotHangTheClose) {
    Script = [](test::TFakeSerialDevice& fake) { fake.IgnoresCancel = true; };
    auto port = MakePort({TSerialEvent::evRxChar});
    port->Open();
    ASSERT_TRUE(test::PumpUntil([&] { return Fake().WaitCalls() > 0; }, 3000));
    const DWORD start = GetTickCount();
    port->Close();
    EXPECT_LT(GetTickCount() - start, kSerialCancelWaitMs + 1000);
    EXPECT_FALSE(port->Connected());
}

TEST_F(SerialThreadTest, AWaitThatKeepsFailingCostsNoCpu) {
    Script = [](test::TFakeSerialDevice& fake) { fake.WaitError = ERROR_ACCESS_DENIED; };
    auto port = MakePort({TSerialEvent::evRxChar});
    port->Open();
    Sleep(500);
    const int waits = Fake().WaitCalls();
    EXPECT_GE(waits, 2) << "it retries";
    EXPECT_LE(waits, 500 / static_cast<int>(kSerialRetryPauseMs) + 2);
    const DWORD start = GetTickCount();
    port->Close();
    EXPECT_LT(GetTickCount() - start, 300u) << "the pause ends with the stop";

    // A device without the wait whose reads end at once with nothing is read at a pace.
    Script = [](test::TFakeSerialDevice& fake) { fake.WaitError = ERROR_NOT_SUPPORTED; };
    port = MakePort({TSerialEvent::evRxChar});
    port->Open();
    Sleep(200);
    EXPECT_LE(Fake().ReadCalls(), 200 / static_cast<int>(kSerialIdlePauseMs) + 10);
    port->Close();

    // Nor is one read that nobody would hear.
    port = MakePort({TSerialEvent::evRLSD});
    port->Open();
    Sleep(50);
    EXPECT_EQ(Fake().ReadCalls(), 0);
}

TEST_F(SerialThreadTest, ADeviceWithoutTheEventWaitDeliversItsBytesInOrder) {
    // Refused at once, or ended by the driver as soon as it starts.
    for (bool refused : {true, false}) {
        Script = [refused](test::TFakeSerialDevice& fake) {
            (refused ? fake.WaitError : fake.WaitEndError) =
                refused ? ERROR_NOT_SUPPORTED : ERROR_OPERATION_ABORTED;
            fake.ReadsWait = true;
        };
        auto port = MakePort({TSerialEvent::evRxChar, TSerialEvent::evRLSD});
        port->Open();
        Fake().Receive("abc");
        ASSERT_TRUE(PumpUntilLogged("RxChar abc")) << refused;
        Fake().Receive("de");
        ASSERT_TRUE(PumpUntilLogged("RxChar de")) << refused;
        EXPECT_EQ(port->InputCount(), 0);
        port->Close(); // ends the read that waits for more
        EXPECT_FALSE(port->Connected());
    }

    // Bytes nobody reads stay in the device once a queue's worth waits.
    auto port = MakePort({TSerialEvent::evRxChar});
    port->OnRxChar = nullptr;
    port->Open();
    Fake().Receive(std::string(5000, 'z'));
    test::PumpUntil([] { return false; }, 100);
    EXPECT_EQ(port->InputCount(), 1024);
}

TEST_F(SerialThreadTest, ClosingDuringABurstRunsThePendingBatchInsideCloseAndNoneAfter) {
    auto port = MakePort({TSerialEvent::evRxChar});
    port->Open();
    std::atomic<bool> feeding{true};
    test::TFakeSerialDevice& fake = Fake();
    std::thread feeder([&] {
        while (feeding) {
            fake.Receive("x");
            Sleep(1);
        }
    });
    Sleep(50); // nothing served meanwhile: a batch waits for the main thread
    EXPECT_EQ(LogFrom("RxChar x").size(), 0u);
    port->Close();
    feeding = false;
    feeder.join();
    test::PumpUntil([] { return false; }, 100);

    const Strings log = LogFrom("BeforeClose connected");
    const auto afterClose = std::find(log.begin(), log.end(), "AfterClose closed");
    ASSERT_NE(afterClose, log.end());
    const auto delivered = std::find_if(
        log.begin(), afterClose, [](const std::string& e) { return e.rfind("RxChar x", 0) == 0; });
    EXPECT_NE(delivered, afterClose) << "the pending batch runs inside Close";
    EXPECT_EQ(std::count_if(afterClose, log.end(),
                            [](const std::string& e) { return e.rfind("RxChar", 0) == 0; }),
              0);
}

TEST_F(SerialThreadTest, AHandlerMayCloseItsOwnPort) {
    auto port = MakePort({TSerialEvent::evRxChar, TSerialEvent::evRing});
    TSerialPort* p = port.get();
    port->OnRxChar = [p](TObject*, std::int32_t) { p->Close(); };
    port->Open();
    Fake().RaiseEvents(EV_RXCHAR | EV_RING, "a");
    EXPECT_TRUE(PumpUntilLogged("AfterClose closed"));
    EXPECT_FALSE(port->Connected());
    EXPECT_FALSE(Logged("Ring")) << "the rest of the batch went with the port";
}

TEST_F(SerialThreadTest, ACloseInsideCloseLeavesThePortToTheOuterOne) {
    auto port = MakePort({TSerialEvent::evRxChar});
    TSerialPort* p = port.get();
    port->OnBeforeClose = [p](TObject*) { p->Close(); };
    port->Open();
    port->Close();

    // A batch the close serves while it waits for the thread, whose handler closes the port.
    port->OnBeforeClose = nullptr;
    port->OnRxChar = [p, &fake = Fake()](TObject*, std::int32_t) {
        fake.Note("RxChar");
        p->Close();
    };
    port->Open();
    Fake().Receive("a");
    // Handed over: the thread's message waits in this thread's queue.
    for (int ms = 0; ms < 3000 && (HIWORD(GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE) == 0;
         ++ms)
        Sleep(1);
    port->Close();
    EXPECT_FALSE(port->Connected());
    const Strings log = Fake().Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "RxChar"), 1) << "served inside the close";
    EXPECT_EQ(std::count(log.begin(), log.end(), "PurgeComm 3"), 2) << "one for each close";
    EXPECT_EQ(std::count(log.begin(), log.end(), "Close"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "AfterClose closed"), 2);
}
