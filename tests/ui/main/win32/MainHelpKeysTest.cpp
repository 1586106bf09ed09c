// Help in the running program's windows: the main window's Help button and Help > Index, the
// learn dialog's and the action editor's Help buttons, F1 and the Help button in the layouts
// dialog and on the pages of the settings dialog and of a dialog whose pages carry their help,
// and the end of the help with the main window. The help control is Wine's; what reaches it is
// seen at its entry point.

#include "framework/win32/ProgramPath.h"
#include "framework/win32/Pump.h"
#include "support/help/win32/HelpModules.h"
#include "support/help/win32/HtmlHelpApi.h"
#include "ui/action/win32/ActionForm.h"
#include "ui/layouts/win32/LayoutsForm.h"
#include "ui/learn/win32/LearnForm.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"
#include "ui/settings/win32/SettingsForm.h"
#include "ui/win32/SampleDialog.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct ViewerCall {
    std::string File;
    UINT Command;
    DWORD_PTR Data;
    bool operator==(const ViewerCall&) const = default;
};

struct HelpRequestKeys : ::testing::Test {
    help::THelpModules modules{{TAVRILO_EXE_DIR "/win32_tests.exe"}};
    std::vector<ViewerCall> viewer;
    TSeamScope<help::THtmlHelpCall> entry{
        help::HtmlHelpCallSeam(),
        [this](HWND caller, const char* file, UINT command, DWORD_PTR data) -> HWND {
            EXPECT_EQ(caller, command == help::kHHCloseAll ? nullptr : GetDesktopWindow());
            viewer.push_back({file != nullptr ? file : "", command, data});
            // A shown page answers with its window, which the hook brings to the front: the
            // window in front already stands in for it, so that the keys go where they went.
            return command == help::kHHHelpContext ? GetForegroundWindow() : nullptr;
        }};
    // What the application's help hook is asked, before it answers.
    std::vector<std::pair<UINT, ULONG_PTR>> asked;
    bool previousAsked = false;
    test::MainFormKey key;
    TMainForm* form = nullptr;
    std::string helpFile;

    HelpRequestKeys() {
        Application().OnHelp = [this](UINT, ULONG_PTR, bool&) { return previousAsked = true; };
        form = new TMainForm(nullptr, key.Path());
        helpFile = ProgramFolder() + "tvrlhelp.chm";
        Application().OnHelp = [this, hook = Application().OnHelp](UINT command, ULONG_PTR data,
                                                                   bool& callHelp) {
            asked.emplace_back(command, data);
            return hook(command, data, callHelp);
        };
    }
    ~HelpRequestKeys() override {
        delete form;
        Application().OnHelp = nullptr;
    }
    static ULONG_PTR Corner(const TControl* control) {
        POINT corner{0, 0};
        ClientToScreen(control->Handle(), &corner);
        return MAKELONG(corner.x, corner.y);
    }
    static void PressF1(const TControl* control) {
        PostMessageA(control->Handle(), WM_KEYDOWN, VK_F1, 1);
        test::PumpFor(30ms);
    }
};

using Asked = std::vector<std::pair<UINT, ULONG_PTR>>;

} // namespace

TEST_F(HelpRequestKeys, TheMainWindowsHelpButtonAndHelpIndexOpenItsPage) {
    form->Show();
    form->HelpBtn->SetFocus();
    form->HelpBtn->Click();
    SendMessageA(form->Handle(), WM_COMMAND, form->IndexMenu->Command(), 0);
    const ViewerCall page{helpFile, help::kHHHelpContext, 1000};
    EXPECT_EQ(viewer, (std::vector<ViewerCall>{page, page}));
    // The button has no help of its own; the window has.
    EXPECT_EQ(asked, (Asked{{HELP_SETPOPUP_POS, Corner(form)},
                            {HELP_CONTEXT, 1000},
                            {HELP_SETPOPUP_POS, Corner(form)},
                            {HELP_CONTEXT, 1000}}));
    EXPECT_FALSE(previousAsked);
}

TEST_F(HelpRequestKeys, TheLearnDialogsHelpButtonAsksForLearning) {
    TLearnQueue queue;
    auto* learn = new TLearnForm(nullptr, queue, "");
    learn->Show();
    learn->HelpBtn->SetFocus();
    learn->HelpBtn->Click();
    EXPECT_EQ(viewer, (std::vector<ViewerCall>{{helpFile, help::kHHHelpContext, 1012}}));
    EXPECT_EQ(asked, (Asked{{HELP_SETPOPUP_POS, Corner(learn)}, {HELP_CONTEXT, 1012}}));
    delete learn;
}

TEST_F(HelpRequestKeys, TheActionEditorsHelpButtonAsksForItsPage) {
    TActionForm& editor = form->ActionEditor();
    editor.Show();
    editor.HelpBtn->SetFocus();
    editor.HelpBtn->Click();
    EXPECT_EQ(viewer, (std::vector<ViewerCall>{{helpFile, help::kHHHelpContext, 1020}}));
    EXPECT_EQ(asked, (Asked{{HELP_SETPOPUP_POS, Corner(&editor)}, {HELP_CONTEXT, 1020}}));
}

