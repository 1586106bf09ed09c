// The running main window: Run! to the tray and back past the password, and a code that
// reaches the origins' entry point, or a receiver on a serial port, fires its command.

#include "components/TempPath.h"
#include "components/cipher/QuelEncryption.h"
#include "components/serial/win32/PtyPair.h"
#include "engine/actions/win32/ActionTestWindow.h"
#include "framework/win32/HandOver.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "framework/win32/TestRegistryKey.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"
#include "ui/password/SettingsProtection.h"
#include "ui/password/win32/Password.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>

using namespace tav;

namespace {

struct MainTrayTest : ::testing::Test {
    THandOver handOver; // as the program has: the serial ports' events come through it
    test::MainFormKey key;
    test::TempPath log{".log"};
    std::vector<DWORD> shell;
    TSeamScope<ShellNotifyIconFn> tray{ShellNotifyIconSeam(),
                                       [this](DWORD message, const NOTIFYICONDATAA&) {
                                           shell.push_back(message);
                                           return true;
                                       }};
    std::vector<std::string> boxes;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(),
                                 [this](const std::string& text, const std::string&, UINT) {
                                     boxes.push_back(text);
                                     return IDOK;
                                 }};
    TMainForm* form = nullptr;

    MainTrayTest() {
        // A first start without a splash, without origins, logging every fired command.
        TRegistryStore store(key.Path());
        store.WriteBoolSetting("Hide splashscreen", true);
        store.WriteStrSetting("Log file", log.str());
        form = new TMainForm(nullptr, key.Path());
        form->Show();
        form->Settings().SetBool("Use serial port", false);
        test::PumpFor(std::chrono::milliseconds(20));
    }
    ~MainTrayTest() override {
        TForm::ModalHook = nullptr;
        delete form;
    }

