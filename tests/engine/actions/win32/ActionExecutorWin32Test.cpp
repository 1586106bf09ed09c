#include "engine/actions/ActionFakes.h"
#include "engine/actions/win32/ActionTestWindow.h"
#include "engine/actions/win32/Win32ActionPorts.h"
#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

using namespace tav;
using namespace tav::testing;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

// The executor with the real windows, input and programs; everything else recorded.
struct WindowsExecutor {
    FakeActionWorld world;
    TWin32Windows windows;
    TWin32Input input;
    TWin32Programs programs;
    TActionExecutor executor{world.settings, Ports()};

    TActionPorts Ports() {
        TActionPorts ports = world.Ports();
        ports.Windows = &windows;
        ports.Input = &input;
        ports.Programs = &programs;
        return ports;
    }
    // The key sender's exact-title lookup, for this window.
    void KnowTitle(const test::TActionTestWindow& w) { world.titles[w.Title] = HandleOf(w.Handle); }
};

bool MakeForeground(HWND window) {
    SetForegroundWindow(window);
    return test::PumpUntil([&] { return GetForegroundWindow() == window; }, 2s);
}

} // namespace

TEST(ActionWindows, PostMessageReachesAWindowFoundByTitleOrByClass) {
    WindowsExecutor x;
    test::TActionTestWindow target;
    x.KnowTitle(target);
    const std::string post = "\xA1PostMessage\xA1WM_USERwParam:1AlParam:FFFFFFFFDelay:0DestWnd:";
    x.executor.ExecuteAction(post + target.Title.substr(3) + "KeepActive:N");
    ASSERT_TRUE(test::PumpUntil([&] { return target.Got(WM_USER); }, 2s));
    EXPECT_EQ(target.Messages.back().WParam, 0x1Au);
    EXPECT_EQ(target.Messages.back().LParam, -1);

    target.Messages.clear();
    x.executor.ExecuteAction(post + "no such title, " + target.ClassName + "KeepActive:N");
    EXPECT_TRUE(test::PumpUntil([&] { return target.Got(WM_USER); }, 2s));
}

TEST(ActionInputKeys, WindowStateActionsActOnTheWindowInFront) {
    WindowsExecutor x;
    test::TActionTestWindow target;
    ASSERT_TRUE(MakeForeground(target.Handle));
    const auto state = [&](char code) {
        x.executor.ExecuteAction(std::string("\xA1WindowState\xA1") + code + "Delay:0");
        test::PumpFor(50ms);
    };
    state('1');
    EXPECT_TRUE(IsZoomed(target.Handle));
    state('2');
    EXPECT_FALSE(IsZoomed(target.Handle));
    state('0');
    EXPECT_TRUE(IsIconic(target.Handle));

    ShowWindow(target.Handle, SW_RESTORE);
    ASSERT_TRUE(MakeForeground(target.Handle));
    state('3');
    EXPECT_TRUE(target.Got(WM_CLOSE));
    EXPECT_FALSE(IsWindow(target.Handle)) << "the window closed as if its user had asked";
}

