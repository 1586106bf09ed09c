// The TV origins in the running main window: the TV card's library (a stand-in built beside the
// tests, answering the keys the test names) polled for its keys, and the hidden window to which
// the TV application posts its remote's keys.

#include "components/TempPath.h"
#include "framework/win32/HandOver.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace tav;
using namespace std::chrono_literals;

namespace {

// The TV application's target in this process: tests in other processes have theirs.
HWND TvWindow() {
    HWND wnd = nullptr;
    while ((wnd = FindWindowExA(nullptr, wnd, "TAVerForm", "AVerMedia TV Tuner 98"))) {
        DWORD process = 0;
        GetWindowThreadProcessId(wnd, &process);
        if (process == GetCurrentProcessId())
            return wnd;
    }
    return nullptr;
}

struct MainTvOrigins : ::testing::Test {
    THandOver handOver;
    test::MainFormKey key;
    test::TempPath log{".log"};
    TSeamScope<ShellNotifyIconFn> tray{ShellNotifyIconSeam(),
                                       [](DWORD, const NOTIFYICONDATAA&) { return true; }};
    int boxes = 0;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(), [this](const std::string&, const std::string&,
                                                          UINT) { return ++boxes, IDOK; }};
    TMainForm* form = nullptr;
    TCommandNode* remote = nullptr;

    MainTvOrigins() {
        TRegistryStore(key.Path()).WriteBoolSetting("Hide splashscreen", true);
        TRegistryStore(key.Path()).WriteStrSetting("Log file", log.str());
        form = new TMainForm(nullptr, key.Path());
        form->Show();
        form->Settings().SetBool("Use serial port", false);
        remote = form->Document().AddRemote("TV");
    }
    ~MainTvOrigins() override { delete form; }

    TCommandNode* Learn(const char* name, std::int32_t value) {
        TCommandNode* node = form->Document().AddCommand(remote, name);
        form->Document().SetCode(*node->Data(), {value});
        return node;
    }
    // Waits until the log of fired commands reads `lines`.
    bool Logged(const std::string& lines) {
        return test::PumpUntil(
            [&] {
                std::stringstream text;
                text << std::ifstream(log.str(), std::ios::binary).rdbuf();
                return text.str() == lines;
            },
            2s);
    }
};

TEST_F(MainTvOrigins, TheTvCardsLibraryIsPolledForItsKeysAndFreedWhenTheOriginCloses) {
    Learn("Play", 5);
    Learn("Stop", 127);
    SetEnvironmentVariableA("TAVRILO_GRAPPLER_KEYS", "261"); // 0x105: key 5
    ASSERT_TRUE(form->SwitchOrigin(TOrigin::TvCard, true));
    EXPECT_TRUE(Logged("TV,Play\r\n"));

    EXPECT_TRUE(form->SwitchOrigin(TOrigin::TvCard, false));
    EXPECT_EQ(GetModuleHandleA("grappler.dll"), nullptr);
    EXPECT_FALSE(form->TvCard->BestBuyTimer->Enabled());
    test::PumpFor(250ms); // the recognition time-out ends; no poll is left to come

    SetEnvironmentVariableA("TAVRILO_GRAPPLER_KEYS", "127");
    ASSERT_TRUE(form->SwitchOrigin(TOrigin::TvCard, true)) << "loaded and bound anew";
    EXPECT_TRUE(Logged("TV,Play\r\nTV,Stop\r\n"));
    EXPECT_EQ(boxes, 0);
}

TEST_F(MainTvOrigins, TheCdRomDrivesOriginOpensNothingAndSaysNothing) {
    EXPECT_FALSE(form->SwitchOrigin(TOrigin::CdRom, true));
    EXPECT_FALSE(form->SwitchOrigin(TOrigin::CdRom, false));
    EXPECT_EQ(boxes, 0);
}

// The code's action opens a document with the origins suspended: it closes them and opens them
// again while the TV window is still handling the message that fired the code.
TEST_F(MainTvOrigins, AKeyPostedToTheTvWindowFiresItsCodeAlsoWhenItsActionReopensTheOrigins) {
    int opened = 0;
    TSeamScope<ShellExecuteFn> shell{ShellExecuteSeam(), [&](const TShellExecuteRequest&) {
                                         return ++opened, TShellExecuteResult{true, 0};
                                     }};
    TDocument& doc = form->Document();
    TAction* item = doc.AddAction(doc.DefaultLayout(), "Watch");
    doc.AddTrigger(item, Learn("Mute", 12345));
    item->ActionStrings = {"\xA1"
                           "ExecuteProgram\xA1Try:Filename:movie.aviParams:Suspend:YDelay:0"};
    form->Settings().SetBool("Use AVerMedia", true);
    form->RunBtn->Click();
    const HWND first = TvWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(IsWindowVisible(first));

    PostMessageA(first, 0x402, 12, 345);
    ASSERT_TRUE(Logged("TV,Mute\r\n"));
    EXPECT_TRUE(test::PumpUntil([&] { return !IsWindow(first); }, 2s));
    const HWND second = TvWindow();
    ASSERT_NE(second, nullptr);
    test::PumpFor(250ms); // the recognition time-out ends
    PostMessageA(second, 0xBBA, 12, 345);
    EXPECT_TRUE(Logged("TV,Mute\r\nTV,Mute\r\n"));
    EXPECT_EQ(opened, 2);
    form->Origins().StartOrigins(false);
    EXPECT_EQ(TvWindow(), nullptr);
    EXPECT_EQ(boxes, 0);
}

} // namespace