    void DoubleClickTheIcon() {
        SendMessageA(form->TrayIcon->Handle(), TTrayIcon::kCallbackMessage, TTrayIcon::kIconId,
                     WM_LBUTTONDBLCLK);
    }
    void ProtectWith(const std::string& password) {
        TQuelEncryption cipher;
        form->Settings().SetStr("Restore",
                                cipher.Crypt(password, kSettingsProtectionKey, true).value());
    }
    // Whether the tray shows the icon resource `name` now.
    bool TrayShows(const char* name) {
        auto pixels = [](HICON icon) {
            ICONINFO info{};
            GetIconInfo(icon, &info);
            BITMAP bitmap{};
            GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
            std::string bits(static_cast<size_t>(bitmap.bmWidthBytes * bitmap.bmHeight), '\0');
            GetBitmapBits(info.hbmColor, static_cast<LONG>(bits.size()), bits.data());
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            return bits;
        };
        return pixels(form->TrayIcon->Icon()) == pixels(LoadIconA(GetModuleHandleA(nullptr), name));
    }
    TCommandNode* LearnVolUp(std::int32_t first, std::int32_t second) {
        TCommandNode* vol = form->Document().AddCommand(form->Document().AddRemote("TV"), "Vol+");
        form->Document().SetCode(*vol->Data(), {first, second});
        return vol;
    }
    // A whole code through the origins' entry point, and its end.
    void Receive(std::vector<std::uint8_t> bytes) {
        form->Receiver().ReceiveTimed([&](TReceivedCode& rc) { rc.AppendWhileRoom(bytes); },
                                      TDuringTimeOut::Discard);
        EXPECT_TRUE(form->IRTimer->Enabled());
        form->IRTimerTimer(form->IRTimer);
        form->TypematicTimerTimer(form->TypematicTimer);
    }
    std::string Log() {
        std::ifstream in(log.str(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(MainTrayTest, RunHidesToTheTrayAndOnlyTheRightPasswordBringsItBack) {
    form->RunBtn->Click();
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->TrayIcon->IconVisible());
    EXPECT_EQ(shell.back(), static_cast<DWORD>(NIM_ADD));

    ProtectWith("Secret");
    std::string typed = "secret";
    TForm::ModalHook = [&](TForm& dialog) {
        static_cast<TInputDlg&>(dialog).PasswordEdBx->SetText(typed);
        return static_cast<int>(mrOk);
    };
    DoubleClickTheIcon();
    EXPECT_FALSE(form->Visible()) << "the password's letter case counts";
    typed = "Secret";
    DoubleClickTheIcon();
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(form->TrayIcon->IconVisible());
    EXPECT_TRUE(boxes.empty());

    // A damaged stored password keeps the program in the tray and says how to lift it.
    form->RunBtn->Click();
    form->Settings().SetStr("Restore", "not a cipher text");
    DoubleClickTheIcon();
    EXPECT_FALSE(form->Visible());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("\"Restore\""), std::string::npos);
}

// The password is set or lifted in the registry by another hand while the program runs.
TEST_F(MainTrayTest, APasswordStoredWhileItRunsGuardsTheVeryNextRestore) {
    form->RunBtn->Click();
    TQuelEncryption cipher;
    TRegistryStore(key.Path())
        .WriteStrSetting("Restore", cipher.Crypt("Secret", kSettingsProtectionKey, true).value());
    int asked = 0;
    TForm::ModalHook = [&](TForm&) {
        ++asked;
        return static_cast<int>(mrCancel);
    };
    DoubleClickTheIcon();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(form->Visible());

    TRegistryStore(key.Path()).WriteStrSetting("Restore", "");
    DoubleClickTheIcon();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form->Visible());
}

TEST_F(MainTrayTest, TheTrayMenuIsBuiltAnewWithTheCurrentStateOfItsCommands) {
    form->EnableOriginMenu->SetChecked(true);
    for (int opening = 0; opening < 2; ++opening) {
        form->TrayPopUpMenuPopup(form->TrayPopUpMenu);
        TMenuItem* items = form->TrayPopUpMenu->Items();
        ASSERT_EQ(items->Count(), 4);
        EXPECT_EQ(items->Item(0), form->RestoreMenu);
        EXPECT_EQ(items->Item(1)->Name(), "EnableOriginMenuCopy");
        EXPECT_TRUE(items->Item(1)->Checked());
        EXPECT_EQ(items->Item(1)->ShortCut(), 0);
        EXPECT_EQ(items->Item(2)->Caption(), "-");
        EXPECT_EQ(items->Item(3)->Caption(), "E&xit");
    }
}

TEST_F(MainTrayTest, RunStaysWhenAnOriginCannotOpen) {
    form->Settings().SetBool("Use serial port", true);
    form->Settings().SetInt("Serial port", 240); // no such port
    form->RunBtn->Click();
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(form->TrayIcon->IconVisible());
    EXPECT_EQ(boxes.size(), 1u);
}

// A minimized start whose origins fail to open shows the window instead of nothing at all; the
// splash ends at that first activation, and later activations press nothing.
TEST(MainStart, AMinimizedStartWithFailingOriginsShowsTheWindowAndEndsTheSplash) {
    test::MainFormKey key;
    TRegistryStore store(key.Path());
    store.WriteBoolSetting("Load minimized", true);
    store.WriteIntSetting("Serial port", 240); // no such port
    store.WriteStrSetting("Version", "4.0.0.1");
    int boxes = 0;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(), [&](const std::string&, const std::string&,
                                                       UINT) { return ++boxes, IDOK; }};
    TMainForm form(nullptr, key.Path());
    TForm* splash = nullptr;
    for (TForm* f : Application().Forms())
        if (f->Name() == "SplashForm")
            splash = f;
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->Visible());
    form.FormShow(nullptr);
    form.FormActivate(nullptr); // Run! fails: the serial port is in use and cannot open
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(form.TrayIcon->IconVisible());
    test::PumpFor(std::chrono::milliseconds(20));
    EXPECT_EQ(std::count(Application().Forms().begin(), Application().Forms().end(), splash), 0);
    form.FormActivate(&form);
    EXPECT_EQ(boxes, 1) << "Run! is pressed once, at start-up only";
}

TEST_F(MainTrayTest, ACodeAtTheOriginsEntryFiresItsCommandAndTheTrayIconFlashes) {
    LearnVolUp(0x1A, 0x2B);
    form->RunBtn->Click();
    EXPECT_TRUE(TrayShows("WAITING"));

    Receive({0x1A, 0x2B});
    EXPECT_EQ(Log(), "TV,Vol+\r\n");
    EXPECT_TRUE(TrayShows("WAITING")) << "the flash waits until the firing is over";
    EXPECT_TRUE(test::PumpUntil([&] { return TrayShows("RECEIVING"); }, std::chrono::seconds(3)));
    EXPECT_TRUE(form->TrayColorTimer->Enabled());
    form->TrayColorTimerTimer(form->TrayColorTimer);
    EXPECT_FALSE(form->TrayColorTimer->Enabled());
    EXPECT_TRUE(TrayShows("WAITING"));

    Receive({0x55});
    EXPECT_EQ(Log(), "TV,Vol+\r\n") << "a code that matches nothing fires nothing";
}