// While the started program runs, the origins stay closed and the main thread answers what
// other threads send it, but handles nothing posted to it.
TEST(ActionWindows, AProgramStartedWithSuspendClosesTheOriginsUntilItEnds) {
    WindowsExecutor x;
    test::TActionTestWindow window;
    struct TimedOrigins : IOriginSwitch {
        std::vector<std::pair<bool, Clock::time_point>> calls;
        bool StartOrigins(bool active) override {
            calls.emplace_back(active, Clock::now());
            return true;
        }
    } origins;
    TActionPorts ports = x.Ports();
    ports.Origins = &origins;
    TActionExecutor executor(x.world.settings, ports);

    std::atomic<bool> answered = false;
    Clock::time_point answeredAt;
    std::thread other([&] {
        std::this_thread::sleep_for(300ms);
        PostMessageA(window.Handle, WM_USER + 2, 0, 0);
        DWORD_PTR result = 0;
        answered =
            SendMessageTimeoutA(window.Handle, WM_USER + 1, 0, 0, SMTO_NORMAL, 3000, &result) != 0;
        answeredAt = Clock::now();
    });
    std::string helper = std::string("Z:") + TAVRILO_EXE_DIR + "\\exit_after.exe";
    std::replace(helper.begin(), helper.end(), '/', '\\');
    executor.ExecuteAction("\xA1"
                           "ExecuteProgram\xA1Try:Filename:" +
                           helper + "Params:1500Suspend:YDelay:0");
    const bool postedDuringWait = window.Got(WM_USER + 2);
    other.join();

    ASSERT_EQ(origins.calls.size(), 2u);
    EXPECT_FALSE(origins.calls[0].first);
    EXPECT_TRUE(origins.calls[1].first);
    EXPECT_GE(origins.calls[1].second - origins.calls[0].second, 1400ms);
    EXPECT_TRUE(answered);
    EXPECT_LT(answeredAt, origins.calls[1].second) << "answered while the program still ran";
    EXPECT_FALSE(postedDuringWait);
    EXPECT_TRUE(test::PumpUntil([&] { return window.Got(WM_USER + 2); }, 2s));
}

TEST(ActionWindows, TheShutdownPrivilegeCanBeTakenAndGivenBack) {
    EXPECT_TRUE(SetPrivilege("SeShutdownPrivilege", true));
    EXPECT_TRUE(SetPrivilege("SeShutdownPrivilege", false));
    EXPECT_FALSE(SetPrivilege("SeNoSuchPrivilege", true));
}

TEST(ActionInputKeys, MouseActionsMoveAndClickThePointer) {
    WindowsExecutor x;
    test::TActionTestWindow target;
    ASSERT_TRUE(MakeForeground(target.Handle));
    const std::string mouse = "\xA1MouseControl\xA1";
    x.executor.ExecuteAction(mouse + "AbsMove:X200Y180Delay:0");
    x.executor.ExecuteAction(mouse + "RelMove:4Accel:3Delay:0");
    x.executor.ExecuteAction(mouse + "RelMove:5Accel:2Delay:0");
    POINT at{};
    ASSERT_TRUE(test::PumpUntil(
        [&] {
            GetCursorPos(&at);
            return at.x == 206 && at.y == 183;
        },
        2s))
        << at.x << "," << at.y;

    x.executor.ExecuteAction(mouse + "Click:0NDelay:0");
    ASSERT_TRUE(test::PumpUntil([&] { return target.Got(WM_LBUTTONUP); }, 2s));
    EXPECT_TRUE(target.Got(WM_LBUTTONDOWN));
}

TEST(ActionInputKeys, ALatchedKeyIsHeldBetweenTwoActionsAndATypedCharacterArrives) {
    WindowsExecutor x;
    const std::string ctrl = "\xA1SendKeys\xA1NNNE52Delay:0DestWnd:KeepActive:N";
    x.executor.ExecuteAction(ctrl);
    EXPECT_LT(GetAsyncKeyState(VK_CONTROL), 0);
    x.executor.ExecuteAction(ctrl);
    EXPECT_GE(GetAsyncKeyState(VK_CONTROL), 0);

    HWND edit = CreateWindowExA(WS_EX_TOPMOST, "EDIT", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 100,
                                100, 200, 30, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(MakeForeground(edit));
    SetFocus(edit);
    x.world.settings.SetBool("Advanced keypress", true);
    x.executor.ExecuteAction("\xA1SendKeys\xA1NNNN\xE4\xFF"
                             "Delay:0DestWnd:KeepActive:N");
    char text[16] = {};
    EXPECT_TRUE(test::PumpUntil(
        [&] {
            GetWindowTextA(edit, text, sizeof text);
            return std::string(text) == "\xE4\xFF";
        },
        2s))
        << text;
    EXPECT_TRUE(x.world.log.empty()) << "nothing of it went to the key sender";
    DestroyWindow(edit);
}
