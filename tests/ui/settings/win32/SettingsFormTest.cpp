#include "ui/settings/win32/SettingsForm.h"

#include "FakeSettingsFormHost.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "framework/win32/TestRegistryKey.h"
#include "ui/lang/LanguageFolder.h"
#include "ui/lang/TempFolder.h"
#include "ui/password/SettingsProtection.h"
#include "ui/password/win32/Password.h"
#include "ui/serialsettings/win32/SerialSettingsForm.h"
#include "ui/tcpsettings/win32/TCPSettingsForm.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tav;

namespace {

struct SettingsDialog : ::testing::Test {
    test::FakeSettingsFormHost host;
    test::FakeSettingsStore& store = host.store;
    TSettings& settings = host.settings;
    test::TestRegistryKey key;
    test::TempFolder program;
    std::unique_ptr<TSettingsForm> form;
    std::vector<std::string> boxes;
    int boxAnswer = IDYES;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(),
                                 [this](const std::string& text, const std::string&, UINT) {
                                     boxes.push_back(text);
                                     return boxAnswer;
                                 }};

    ~SettingsDialog() override { TForm::ModalHook = nullptr; }
    TSettingsForm& Open() {
        form = std::make_unique<TSettingsForm>(
            nullptr, settings, host,
            TSettingsFormPlaces{program.Path().string(), key.Path("AppEvents")});
        form->Show();
        return *form;
    }
    // A click of the mouse on a box: its press and release.
    static void ClickWithMouse(TControl* control) {
        SendMessageA(control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageA(control->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
    // The next modal dialog is answered by `answer`.
    template <class Dialog> void Answer(std::function<int(Dialog&)> answer) {
        TForm::ModalHook = [answer](TForm& dialog) {
            return answer(dynamic_cast<Dialog&>(dialog));
        };
    }
};

TEST_F(SettingsDialog, OpeningShowsTheStoredValuesOnTheFirstPageAndStoresOrStopsNothing) {
    settings.SetInt("Tolerance", 50);
    settings.SetInt("Recognition time out", 300);
    settings.SetInt("TCP/IP info port", 50000);
    settings.SetInt("TCP/IP info type", 1);
    settings.SetStr("Log file", "C:\\Tavrilo\\commands.log");
    settings.SetBool("Use keyboard trapping", true);
    settings.SetBool("Use serial port", false);
    const int writes = store.Writes;
    TSettingsForm& dialog = Open();
    EXPECT_EQ(dialog.PageCtrl->ActivePage(), dialog.GeneralTab);
    EXPECT_EQ(dialog.ToleranceEdBox->Text(), "50");
    EXPECT_EQ(dialog.TCPServerPortEdBx->Text(), "50000");
    EXPECT_TRUE(dialog.TCPInfoClientRBtn->Checked());
    EXPECT_TRUE(dialog.LogFileChBx->Checked() && dialog.LogFileEdBx->Enabled());
    EXPECT_TRUE(dialog.KeyboardChBx->Checked());
    EXPECT_FALSE(dialog.SerialPropertiesBtn->Enabled());
    EXPECT_FALSE(dialog.PageCtrl->Page(2)->TabVisible()) << "the serial page is nobody's";
    EXPECT_EQ(store.Writes, writes);
    EXPECT_EQ(host.originStops, 0);
    EXPECT_TRUE(host.infoSocketStops.empty());
    EXPECT_EQ(host.timeOutInterval, 300u) << "the time-out reaches the timer in any case";
}

TEST_F(SettingsDialog, TypedNumbersAreStoredInTheirRangeAndTheTimeOutReachesTheTimer) {
    TSettingsForm& dialog = Open();
    dialog.ToleranceEdBox->SetText("30");
    EXPECT_EQ(*store.IntegerAt("Tolerance"), 30);
    dialog.ToleranceEdBox->SetText("99999");
    EXPECT_EQ(*store.IntegerAt("Tolerance"), 32767);
    SendMessageA(dialog.ToleranceEdBox->Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(dialog.ToleranceEdBox->Text(), "32767") << "the edit shows what was stored";
    dialog.TimeOutEdBx->SetText("40");
    EXPECT_EQ(*store.IntegerAt("Recognition time out"), 100);
    dialog.TimeOutEdBx->SetText("400");
    EXPECT_EQ(host.timeOutInterval, 400u);
    for (char typed : {'x', '-', '7', '\b'}) {
        char key = typed;
        dialog.SkipFirstEdBxKeyPress(dialog.SkipFirstEdBx, key);
        EXPECT_EQ(key, typed == 'x' || typed == '-' ? 0 : typed);
    }
}

TEST_F(SettingsDialog, UncheckingTheLogStopsLoggingAndKeepsTheNameForTheNextCheck) {
    settings.SetStr("Log file", "C:\\Tavrilo\\commands.log");
    TSettingsForm& dialog = Open();
    dialog.LogFileChBx->SetChecked(false);
    EXPECT_EQ(*store.StringAt("Log file"), "");
    EXPECT_EQ(host.logEnabled, (std::vector<bool>{false}));
    EXPECT_EQ(dialog.LogFileEdBx->Text(), "C:\\Tavrilo\\commands.log");
    EXPECT_FALSE(dialog.LogFileEdBx->Enabled());
    dialog.LogFileChBx->SetChecked(true);
    EXPECT_EQ(*store.StringAt("Log file"), "C:\\Tavrilo\\commands.log");
    EXPECT_EQ(host.logEnabled.back(), true);
}

TEST_F(SettingsDialog, AnOriginBoxStopsTheOriginsAndAMouseClickOnTheKeyboardOffersItsPresets) {
    settings.SetStr("Serial port type", "SIRC");
    host.modes.Load(settings);
    settings.SetInt("Tolerance", 500);
    TSettingsForm& dialog = Open();
    ClickWithMouse(dialog.KeyboardChBx);
    EXPECT_EQ(*store.IntegerAt("Use keyboard trapping"), 1);
    EXPECT_EQ(host.originStops, 1);
    ASSERT_EQ(boxes,
              (std::vector<std::string>{
                  "Do you want to apply the default settings for Keyboard press trapping?"}));
    EXPECT_EQ(*store.IntegerAt("Tolerance"), 0);
    EXPECT_EQ(dialog.ToleranceEdBox->Text(), "0");
    EXPECT_EQ(*store.StringAt("Serial port type"), "SIRC") << "the receiver keeps its device";
    // Checked from the keyboard, the box asks nothing.
    dialog.KeyboardChBx->SetChecked(false);
    dialog.AverChBx->SetChecked(true);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(host.originStops, 3);
    EXPECT_TRUE(dialog.AverWndBtn->Enabled());
    // Any mouse button released over the checked box asks.
    boxAnswer = IDNO;
    SendMessageA(dialog.AverChBx->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(SettingsDialog, ThePasswordIsStoredEncipheredAndAnEmptyOneRemovesTheProtection) {
    TSettingsForm& dialog = Open();
    Answer<TInputDlg>([](TInputDlg& asked) {
        EXPECT_EQ(asked.PasswordEdBx->PasswordChar(), '*');
        asked.PasswordEdBx->SetText("Se\xF1or");
        return static_cast<int>(mrOk);
    });
    dialog.PasswordBtn->Click();
    EXPECT_EQ(CheckRestorePassword(*store.StringAt("Restore"), "Se\xF1or"), TPasswordCheck::Right);
    Answer<TInputDlg>([](TInputDlg& asked) {
        asked.PasswordEdBx->SetText("other");
        return static_cast<int>(mrCancel);
    });
    dialog.PasswordBtn->Click();
    EXPECT_EQ(CheckRestorePassword(*store.StringAt("Restore"), "Se\xF1or"), TPasswordCheck::Right);
    Answer<TInputDlg>([](TInputDlg& asked) {
        EXPECT_EQ(asked.PasswordEdBx->Text(), "") << "the field starts empty";
        return static_cast<int>(mrOk);
    });
    dialog.PasswordBtn->Click();
    EXPECT_EQ(*store.StringAt("Restore"), "");
}

TEST_F(SettingsDialog, LaunchAtLogonIsStoredOnlyOnceItsEntryIsWritten) {
    TSettingsForm& dialog = Open();
    host.launchPlace = false;
    dialog.LaunchChBx->SetChecked(true);
    EXPECT_FALSE(store.Has("Launch on startup"));
    host.launchPlace = true;
    dialog.LaunchChBx->SetChecked(false);
    dialog.LaunchChBx->SetChecked(true);
    EXPECT_EQ(*store.IntegerAt("Launch on startup"), 1);
    EXPECT_EQ(host.launches, (std::vector<bool>{true, false, true}));
}

TEST_F(SettingsDialog, ALanguageIsListedByItsNameAndChoosingItTranslatesTheProgramAndTheDialog) {
    program.Write("Lang/english.lng", "");
    program.Write("Lang/pt.br.lng", "[Translations]\r\nSettingsForm.GeneralTab.Caption=Geral\r\n"
                                    "SettingsForm.Caption=Configura\xE7\xF5"
                                    "es\r\n"
                                    "SettingsForm.SoundsList.Columns[0].Caption=Nome\r\n"
                                    "SettingsForm.AverWndBtn.Caption=&Janela...\r\n"
                                    "SettingsForm.BrowseLogBtn.Caption=Procurar...\r\n"
                                    "SettingsForm.CommandsDataCoBx.Items=Todos,Reconhecidos,"
                                    "Desconhecidos\r\n");
    TSettingsForm& dialog = Open();
    ASSERT_EQ(dialog.LangCoBx->Items(), (StringList{"english", "pt.br"}));
    EXPECT_EQ(dialog.LangCoBx->Text(), "english");
    dialog.LangCoBx->SetItemIndex(1);
    dialog.LangCoBxClick(dialog.LangCoBx);
    EXPECT_EQ(host.languages,
              (std::vector<std::string>{TLanguageFolder(program.Path().string()).FileOf("pt.br")}));
    EXPECT_EQ(dialog.GeneralTab->Caption(), "Geral");
    EXPECT_EQ(dialog.Caption(), "Configura\xE7\xF5"
                                "es");
    EXPECT_EQ(dialog.SoundsList->ColumnCaption(0), "Nome");
    // Hidden or without words, they are texts of the dialog all the same.
    EXPECT_EQ(dialog.AverWndBtn->Caption(), "&Janela...");
    EXPECT_EQ(dialog.BrowseLogBtn->Caption(), "Procurar...");
    EXPECT_EQ(dialog.CommandsDataCoBx->Items(),
              (StringList{"Todos", "Reconhecidos", "Desconhecidos"}));
    EXPECT_EQ(*store.StringAt("Language"), "pt.br");
    // A language whose file went meanwhile is not taken.
    std::filesystem::remove(program.Path() / "Lang" / "english.lng");
    dialog.LangCoBx->SetItemIndex(0);
    dialog.LangCoBxClick(dialog.LangCoBx);
    EXPECT_EQ(*store.StringAt("Language"), "pt.br");
}

TEST_F(SettingsDialog, WindowsSoundsAreListedAndOwnSoundsAddedReplacedAndDeleted) {
    key.PutString("", "%SystemRoot%\\media\\ding.wav",
                  "AppEvents\\Schemes\\Apps\\.Default\\SystemAsterisk\\.Current");
    key.PutString("", "Asterisk", "AppEvents\\EventLabels\\SystemAsterisk");
    key.PutString("", "C:\\nav.wav", "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.Current");
    key.PutString("", "", "AppEvents\\Schemes\\Apps\\Explorer\\Silent\\.Current");
    settings.SetSounds({{"Bell", "C:\\bell.wav"}});
    TSettingsForm& dialog = Open();
    ASSERT_EQ(dialog.WinSoundsCoBx->Items(), (StringList{"Asterisk", "Navigating"}));
    EXPECT_FALSE(dialog.WinSoundsCoBx->Enabled());
    dialog.WinSoundsRBtn->SetChecked(true);
    EXPECT_TRUE(dialog.WinSoundsCoBx->Enabled());
    dialog.WinSoundsCoBx->SetItemIndex(0);
    dialog.NewSoundBtn->Click();
    ASSERT_EQ(dialog.Sounds().size(), 2u);
    EXPECT_EQ(dialog.Sounds()[0].Name, "Asterisk");
    EXPECT_EQ(dialog.Sounds()[0].Path.find('%'), std::string::npos) << dialog.Sounds()[0].Path;

    dialog.ExternalFileRBtn->SetChecked(true);
    TSeamScope file(OpenFileDialogSeam(), [](const TFileDialogRequest& request) {
        EXPECT_EQ(request.Filter, "Wave table (*.wav)|*.wav");
        return std::optional<std::string>("C:\\Sounds\\door.wav");
    });
    std::string named;
    Answer<TInputDlg>([&](TInputDlg& asked) {
        EXPECT_EQ(asked.PasswordEdBx->Text(), "door.wav");
        asked.PasswordEdBx->SetText(named);
        return static_cast<int>(named == "cancel" ? mrCancel : mrOk);
    });
    for (std::string name : {"cancel", " "}) {
        named = name;
        dialog.NewSoundBtn->Click();
    }
    EXPECT_EQ(dialog.Sounds().size(), 2u);
    EXPECT_EQ(boxes, (std::vector<std::string>{"A sound needs a name."}));
    named = "bell";
    dialog.NewSoundBtn->Click();
    ASSERT_EQ(dialog.Sounds().size(), 2u) << "a sound of a name taken replaces it";
    EXPECT_EQ(dialog.Sounds()[1], (TSoundEntry{"bell", "C:\\Sounds\\door.wav"}));
    EXPECT_EQ(dialog.SoundsList->Item(1)->SubItems()[0], "C:\\Sounds\\door.wav");

    dialog.SoundsList->SetItemIndex(0);
    WORD deleteKey = VK_DELETE;
    boxAnswer = IDNO;
    dialog.SoundsListKeyDown(dialog.SoundsList, deleteKey, 0);
    EXPECT_EQ(dialog.Sounds().size(), 2u);
    boxAnswer = IDYES;
    dialog.SoundsListKeyDown(dialog.SoundsList, deleteKey, 0);
    EXPECT_EQ(dialog.Sounds(), (std::vector<TSoundEntry>{{"bell", "C:\\Sounds\\door.wav"}}));
    EXPECT_EQ(settings.Sounds(), (std::vector<TSoundEntry>{{"Bell", "C:\\bell.wav"}}))
        << "the opener stores the list when the dialog has closed";
}

TEST_F(SettingsDialog, TheInfoPortStopsTheInfoSocketsAndTheBoxesAndButtonsStoreTheirValues) {
    TSettingsForm& dialog = Open();
    dialog.TCPServerPortEdBx->SetText("50000");
    EXPECT_EQ(host.infoSocketStops, (std::vector<int>{50000}));
    EXPECT_EQ(*store.IntegerAt("TCP/IP info port"), 50000);
    dialog.TCPInfoClientRBtn->SetChecked(true);
    EXPECT_EQ(*store.IntegerAt("TCP/IP info type"), 1);
    dialog.TCPCommandNameChBx->SetChecked(true);
    EXPECT_EQ(*store.IntegerAt("TCP/IP info send command"), 1);
    dialog.BinaryChBx->SetChecked(true);
    EXPECT_EQ(*store.IntegerAt("Binary values"), 1);
    EXPECT_TRUE(dialog.BinaryEdBx->Enabled());
    dialog.CopyDDELinkInfoBtn->Click();
    EXPECT_EQ(host.ddeLinks, 1);
    TSeamScope font(FontDialogSeam(), [](TFontDialogData& data) {
        EXPECT_STREQ(data.Font.lfFaceName, "Arial");
        EXPECT_EQ(data.Font.lfWeight, FW_BOLD);
        strcpy(data.Font.lfFaceName, "Tahoma");
        data.Font.lfWeight = FW_NORMAL;
        data.Font.lfItalic = TRUE;
        data.Color = RGB(255, 0, 0);
        return true;
    });
    dialog.TextFontBtn->Click();
    EXPECT_EQ(*store.StringAt("OSD font name"), "Tahoma");
    EXPECT_EQ(*store.IntegerAt("OSD font size"), 28);
    EXPECT_EQ(*store.IntegerAt("OSD font bold"), 0);
    EXPECT_EQ(*store.IntegerAt("OSD font italic"), 1);
    EXPECT_EQ(*store.IntegerAt("OSD font color"), 0xFF);
}

TEST_F(SettingsDialog, AcceptedPropertiesAreStoredButAnAddressOutOfRangeIsNot) {
    TSettingsForm& dialog = Open();
    Answer<TSerialSettingsForm>([](TSerialSettingsForm& serial) {
        EXPECT_EQ(serial.PortKind, kReceiverPortKind);
        serial.PortCoBx->SetItemIndex(2);
        serial.InitStringMemo->SetText("IRX");
        return static_cast<int>(mrOk);
    });
    dialog.SerialPropertiesBtn->Click();
    EXPECT_EQ(host.originStops, 1);
    EXPECT_EQ(*store.IntegerAt("Serial port"), 3);
    EXPECT_EQ(*store.StringAt("Serial init string"), "IRX");
    Answer<TSerialSettingsForm>([](TSerialSettingsForm& serial) {
        EXPECT_FALSE(serial.SerialTypeCoBx->Enabled()) << "the console's type is not chosen here";
        serial.PortCoBx->SetItemIndex(3);
        return static_cast<int>(mrCancel);
    });
    dialog.SerialConsolePropertiesBtn->Click();
    EXPECT_FALSE(store.Has("Serial2 port"));

    Answer<TTCPSettingsForm>([](TTCPSettingsForm& tcp) {
        tcp.ServerPortEdBx->SetText("50000");
        tcp.IP3EdBx->SetText("300");
        return static_cast<int>(mrOk);
    });
    dialog.TCPIPPropertiesBtn->Click();
    EXPECT_EQ(*store.IntegerAt("TCP/IP server port"), 50000);
    EXPECT_FALSE(store.Has("TCP/IP server IP"));
    Answer<TTCPSettingsForm>([](TTCPSettingsForm& tcp) {
        EXPECT_EQ(tcp.ServerPortEdBx->Text(), "50000");
        tcp.IP1EdBx->SetText("10");
        tcp.IP2EdBx->SetText("");
        tcp.IP3EdBx->SetText("");
        tcp.IP4EdBx->SetText("1");
        return static_cast<int>(mrOk);
    });
    dialog.TCPIPPropertiesBtn->Click();
    EXPECT_EQ(*store.IntegerAt("TCP/IP server port"), 50000);
    EXPECT_EQ(*store.StringAt("TCP/IP server IP"), "10...1");
}

TEST_F(SettingsDialog, HelpAsksForTheContextOfTheActivePageAndNothingOnPagesWithout) {
    TSettingsForm& dialog = Open();
    std::vector<ULONG_PTR> contexts;
    Application().OnHelp = [&](UINT command, ULONG_PTR data, bool& callHelp) {
        // The popup position that comes first follows the focus.
        if (command == HELP_CONTEXT)
            contexts.push_back(data);
        callHelp = false;
        return true;
    };
    for (TTabSheet* page : {dialog.GeneralTab, dialog.OriginTab, dialog.RecognitionTab,
                            dialog.SoundsTab, dialog.OSDTab, dialog.DDETCPTab}) {
        dialog.PageCtrl->SetActivePage(page);
        dialog.HelpBtn->Click();
    }
    Application().OnHelp = nullptr;
    EXPECT_EQ(contexts, (std::vector<ULONG_PTR>{1051, 1052, 1053, 1054}));
}

} // namespace