// Through the real port under Wine, which reads instead of waiting for the port's events.
TEST_F(MainTrayTest, BytesOnTheReceiversSerialPortFireTheCommandLearnedFromThem) {
    test::TPtyPair pty;
    ASSERT_TRUE(pty.Ready());
    LearnVolUp(0x1234, 0x5678);
    form->Settings().SetBool("Use serial port", true);
    form->Settings().SetInt("Serial port", std::stoi(pty.PortName().substr(3)));
    form->Settings().SetInt("Value size", 2);
    form->RunBtn->Click();
    ASSERT_TRUE(form->ComPort->Connected());
    ASSERT_TRUE(test::PumpUntil([&] { return !form->UIRTimer->Enabled(); },
                                std::chrono::milliseconds(3000)))
        << "the receiver's start-up steps";

    ASSERT_TRUE(pty.Send("\x12\x34\x56\x78"));
    EXPECT_TRUE(
        test::PumpUntil([&] { return Log() == "TV,Vol+\r\n"; }, std::chrono::milliseconds(3000)));
    // Bytes that arrive while the fired command's repeat window is open are dropped or repeat
    // it: the halves below wait for the window to close.
    ASSERT_TRUE(test::PumpUntil([&] { return !form->TypematicTimer->Enabled(); },
                                std::chrono::milliseconds(3000)));
    // The halves in the other order, the second sent once the first has ended as a code of its
    // own (a fixed pause would not do: on a busy machine both can reach the main thread before
    // its end-of-code timer runs). Apart they are two codes of one value, which are told apart
    // by their first value alone: the second fires the command. As one code they would match
    // nothing.
    auto oneCode = [&](const char* bytes) {
        ASSERT_TRUE(pty.Send(bytes));
        ASSERT_TRUE(test::PumpUntil([&] { return form->IRTimer->Enabled(); },
                                    std::chrono::milliseconds(3000)));
        ASSERT_TRUE(test::PumpUntil([&] { return !form->IRTimer->Enabled(); },
                                    std::chrono::milliseconds(3000)));
    };
    oneCode("\x56\x78");
    EXPECT_EQ(Log(), "TV,Vol+\r\n");
    oneCode("\x12\x34");
    EXPECT_EQ(Log(), "TV,Vol+\r\nTV,Vol+\r\n");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainTrayTest, ACodeWhileInTheTrayRunsTheBoundItemsActionsAndShowsItsText) {
    test::TActionTestWindow target;
    TDocument& doc = form->Document();
    TAction* item = doc.AddAction(doc.DefaultLayout(), "Louder");
    doc.AddTrigger(item, LearnVolUp(0x1A, 0x2B));
    item->ActionStrings = {"\xA1PostMessage\xA1WM_USERwParam:1AlParam:2Delay:0DestWnd:" +
                               target.Title + "KeepActive:N",
                           "\xA1OSD\xA1LouderDelay:0"};
    item->AllAtOnce = true;
    form->RunBtn->Click();
    ASSERT_FALSE(form->Visible());

    Receive({0x1A, 0x2B});
    ASSERT_TRUE(test::PumpUntil([&] { return target.Got(WM_USER); }, std::chrono::seconds(3)));
    EXPECT_EQ(target.Messages.back().WParam, 0x1Au);
    EXPECT_TRUE(test::PumpUntil([&] { return IsWindowVisible(form->Osd->Handle()) != 0; },
                                std::chrono::seconds(3)));
    EXPECT_TRUE(boxes.empty());
}

// The flash asks the shell, which answers from its own process: a shell that is busy or hung
// holds up neither this firing's action nor the next firing.
TEST_F(MainTrayTest, AShellThatDoesNotAnswerTheFlashDelaysNoAction) {
    test::TActionTestWindow target;
    TDocument& doc = form->Document();
    TAction* item = doc.AddAction(doc.DefaultLayout(), "Louder");
    doc.AddTrigger(item, LearnVolUp(0x1A, 0x2B));
    item->TrigType = 1;
    item->ActionStrings = {"\xA1PostMessage\xA1WM_USERwParam:1AlParam:2Delay:0DestWnd:" +
                           target.Title + "KeepActive:N"};
    form->RunBtn->Click();
    ASSERT_TRUE(form->TrayIcon->IconVisible());

    const HANDLE answer = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> asked{false};
    std::atomic<bool> answered{false};
    TSeamScope<ShellNotifyIconFn> hung{ShellNotifyIconSeam(), [&](DWORD, const NOTIFYICONDATAA&) {
                                           asked = true;
                                           WaitForSingleObject(answer, 2000);
                                           answered = true;
                                           return true;
                                       }};
    for (std::size_t firing = 1; firing <= 2; ++firing) {
        Receive({0x1A, 0x2B});
        ASSERT_TRUE(test::PumpUntil([&] { return target.Messages.size() == firing; },
                                    std::chrono::seconds(3)));
        EXPECT_FALSE(answered) << "firing " << firing << " waited for the shell";
        ASSERT_TRUE(test::PumpUntil([&] { return asked.load(); }, std::chrono::seconds(3)));
    }
    SetEvent(answer);
    delete form; // its tray icon stops asking the shell while this one is in place
    form = nullptr;
    CloseHandle(answer);
    EXPECT_EQ(Log(), "TV,Vol+\r\nTV,Vol+\r\n");
}

} // namespace