TEST_F(HelpRequestKeys, TheLayoutsDialogOfTheActionsMenuAsksForLayoutsByF1AndItsHelpButton) {
    TForm::ModalHook = [this](TForm& shown) {
        auto& layouts = dynamic_cast<TLayoutsForm&>(shown);
        layouts.Show();
        layouts.LayoutList->SetFocus();
        PressF1(layouts.LayoutList);
        layouts.HelpBtn->SetFocus();
        layouts.HelpBtn->Click();
        EXPECT_EQ(asked, (Asked{{HELP_SETPOPUP_POS, Corner(&layouts)},
                                {HELP_CONTEXT, 1041},
                                {HELP_SETPOPUP_POS, Corner(&layouts)},
                                {HELP_CONTEXT, 1041}}));
        return mrCancel;
    };
    form->Show();
    form->LayoutSetupMenuClick(form->LayoutSetupMenu);
    TForm::ModalHook = nullptr;
    const ViewerCall page{helpFile, help::kHHHelpContext, 1041};
    EXPECT_EQ(viewer, (std::vector<ViewerCall>{page, page}));
}

TEST_F(HelpRequestKeys, F1OnTheGeneralPageOfTheSettingsSaysWhereThePageIsAndAsksForItsHelp) {
    TForm::ModalHook = [this](TForm& shown) {
        auto& settings = dynamic_cast<TSettingsForm&>(shown);
        settings.Show();
        settings.PageCtrl->SetActivePage(settings.GeneralTab);
        settings.LaunchChBx->SetFocus();
        PressF1(settings.LaunchChBx);
        EXPECT_EQ(asked,
                  (Asked{{HELP_SETPOPUP_POS, Corner(settings.GeneralTab)}, {HELP_CONTEXT, 1051}}));
        // The Help button: the page's help, none on a page without.
        settings.PageCtrl->SetActivePage(settings.OriginTab);
        settings.HelpBtn->Click();
        settings.PageCtrl->SetActivePage(settings.DDETCPTab);
        settings.HelpBtn->Click();
        return mrOk;
    };
    form->SettingsMenuClick(form->SettingsBtn);
    TForm::ModalHook = nullptr;
    EXPECT_EQ(viewer, (std::vector<ViewerCall>{{helpFile, help::kHHHelpContext, 1051},
                                               {helpFile, help::kHHHelpContext, 1054}}));
}

TEST_F(HelpRequestKeys, F1OnAPageAsksForThePagesHelpAndSaysWhereThePageIs) {
    test::TSampleSettings settings;
    auto* dialog = new test::TSampleDialog(nullptr, settings);
    dialog->Show();
    dialog->PortCoBx->SetFocus();
    PressF1(dialog->PortCoBx);
    EXPECT_EQ(asked,
              (Asked{{HELP_SETPOPUP_POS, Corner(dialog->GeneralTab)}, {HELP_CONTEXT, 1051}}));
    // A page without help of its own has the dialog's.
    dialog->PageCtl->SetActivePage(dialog->OptionsTab);
    dialog->BinaryChBx->SetFocus();
    PressF1(dialog->BinaryChBx);
    // The Help button asks for the page's help only where the page has some.
    dialog->HelpBtn->Click();
    dialog->PageCtl->SetActivePage(dialog->SoundsTab);
    dialog->HelpBtn->SetFocus();
    dialog->HelpBtn->Click();
    EXPECT_EQ(viewer, (std::vector<ViewerCall>{{helpFile, help::kHHHelpContext, 1051},
                                               {helpFile, help::kHHHelpContext, 1050},
                                               {helpFile, help::kHHHelpContext, 1052}}));
    delete dialog;
}

TEST_F(HelpRequestKeys, ANegativeContextIsAnErrorOfTheProgramAndOpensNothing) {
    std::vector<std::string> errors;
    const auto shown = TApplication::ShowException;
    TApplication::ShowException = [&](const std::string& text) { errors.push_back(text); };
    form->Show();
    form->RunBtn->HelpContext = -3;
    form->RunBtn->SetFocus();
    PressF1(form->RunBtn);
    TApplication::ShowException = shown;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Range check error"), std::string::npos) << errors[0];
    EXPECT_TRUE(viewer.empty());
}

TEST_F(HelpRequestKeys, TheEndOfTheMainWindowClosesTheViewerAndGivesTheHelpEventBack) {
    Application().OnHelp = nullptr; // the recorder of the fixture no longer stands in between
    delete form;
    form = nullptr;
    const ViewerCall closeAll{"", help::kHHCloseAll, 0};
    EXPECT_EQ(viewer, (std::vector<ViewerCall>{closeAll, closeAll}));
    ASSERT_TRUE(Application().OnHelp);
    bool callHelp = true;
    Application().OnHelp(HELP_CONTEXT, 1000, callHelp);
    EXPECT_TRUE(previousAsked);
}

// Without the help modules no help control is found.
TEST(HelpWithoutControlKeys, ARequestSaysSoAndTheHookStillEndsWithTheMainWindow) {
    bool previousAsked = false;
    Application().OnHelp = [&](UINT, ULONG_PTR, bool&) { return previousAsked = true; };
    std::vector<std::string> boxes;
    TSeamScope box(MessageBoxSeam(), [&](const std::string& text, const std::string& caption,
                                         UINT flags) {
        boxes.push_back(caption + ": " + text + (flags == (MB_OK | MB_ICONEXCLAMATION) ? "" : "?"));
        return IDOK;
    });
    test::MainFormKey key;
    auto* form = new TMainForm(nullptr, key.Path());
    form->HelpBtn->Click();
    EXPECT_EQ(boxes, std::vector<std::string>{Application().Title() +
                                              ": MS Html Help is not installed on this PC."});
    delete form;
    bool callHelp = true;
    Application().OnHelp(HELP_CONTEXT, 1000, callHelp);
    EXPECT_TRUE(previousAsked);
    Application().OnHelp = nullptr;
}
