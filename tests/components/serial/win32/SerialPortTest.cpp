#include "components/serial/win32/SerialPortSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tav;
using Strings = std::vector<std::string>;

namespace {

class SerialPortTest : public test::SerialPortFixture {};

template <class Fn> std::int32_t SerialCodeOf(Fn&& fn, std::int32_t* windowsError = nullptr) {
    try {
        fn();
    } catch (const ESerialPort& e) {
        if (windowsError != nullptr)
            *windowsError = e.WindowsError();
        return e.ErrorCode();
    }
    return 0;
}

} // namespace

TEST_F(SerialPortTest, OpenAndCloseRaiseTheirEventsAroundTheDevice) {
    auto port = MakePort({TSerialEvent::evRxChar, TSerialEvent::evRLSD});
    Fake().ModemStatus = MS_CTS_ON | MS_RLSD_ON;
    port->Open();
    port->Open(); // already open: nothing, not even OnBeforeOpen
    EXPECT_EQ(Fake().Log(), (Strings{"BeforeOpen", "Open \\\\.\\COM7", "SetupComm 1024 1024",
                                     "SetCommState 9600", "SetCommTimeouts", "SetCommMask 33",
                                     "AfterOpen", "CTS 1", "DSR 0", "RLSD 1"}));
    port->Close();
    port->Close();
    EXPECT_EQ(LogFrom("RLSD 1"),
              (Strings{"RLSD 1", "CTS 0", "DSR 0", "RLSD 0", "BeforeClose connected", "PurgeComm 3",
                       "CancelIo", "SetCommMask 0", "PurgeComm 12", "Close", "AfterClose closed"}));

    // No events: no thread, so no mask.
    port->Events = {};
    port->Open();
    port->Close();
    const Strings again = LogFrom("AfterClose closed");
    EXPECT_EQ(std::count(again.begin(), again.end(), "SetCommMask 0"), 0);
    EXPECT_EQ(std::count(again.begin(), again.end(), "Close"), 1);
}

TEST_F(SerialPortTest, OpeningLeavesTheLinesUnsaidWhenTheDeviceCannotTellThem) {
    auto port = MakePort({TSerialEvent::evRxChar});
    Fake().ModemStatusError = ERROR_NOT_SUPPORTED;
    EXPECT_NO_THROW(port->Open());
    EXPECT_TRUE(port->Connected());
    EXPECT_EQ(LogFrom("AfterOpen"), Strings{"AfterOpen"});
    std::int32_t windowsError = 0;
    EXPECT_EQ(SerialCodeOf([&] { port->ModemStatus(); }, &windowsError), 11);
    EXPECT_EQ(windowsError, ERROR_NOT_SUPPORTED);
}

