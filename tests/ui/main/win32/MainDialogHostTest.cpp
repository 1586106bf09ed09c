// The main window as the program's side of the serial-port and settings dialogs.

#include "ui/main/win32/MainForm.h"

#include "components/TempPath.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/Registry.h"
#include "framework/win32/Seams.h"
#include "ui/main/win32/MainFormKey.h"
#include "ui/main/win32/SettingsDialogRun.h"
#include "ui/password/win32/Password.h"
#include "ui/settings/win32/SettingsForm.h"
#include "ui/tray/win32/TrayIcon.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tav;

namespace {

TEST(MainDialogHost, TheReceiverSearchStopsTheOriginsFirstAndTheirEndLeavesThemStopped) {
    test::MainFormKey key;
    TRegistryStore(key.Path()).WriteBoolSetting("Use serial port", false);
    TMainForm form(nullptr, key.Path());
    form.Show();
    form.EnableOriginMenuClick(nullptr);
    ASSERT_TRUE(form.EnableOriginMenu->Checked());
    // No port that opens is a receiver, whatever the machine has: no search again.
    TSeamScope box(MessageBoxSeam(),
                   [](const std::string&, const std::string&, UINT) { return IDNO; });
    bool found = false;
    form.SerialDialogHost().FindReceiver([&](std::int32_t) { found = true; });
    EXPECT_FALSE(form.EnableOriginMenu->Checked());
    form.SerialDialogHost().EndReceiverSearch();
    EXPECT_FALSE(form.EnableOriginMenu->Checked());
    EXPECT_FALSE(form.ComPort->Connected());
    EXPECT_FALSE(found);
}

} // namespace

namespace {

// The running main window with its settings dialog, answered by the test: File > Settings...,
// then what the test does in the dialog, then Accept.
struct MainSettings : ::testing::Test {
    test::MainFormKey key;
    test::TempPath log{".log"};
    std::vector<DWORD> shell;
    TSeamScope<ShellNotifyIconFn> tray{ShellNotifyIconSeam(),
                                       [this](DWORD message, const NOTIFYICONDATAA&) {
                                           shell.push_back(message);
                                           return true;
                                       }};
    TMainForm* form = nullptr;

