// Pictures of the forms, in English and with texts 40 % longer, at the DPI the run has (96, and
// 144 in the dpi144 run), to look at before a form is called done. Each look is also checked:
// nothing in it is clipped, the texts a dialog reads straight from the file included, and a
// dialog that its texts make as wide as it is grows with the longer ones.

#include "Clipping.h"
#include "LongerTexts.h"
#include "SampleDialog.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Screenshot.h"
#include "framework/win32/TestRegistryKey.h"
#include "ui/action/win32/ActionFormWorld.h"
#include "ui/lang/TempFolder.h"
#include "ui/layouts/win32/LayoutPropForm.h"
#include "ui/layouts/win32/LayoutsForm.h"
#include "ui/learn/win32/LearnForm.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"
#include "ui/password/win32/Password.h"
#include "ui/serialsettings/win32/FakeSerialDialogHost.h"
#include "ui/serialsettings/win32/SerialSettingsForm.h"
#include "ui/settings/win32/FakeSettingsFormHost.h"
#include "ui/settings/win32/SettingsForm.h"
#include "ui/splash/win32/SplashForm.h"
#include "ui/tcpsettings/win32/TCPSettingsForm.h"
#include "ui/testorigin/win32/TestOriginForm.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tav;

namespace {

// Saves the picture of the form as it shows now, and checks that nothing in it is clipped.
void Shoot(TForm& form, const std::string& name) {
    EXPECT_NO_THROW(test::SaveScreenshot(form.Handle(), name)) << name;
    test::ExpectNothingClipped(form, name);
}

void ShowAndShoot(TForm& form, const std::string& name) {
    form.Show();
    test::PumpFor(std::chrono::milliseconds(40));
    Shoot(form, name);
}

// A dialog is measured from its texts: the one with the longer texts is wider.
void ExpectWider(const TForm& longer, const TForm& english, const std::string& name) {
    EXPECT_GT(longer.ClientWidth(), english.ClientWidth()) << name << " does not grow";
}

TEST(SampleDialogDpi, PagesAreSavedAsPicturesInEnglishAndWithLongerTexts) {
    test::TSampleSettings settings;
    test::TSampleDialog dialog(nullptr, settings);
    SetWindowPos(dialog.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    dialog.Show();
    auto shoot = [&](const std::string& language) {
        for (int page = 0; page < dialog.PageCtl->PageCount(); ++page) {
            dialog.PageCtl->SetActivePageIndex(page);
            test::PumpFor(std::chrono::milliseconds(40));
            const std::string name =
                "sample-dialog-" + dialog.PageCtl->Page(page)->Name() + "-" + language;
            Shoot(dialog, name);
        }
    };
    const int englishWidth = dialog.ClientWidth();
    shoot("english");
    test::TempFolder folder;
    dialog.Lang->SetLanguageFile(folder.Write(
        "longer.lng", test::LongerLanguageFile(dialog, test::SampleDialogTranslations)));
    EXPECT_GT(dialog.ClientWidth(), englishWidth) << "the dialog grows with its texts";
    shoot("longer");
}

} // namespace

namespace {

// A small document: two remotes, a second layout, and an item with triggers and actions.
void LoadSmallDocument(TMainForm& form) {
    TDocument& doc = form.Document();
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* volUp = doc.AddCommand(tv, "Vol+");
    doc.AddCommand(tv, "Vol-");
    TCommandNode* vcr = doc.AddRemote("VCR");
    TCommandNode* play = doc.AddCommand(vcr, "Play");
    // Learned, learned with recognition off, and not learned: each shows its picture.
    doc.SetCode(*volUp->Data(), {1, 2, 3, 4});
    doc.SetCode(*play->Data(), {1, 2, 3, 4});
    doc.SetRecognition(play, false);
    doc.AddLayout("Media Player", "Media Player", "");
    doc.AddAction(doc.DefaultLayout(), "Mute");
    TAction* item = doc.AddAction(doc.DefaultLayout(), "Louder");
    doc.AddTrigger(item, volUp);
    doc.AddTrigger(item, play);
    doc.AddTrigger(item, volUp);
    item->TrigType = 1;
    // One action of every kind, each with its picture.
    item->ActionStrings = {"\xA1OSD\xA1Louder, please Delay:0",
                           "\xA1SendKeys\xA1NCNE9Delay:0DestWnd:KeepActive:N",
                           "\xA1MouseControl\xA1RelMove:6Accel:5Delay:250",
                           "\xA1"
                           "ExecuteProgram\xA1Try:Filename:C:\\Tools\\viewer.exeParams:/"
                           "fSuspend:NDelay:0",
                           "\xA1Mixer\xA1"
                           "0D:0C:1Vol:1Inc:5Delay:0",
                           "\xA1SendData\xA1Stream:0D0AFFDelay:0",
                           "\xA1PostMessage\xA1WM_APPCOMMANDwParam:0lParam:A0000Delay:250DestWnd:"
                           "KeepActive:N",
                           "\xA1WindowState\xA1"
                           "2Delay:0"};
    form.CommandsView().Fill();
    form.CommandsView().Select(volUp);
    form.ShowActionItem();
}

TEST(MainWindowDpi, IsSavedAsAPictureInEnglishAndWithLongerTexts) {
    test::MainFormKey key;
    TMainForm form(nullptr, key.Path());
    SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    form.Show();
    form.StatBar->SetPanelText(0, "C:\\Program Files\\Tavrilo\\Living room.tvr");
    form.StatBar->SetPanelText(1, "Serial, Keyboard");
    LoadSmallDocument(form);
    auto shoot = [&](const std::string& language) {
        for (TTabSheet* page : {form.TriggerTab, form.ActionListTab}) {
            form.ActionPageCtrl->SetActivePage(page);
            test::PumpFor(std::chrono::milliseconds(40));
            const std::string name = "main-window-" + page->Name() + "-" + language;
            Shoot(form, name);
        }
    };
    shoot("english");
    test::TempFolder folder;
    form.Lang->SetLanguageFile(
        folder.Write("longer.lng", test::LongerLanguageFile(form, MainFormTranslations)));
    shoot("longer");
}

} // namespace

namespace {

// A direct-read line of the language file, 40 % longer than `english`.
std::string LongerDirect(std::string_view key, const std::string& english) {
    return std::string(key) + "=" + test::Longer(english) + "\r\n";
}

TEST(SmallDialogsDpi, AboutBoxAndSplashScreenAreSavedAsPictures) {
    TSplashForm about(nullptr);
    ShowAndShoot(about, "about-box");
    about.Hide();
    about.ShowSplash();
    ShowAndShoot(about, "splash-screen");
}

TEST(SmallDialogsDpi, PasswordDialogIsSavedInEnglishAndWithLongerTexts) {
    TInputDlg english(nullptr, "", TInputMode::Password);
    english.PasswordEdBx->SetText("secret");
    ShowAndShoot(english, "password-dialog-english");
    test::TempFolder folder;
    const std::string file =
        folder.Write("longer.lng", test::LongerLanguageFile(english, InputDlgTranslations) +
                                       LongerDirect(direct::PasswordDlgCaption, english.Caption()) +
                                       LongerDirect(direct::PasswordDlgPromptCaption,
                                                    english.EnterPasswordLbl->Caption()));
    TInputDlg longer(nullptr, file, TInputMode::Password);
    longer.PasswordEdBx->SetText("secret");
    ShowAndShoot(longer, "password-dialog-longer");
}

TEST(SmallDialogsDpi, OriginTestDialogIsSavedInEnglishAndWithLongerTexts) {
    auto origins = [] {
        std::vector<TTestOrigin> list;
        for (const char* caption : {"&Serial port:", "&Keyboard trapping", "&TCP/IP"})
            list.push_back({caption, true, [](bool) {}});
        return list;
    };
    auto shoot = [](TTestOriginForm& form, const std::string& name) {
        form.Show();
        form.ShowDataFromCoBx->SetItemIndex(1);
        for (const char* line : {"28 ", "28 ", "4B ", "1C "})
            form.AddLine(line);
        ShowAndShoot(form, name);
    };
    TTestOriginForm english(nullptr, origins(), {}, "");
    shoot(english, "origin-test-english");
    test::TempFolder folder;
    const std::string file = folder.Write(
        "longer.lng", test::LongerLanguageFile(english, TestOriginFormTranslations) +
                          LongerDirect(direct::TestOriginFormCaption, english.Caption()));
    TTestOriginForm longer(nullptr, origins(), {}, file);
    shoot(longer, "origin-test-longer");
    ExpectWider(longer, english, "origin test");
}

} // namespace

namespace {

TEST(LearnDialogDpi, IsSavedWithItsLightsInEnglishAndWithLongerTexts) {
    TLearnQueue queue;
    auto shoot = [](TLearnForm& form, const std::string& name) {
        form.Show();
        form.SetProgressMax(180);
        form.SetProgressPosition(120);
        form.SetCircleColor(0, 0x00FF00);
        form.SetCircleColor(1, 0x0000FF);
        form.EnableAccept();
        ShowAndShoot(form, name);
    };
    TLearnForm english(nullptr, queue, "");
    shoot(english, "learn-dialog-english");
    // A language file holds the instructions on one line, and a translation longer by 40 %
    // has longer words, not one word that long; the dialog breaks the line itself.
    std::string instructions;
    for (const std::string& word : SplitString(english.InstructionsLbl->Caption(), " "))
        for (const std::string& part : SplitString(word, "\n")) {
            if (!instructions.empty())
                instructions += ' ';
            instructions += test::Longer(part);
        }
    const std::string key = "LearnForm.InstructionsLbl.Caption=";
    std::string lines = test::LongerLanguageFile(english, LearnFormTranslations);
    const std::size_t at = lines.find(key);
    lines.replace(at, lines.find("\r\n", at) - at, key + instructions);
    test::TempFolder folder;
    const std::string file = folder.Write(
        "longer.lng", lines + LongerDirect(direct::LearnFormCaption, english.Caption()));
    TLearnForm longer(nullptr, queue, file);
    shoot(longer, "learn-dialog-longer");
    EXPECT_EQ(longer.Caption(), test::Longer("Learn command"));
}

} // namespace

namespace {

std::string LongerDialogFile(test::TempFolder& folder, TForm& form, const TFormTranslations& table,
                             std::string_view captionKey) {
    return folder.Write(std::string(table.FormKey) + ".lng",
                        test::LongerLanguageFile(form, table) +
                            LongerDirect(captionKey, form.Caption()));
}

TEST(PortDialogsDpi, TheSerialDialogOfEachPortIsSavedInEnglishAndWithLongerTexts) {
    test::FakeSerialDialogHost host;
    test::TempFolder folder;
    struct Look {
        const char* Name;
        const char* Receiver;
        int Kind;
    };
    for (const Look& look : {Look{"serial-receiver", "Generic", kReceiverPortKind},
                             Look{"serial-search", "UIR, Irman", kReceiverPortKind},
                             Look{"serial-output", "Generic", kOutputPortKind}}) {
        host.SetTypes(look.Receiver, "Generic");
        TSerialSettingsForm english(nullptr, host.settings, host, "");
        english.PortKind = look.Kind;
        ShowAndShoot(english, std::string(look.Name) + "-english");
        TSerialSettingsForm longer(nullptr, host.settings, host,
                                   LongerDialogFile(folder, english, SerialSettingsFormTranslations,
                                                    direct::SerialSettingsFormCaption));
        longer.PortKind = look.Kind;
        ShowAndShoot(longer, std::string(look.Name) + "-longer");
        ExpectWider(longer, english, look.Name);
    }
}

TEST(PortDialogsDpi, TheTcpDialogIsSavedInEnglishAndWithLongerTexts) {
    test::FakeSettingsStore store;
    TSettings settings(store);
    settings.SetBool("TCP/IP server enabled", true);
    test::TempFolder folder;
    TTCPSettingsForm english(nullptr, settings, "");
    ShowAndShoot(english, "tcp-dialog-english");
    TTCPSettingsForm longer(nullptr, settings,
                            LongerDialogFile(folder, english, TCPSettingsFormTranslations,
                                             direct::TCPSettingsFormCaption));
    ShowAndShoot(longer, "tcp-dialog-longer");
    ExpectWider(longer, english, "TCP/IP dialog");
}

} // namespace

namespace {

TEST(SettingsDialogDpi, EveryPageIsSavedInEnglishAndWithLongerTexts) {
    test::FakeSettingsFormHost host;
    host.settings.SetSounds({{"Doorbell", "C:\\Windows\\Media\\ding.wav"},
                             {"Power off", "C:\\Program Files\\Tavrilo\\Sounds\\off.wav"}});
    host.settings.SetStr("Log file", "C:\\Tavrilo\\commands.log");
    host.settings.SetBool("Use TCP/IP", true);
    test::TempFolder program;
    program.Write("Lang/english.lng", "");
    auto shoot = [](TSettingsForm& form, const std::string& language) {
        SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
        form.Show();
        for (int page = 0; page < form.PageCtrl->PageCount(); ++page) {
            if (!form.PageCtrl->Page(page)->TabVisible())
                continue;
            form.PageCtrl->SetActivePageIndex(page);
            test::PumpFor(std::chrono::milliseconds(40));
            const std::string name =
                "settings-" + form.PageCtrl->Page(page)->Name() + "-" + language;
            Shoot(form, name);
        }
    };
    const TSettingsFormPlaces places{program.Path().string(), "\\NoAppEvents"};
    TSettingsForm english(nullptr, host.settings, host, places);
    shoot(english, "english");
    program.Write("Lang/longer.lng",
                  test::LongerLanguageFile(english, SettingsFormTranslations) +
                      LongerDirect(direct::SettingsFormCaption, english.Caption()) +
                      LongerDirect(direct::SettingsFormSoundsColumn0Caption, "Sound name") +
                      LongerDirect(direct::SettingsFormSoundsColumn1Caption, "File name"));
    host.settings.SetStr("Language", "longer");
    TSettingsForm longer(nullptr, host.settings, host, places);
    shoot(longer, "longer");
    EXPECT_EQ(longer.SoundsList->ColumnCaption(0), test::Longer("Sound name"));
}

} // namespace

namespace {

// Each page of the action editor with an action of its type.
TEST(ActionEditorDpi, EveryPageIsSavedInEnglishAndWithLongerTexts) {
    test::ActionFormWorld world;
    std::unique_ptr<TActionForm> editor(world.Make());
    SetWindowPos(editor->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    editor->Show();
    const std::string actions[] = {
        "\xA1SendKeys\xA1"
        "ACNNhelloDelay:0DestWnd:Untitled - Notepad, NotepadKeepActive:Y",
        "\xA1MouseControl\xA1RelMove:6Accel:5Delay:250",
        "\xA1"
        "ExecuteProgram\xA1Try:Viewer, TViewerFilename:C:\\Tools\\viewer.exeParams:/f"
        "Suspend:YDelay:0",
        "\xA1PostMessage\xA1"
        "BeepwParam:1AlParam:2BDelay:500DestWnd:KeepActive:N",
        "\xA1Mixer\xA1"
        "0D:0C:2Vol:1Inc:5Delay:0",
        "\xA1OSD\xA1"
        "Current timeDelay:0",
        "\xA1SendData\xA1Stream:0D0AFFDelay:0",
    };
    auto shoot = [&](const std::string& language) {
        for (const std::string& action : actions) {
            ASSERT_NO_THROW(editor->LoadActionIntoDialog(action));
            test::PumpFor(std::chrono::milliseconds(40));
            const std::string name =
                "action-editor-" + editor->PanelsCtrl->ActivePage()->Name() + "-" + language;
            Shoot(*editor, name);
        }
    };
    shoot("english");
    test::TempFolder folder;
    editor->Lang->SetLanguageFile(
        folder.Write("longer.lng", test::LongerLanguageFile(*editor, ActionFormTranslations)));
    shoot("longer");
}

// A running application with an icon and a window it owns, for the tree to show.
struct ShownApplication {
    const char* ClassName = "TavShotsPlayer";
    HWND Main = nullptr;
    HWND Owned = nullptr;
    ShownApplication() {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = ClassName;
        wc.hIconSm = LoadIconA(nullptr, IDI_INFORMATION);
        RegisterClassExA(&wc);
        Main = CreateWindowExA(0, ClassName, "Media Player", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400,
                               300, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
        Owned = CreateWindowExA(0, ClassName, "Playlist; party", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                420, 320, 150, 60, Main, nullptr, wc.hInstance, nullptr);
    }
    ~ShownApplication() {
        DestroyWindow(Owned);
        DestroyWindow(Main);
        UnregisterClassA(ClassName, GetModuleHandleA(nullptr));
    }
};

TEST(LayoutsDialogsDpi, BothDialogsAreSavedInEnglishAndWithLongerTexts) {
    ShownApplication player;
    TDocument doc{[] { return std::string("Default"); }};
    doc.AddLayout("Media Player", "Windows Media Player", "WMPlayerApp");
    doc.AddLayout("Editor", "Notepad", "Notepad");
    auto shoot = [](TLayoutsForm& form, const std::string& name) {
        SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
        form.LayoutList->SetItemIndex(1);
        form.AppsTreeList->FullExpand();
        ShowAndShoot(form, name);
    };
    TLayoutsForm english(nullptr, doc, "");
    shoot(english, "layouts-dialog-english");
    test::TempFolder folder;
    const std::string file = folder.Write(
        "longer.lng", test::LongerLanguageFile(english, LayoutsFormTranslations) +
                          LongerDirect(direct::LayoutsFormCaption, english.Caption()) +
                          LongerDirect(direct::LayoutsFormColumn0Caption, "Layout name") +
                          LongerDirect(direct::LayoutsFormColumn1Caption, "Window title") +
                          LongerDirect(direct::LayoutsFormColumn2Caption, "Class name"));
    TLayoutsForm longer(nullptr, doc, file);
    shoot(longer, "layouts-dialog-longer");
    EXPECT_EQ(longer.LayoutList->ColumnCaption(2), test::Longer("Class name"));

    TLayoutPropForm props(nullptr, "");
    props.ShowTexts({"Media Player", "Windows Media Player", "WMPlayerApp"});
    ShowAndShoot(props, "layout-properties-english");
    TLayoutPropForm longerProps(nullptr, LongerDialogFile(folder, props, LayoutPropFormTranslations,
                                                          direct::LayoutPropFormCaption));
    longerProps.ShowTexts({"Media Player", "Windows Media Player", "WMPlayerApp"});
    ShowAndShoot(longerProps, "layout-properties-longer");
}

} // namespace
