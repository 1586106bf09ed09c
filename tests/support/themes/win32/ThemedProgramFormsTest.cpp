// The main window's theme manager over the program's own forms, under the prefix's "Light"
// style.

#include "framework/win32/Pump.h"
#include "framework/win32/StdCtrls.h"
#include "support/themes/win32/StyleManager.h"
#include "support/themes/win32/ThemeServices.h"
#include "ui/action/win32/ActionForm.h"
#include "ui/layouts/win32/LayoutsForm.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"
#include "ui/main/win32/SettingsDialogRun.h"
#include "ui/settings/win32/SettingsForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace tav;
using namespace tav::themes;

namespace {

// The controls of `parent` at every depth that the manager has a list for.
void HandledControls(TControl* parent, std::vector<TControl*>& out) {
    for (TControl* c : parent->Controls()) {
        if (KindOfControl(*c) != TControlKind::None)
            out.push_back(c);
        HandledControls(c, out);
    }
}

std::string Untaken(TStyleManager& manager, TForm& form) {
    std::vector<TControl*> controls{&form};
    HandledControls(&form, controls);
    std::string missing;
    for (TControl* c : controls)
        if (!manager.TakenOver(c))
            missing += c->Name() + " ";
    return missing;
}

struct ThemedProgramForms : ::testing::Test {
    TSeamScope<ComCtlVersionFn> version{ComCtlVersionSeam(), [] { return DWORD{0x60000}; }};
    test::MainFormKey key;
    TMainForm* form = nullptr;

    ThemedProgramForms() {
        GetThemeServices().RefreshThemeState();
        TRegistryStore store(key.Path());
        store.WriteBoolSetting("Hide splashscreen", true);
        store.WriteBoolSetting("Use serial port", false);
        form = new TMainForm(nullptr, key.Path());
        form->Show();
        test::PumpFor(std::chrono::milliseconds(20));
    }
    ~ThemedProgramForms() override {
        TForm::ModalHook = nullptr;
        delete form;
    }
    void Settings(const std::function<void(TSettingsForm&)>& inside) {
        test::RunSettingsDialog(*form, inside);
    }
};

TEST_F(ThemedProgramForms, EveryHandledControlOfTheMainWindowAndTheSettingsDialogIsTakenOver) {
    TStyleManager& manager = *form->StyleManager1;
    ASSERT_EQ(MainStyleManager(), &manager);
    ASSERT_TRUE(GetThemeServices().ThemesActive());
    EXPECT_EQ(Untaken(manager, *form), "");
    EXPECT_TRUE(manager.List(TControlKind::StatusBar).Count() == 1);
    EXPECT_GE(manager.List(TControlKind::ListView).Count(), 1);
    bool opened = false;
    Settings([&](TSettingsForm& dialog) {
        opened = true;
        test::PumpFor(std::chrono::milliseconds(20));
        EXPECT_EQ(Untaken(manager, dialog), "");
        EXPECT_TRUE(manager.PendingForms().empty());
        auto* later = new TCheckBox(&dialog, dialog.OptionsGrpBx, "LaterChBx");
        EXPECT_TRUE(manager.List(TControlKind::Button).FindControl(later));
    });
    EXPECT_TRUE(opened);
}

TEST_F(ThemedProgramForms, EveryHandledControlOfTheActionEditorIsTakenOver) {
    TActionForm& editor = form->ActionEditor();
    test::PumpFor(std::chrono::milliseconds(20));
    EXPECT_EQ(Untaken(*form->StyleManager1, editor), "");
}

TEST_F(ThemedProgramForms, EveryHandledControlOfTheLayoutsDialogIsTakenOver) {
    bool opened = false;
    TForm::ModalHook = [&](TForm& shown) {
        if (auto* layouts = dynamic_cast<TLayoutsForm*>(&shown)) {
            opened = true;
            layouts->Show();
            test::PumpFor(std::chrono::milliseconds(20));
            EXPECT_EQ(Untaken(*form->StyleManager1, *layouts), "");
        }
        return static_cast<int>(mrCancel);
    };
    form->LayoutSetupMenuClick(form->LayoutSetupMenu);
    TForm::ModalHook = nullptr;
    EXPECT_TRUE(opened);
}

TEST_F(ThemedProgramForms, OpeningAndClosingTheSettingsDialogAgainAndAgainLeavesNothingBehind) {
    TStyleManager& manager = *form->StyleManager1;
    Settings([](TSettingsForm&) {});
    const int withDialog = manager.TakenOverCount();
    for (int i = 0; i < 5; ++i)
        Settings([](TSettingsForm&) {});
    EXPECT_EQ(manager.TakenOverCount(), withDialog) << "the dialog is made once and kept";
    // The dialog freed, the main window's controls are all that is left.
    for (TForm* f : std::vector<TForm*>(Application().Forms()))
        if (dynamic_cast<TSettingsForm*>(f) != nullptr)
            delete f;
    std::vector<TControl*> mainControls{form};
    HandledControls(form, mainControls);
    EXPECT_EQ(manager.TakenOverCount(), static_cast<int>(mainControls.size()));
    delete form;
    form = nullptr;
    EXPECT_EQ(MainStyleManager(), nullptr);
    SendMessageA(Application().Handle(), WM_THEMECHANGED, 0, 0);
}

} // namespace