TEST_F(SerialPortTest, FailuresLeaveTheDeviceClosed) {
    auto port = MakePort({TSerialEvent::evRxChar});
    std::int32_t windowsError = 0;

    Fake().OpenError = ERROR_FILE_NOT_FOUND;
    EXPECT_EQ(SerialCodeOf([&] { port->Open(); }, &windowsError), 1);
    EXPECT_EQ(windowsError, 2);
    EXPECT_FALSE(port->Connected());
    Fake().OpenError = 0;

    Fake().StateError = ERROR_INVALID_PARAMETER;
    EXPECT_EQ(SerialCodeOf([&] { port->Open(); }), 7);
    EXPECT_FALSE(port->Connected());
    EXPECT_EQ(Fake().Log().back(), "Close");
    Fake().StateError = 0;

    // A pulled-out adapter: the purge fails, the port closes all the same and says so after.
    port->Open();
    Fake().PurgeError = ERROR_ACCESS_DENIED;
    EXPECT_EQ(SerialCodeOf([&] { port->Close(); }, &windowsError), 5);
    EXPECT_EQ(windowsError, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(port->Connected());
    EXPECT_EQ(Fake().Log().back(), "AfterClose closed");

    // A failing handler does not keep the port open either.
    Fake().PurgeError = 0;
    port->Open();
    port->OnBeforeClose = [](TObject*) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(port->Close(), std::runtime_error);
    EXPECT_FALSE(port->Connected());
    EXPECT_EQ(Fake().Log().back(), "AfterClose closed");

    // Destruction closes without throwing.
    port->Open();
    Fake().PurgeError = ERROR_ACCESS_DENIED;
    EXPECT_NO_THROW(port.reset());
}

TEST_F(SerialPortTest, SettingsReachAnOpenDeviceAtOnceAndAClosedOneAtTheNextOpen) {
    auto port = MakePort({});
    port->SetBaudRate(TBaudRate::br19200);
    EXPECT_TRUE(Fake().Log().empty());
    port->SetEventThreadPriority(TThreadPriority::tpTimeCritical);
    port->Open();
    EXPECT_FALSE(LogFrom("SetCommState 19200").empty());
    port->SetBaudRate(TBaudRate::brCustom);
    port->SetCustomBaudRate(31250);
    EXPECT_EQ(Fake().Log().back(), "SetCommState 31250");

    EXPECT_NO_THROW(port->SetEventThreadPriority(TThreadPriority::tpTimeCritical));
    EXPECT_EQ(SerialCodeOf([&] { port->SetEventThreadPriority(TThreadPriority::tpNormal); }), 14);
    EXPECT_EQ(SerialCodeOf([&] { port->SetSyncMethod(TSyncMethod::smNone); }), 14);
    EXPECT_EQ(port->EventThreadPriority(), TThreadPriority::tpTimeCritical);

    port->SetPort("COM9"); // reopens under the new name
    EXPECT_TRUE(port->Connected());
    const Strings reopen = LogFrom("BeforeClose connected");
    EXPECT_EQ(std::count(reopen.begin(), reopen.end(), "Open \\\\.\\COM9"), 1);
}

TEST_F(SerialPortTest, ReadsAndWritesMoveWhatTheyCan) {
    auto port = MakePort({});
    port->Open();
    EXPECT_EQ(port->WriteStr(""), 0);
    EXPECT_EQ(port->WriteStr("AT\r"), 3);
    EXPECT_EQ(Fake().Written(), "AT\r");

    Fake().Receive("OK\r\n");
    std::string text = "old";
    EXPECT_EQ(port->ReadStr(text, 10), 4);
    EXPECT_EQ(text, "OK\r\n");
    EXPECT_EQ(port->ReadStr(text, 0), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(SerialCodeOf([&] { port->WaitForAsync(nullptr); }), 4);
}

TEST_F(SerialPortTest, ARequestIsNotFreedWhileItsOperationRuns) {
    auto port = MakePort({});
    port->Open();
    Fake().WritesPend = true;
    TSerialAsyncRequest* request = nullptr;
    NewAsyncRequest(request);
    EXPECT_EQ(port->WriteStrAsync("data", request), 0);
    EXPECT_EQ(WaitForSingleObject(request->Overlapped.hEvent, 0), WAIT_TIMEOUT);
    FreeAsyncRequest(request); // the device would write into it: ended first
    EXPECT_EQ(request, nullptr);
    EXPECT_EQ(Fake().Log().back(), "CancelIo");

    // A request on which nothing was started waits for nothing.
    NewAsyncRequest(request);
    EXPECT_EQ(port->WaitForAsync(request), 0);
    FreeAsyncRequest(request);
}

TEST_F(SerialPortTest, AWriteThatFailsAtOnceIsNotWaitedFor) {
    auto port = MakePort({});
    port->Open();
    Fake().WriteError = ERROR_BAD_COMMAND; // the adapter was pulled out
    std::int32_t windowsError = 0;
    EXPECT_EQ(SerialCodeOf([&] { port->WriteStr("IR"); }, &windowsError), 2);
    EXPECT_EQ(windowsError, ERROR_BAD_COMMAND);

    TSerialAsyncRequest* request = nullptr;
    NewAsyncRequest(request);
    EXPECT_EQ(SerialCodeOf([&] { port->WriteStrAsync("IR", request); }), 2);
    EXPECT_EQ(port->WaitForAsync(request), 0) << "nothing runs on the request";
    FreeAsyncRequest(request);
    EXPECT_EQ(LogFrom("RLSD 0"), Strings{"RLSD 0"}) << "no cancel, no wait";
}

TEST_F(SerialPortTest, AWriteTheDeviceNeverEndsFailsOnceItsTimeIsUp) {
    auto port = MakePort({});
    port->Timeouts().SetWriteTotalMultiplier(0);
    port->Timeouts().SetWriteTotalConstant(1);
    port->Open();
    Fake().WritesPend = true; // a driver that does not keep to its timeouts
    std::int32_t windowsError = 0;
    EXPECT_EQ(SerialCodeOf([&] { port->WriteStr("IR"); }, &windowsError), 2);
    EXPECT_EQ(windowsError, ERROR_TIMEOUT);
    EXPECT_EQ(Fake().Log().back(), "CancelIo");
}

TEST_F(SerialPortTest, AWriteLeftToTheDeviceWritesTheBytesItWasGivenWhateverTheCallerDoesNext) {
    auto port = MakePort({});
    port->Timeouts().SetWriteTotalMultiplier(0);
    port->Timeouts().SetWriteTotalConstant(1);
    port->Open();
    Fake().WritesPend = true;
    Fake().IgnoresCancel = true;
    std::string bytes = "IR";
    EXPECT_EQ(SerialCodeOf([&] { port->Write(bytes.data(), 2); }), 2);
    bytes.replace(0, 2, "XX"); // the caller's buffer serves something else
    Fake().EndWrite();
    EXPECT_EQ(Fake().Written(), "IR");
}

TEST_F(SerialPortTest, AFormDeclaresThePortAndItOpensWhenTheDeclarationEnds) {
    TSerialPort* port = nullptr;
    std::vector<std::string> seen;
    CreateComponent(port, nullptr, "ComPort",
                    {.Port = "COM4",
                     .ControlDTR = TDTRFlowControl::dtrEnable,
                     .Events = {TSerialEvent::evRxChar},
                     .Connected = true,
                     .OnAfterOpen = [&](TObject*) { seen.push_back("AfterOpen"); }});
    std::unique_ptr<TSerialPort> owned(port);
    EXPECT_TRUE(port->Connected());
    EXPECT_EQ(Fake().Log().front(), "Open \\\\.\\COM4");
    EXPECT_EQ(port->FlowControl().ControlDTR(), TDTRFlowControl::dtrEnable);
    EXPECT_EQ(seen, Strings{"AfterOpen"});

    // A port that cannot open tells the application instead of failing the declaration.
    Script = [](test::TFakeSerialDevice& fake) { fake.OpenError = ERROR_FILE_NOT_FOUND; };
    TSerialPort* missing = nullptr;
    CreateComponent(missing, nullptr, "ComPort2", {.Connected = true});
    std::unique_ptr<TSerialPort> ownedMissing(missing);
    EXPECT_FALSE(missing->Connected());
    EXPECT_EQ(reported, Strings{"Unable to open com port (win error code: 2)"});
}