    MainSettings() {
        TRegistryStore store(key.Path());
        store.WriteBoolSetting("Hide splashscreen", true);
        store.WriteBoolSetting("Use serial port", false);
        store.WriteStrSetting("Log file", log.str());
        form = new TMainForm(nullptr, key.Path());
        form->RunKey = key.Path("Run");
        form->Show();
    }
    ~MainSettings() override {
        TForm::ModalHook = nullptr;
        delete form;
    }
    void Settings(const std::function<void(TSettingsForm&)>& inside) {
        test::RunSettingsDialog(*form, inside);
    }
    // A whole code through the origins' entry point; true when it fired a command.
    bool Fires(std::vector<std::uint8_t> bytes) {
        form->Document().LastFiredCommand = nullptr;
        form->TypematicTimerTimer(form->TypematicTimer);
        form->Receiver().ReceiveTimed([&](TReceivedCode& rc) { rc.AppendWhileRoom(bytes); },
                                      TDuringTimeOut::Discard);
        form->IRTimerTimer(form->IRTimer);
        return form->Document().LastFiredCommand != nullptr;
    }
    std::string Log() const {
        std::ifstream in(log.str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(MainSettings, TheDialogOpensOnItsFirstPageAndATypedToleranceAndTimeOutTakeEffectAtOnce) {
    TDocument& doc = form->Document();
    // Codes of more than two values compare value by value, within the tolerance.
    doc.SetCode(*doc.AddCommand(doc.AddRemote("TV"), "Vol+")->Data(), {100, 150, 200});
    ASSERT_FALSE(Fires({100, 180, 200})) << "outside the tolerance of 10";
    Settings([&](TSettingsForm& dialog) {
        EXPECT_EQ(dialog.PageCtrl->ActivePage(), dialog.GeneralTab);
        dialog.ToleranceEdBox->SetText("40");
        EXPECT_TRUE(Fires({100, 180, 200})) << "the next comparison takes the typed tolerance";
        dialog.TimeOutEdBx->SetText("400");
        EXPECT_EQ(form->TypematicTimer->Interval(), 400u);
        dialog.LogFileChBx->SetChecked(false);
        EXPECT_EQ(dialog.LogFileEdBx->Text(), log.str());
    });
    EXPECT_EQ(Log(), "TV,Vol+\r\n");
    EXPECT_TRUE(Fires({100, 180, 200}));
    EXPECT_EQ(Log(), "TV,Vol+\r\n") << "nothing is logged once the box is cleared";
    EXPECT_EQ(TRegistryStore(key.Path()).ReadIntSetting("Tolerance"), 40);
}

TEST_F(MainSettings, SeededWindowsSoundsAreListedAndAnAddedSoundReachesTheCommandsMenu) {
    // An application of the user's sound scheme of its own, so that other tests keep theirs.
    const std::string app =
        "AppEvents\\Schemes\\Apps\\TavriloTest" + std::to_string(GetCurrentProcessId());
    HKEY created = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, (app + "\\TavDoorbell\\.Current").c_str(), 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &created, nullptr);
    RegSetValueExA(created, "", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\door.wav"), 12);
    RegCloseKey(created);
    TSeamScope file(OpenFileDialogSeam(), [](const TFileDialogRequest&) {
        return std::optional<std::string>("C:\\Sounds\\chime.wav");
    });
    Settings([&](TSettingsForm& dialog) {
        EXPECT_GE(dialog.WinSoundsCoBx->IndexOf("TavDoorbell"), 0);
        dialog.NewSoundBtn->Click(); // a wave file, named as it is
    });
    RegDeleteTreeA(HKEY_CURRENT_USER, app.c_str());
    EXPECT_EQ(TRegistryStore(key.Path()).ReadSounds(),
              (std::vector<TSoundEntry>{{"chime.wav", "C:\\Sounds\\chime.wav"}}));
    form->CommandsMenuClick(form->CommandsMenu);
    ASSERT_EQ(form->SoundMenu->Count(), 2);
    EXPECT_EQ(form->SoundMenu->Item(1)->Caption(), "chime.wav");
}

TEST_F(MainSettings, ALanguageFileSwitchesTheMainWindowAndTheDialog) {
    const std::string name = "tavtest" + std::to_string(GetCurrentProcessId());
    const std::string file = ProgramFolder() + "Lang\\" + name + ".lng";
    CreateDirectoryA((ProgramFolder() + "Lang").c_str(), nullptr);
    {
        std::ofstream out(file, std::ios::binary);
        out << "[Translations]\r\nMainForm.RunBtn.Caption=&Correr!\r\n"
               "SettingsForm.GeneralTab.Caption=Geral\r\n";
    }
    Settings([&](TSettingsForm& dialog) {
        dialog.LangCoBx->SetItemIndex(dialog.LangCoBx->IndexOf(name));
        dialog.LangCoBxClick(dialog.LangCoBx);
        EXPECT_EQ(dialog.GeneralTab->Caption(), "Geral");
    });
    DeleteFileA(file.c_str());
    RemoveDirectoryA((ProgramFolder() + "Lang").c_str()); // only when no other test has a file
    EXPECT_EQ(form->RunBtn->Caption(), "&Correr!");
    EXPECT_EQ(TRegistryStore(key.Path()).ReadStrSetting("Language"), name);
}

TEST_F(MainSettings, ThePasswordGuardsTheWayBackFromTheTrayAndAnEmptyOneRemovesIt) {
    auto setPassword = [&](const std::string& password) {
        TForm::ModalHook = [&](TForm& dialog) {
            if (auto* settings = dynamic_cast<TSettingsForm*>(&dialog))
                settings->PasswordBtn->Click();
            else
                static_cast<TInputDlg&>(dialog).PasswordEdBx->SetText(password);
            return static_cast<int>(mrOk);
        };
        form->SettingsBtn->Click();
    };
    auto restore = [&](const std::string& typed) {
        int asked = 0;
        TForm::ModalHook = [&](TForm& dialog) {
            ++asked;
            static_cast<TInputDlg&>(dialog).PasswordEdBx->SetText(typed);
            return static_cast<int>(mrOk);
        };
        form->RunBtnClick(form->RunBtn);
        form->TrayIconDblClick(form->TrayIcon);
        TForm::ModalHook = nullptr;
        return asked;
    };
    setPassword("Se\xF1or");
    EXPECT_EQ(restore("se\xF1or"), 1);
    EXPECT_FALSE(form->Visible()) << "the wrong password keeps the program in the tray";
    EXPECT_EQ(restore("Se\xF1or"), 1);
    EXPECT_TRUE(form->Visible());
    setPassword("");
    EXPECT_EQ(restore("anything"), 0) << "no protection, no question";
    EXPECT_TRUE(form->Visible());
}

TEST(MainStartup, WithLaunchAtLogonSetEachStartWritesTheProgramsQuotedPathAgain) {
    test::MainFormKey key;
    TRegistryStore(key.Path()).WriteBoolSetting("Launch on startup", true);
    TMainForm form(nullptr, key.Path());
    form.RunKey = key.Path("Run");
    form.Show();
    TRegistry run;
    ASSERT_TRUE(run.OpenKey(key.Path("Run"), false));
    const std::string quoted = '"' + ProgramFileName() + '"';
    EXPECT_EQ(run.ReadString("Tavrilo"), quoted);
}

} // namespace
