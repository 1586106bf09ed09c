// The actions list and the action editor together: New... adds what the editor composed,
// Properties... shows a row's action in the editor and takes the changed one, the rows are
// described in the editor's words.

#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "ui/action/win32/ActionForm.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct MainActionEditorTest : ::testing::Test {
    test::MainFormKey key;
    TSeamScope<ShellNotifyIconFn> tray{ShellNotifyIconSeam(),
                                       [](DWORD, const NOTIFYICONDATAA&) { return true; }};
    TMainForm* form = nullptr;
    TAction* item = nullptr;

    MainActionEditorTest() {
        TRegistryStore(key.Path()).WriteBoolSetting("Hide splashscreen", true);
        form = new TMainForm(nullptr, key.Path());
        item = form->Document().AddAction(form->Document().DefaultLayout(), "Notes");
        form->Document().SetCurAction(item);
        form->ShowActionItem();
    }
    ~MainActionEditorTest() override {
        TForm::ModalHook = nullptr;
        delete form;
    }
    // The editor's answer: `edit` sets its controls, then Accept is pressed.
    void Answer(std::function<void(TActionForm&)> edit) {
        TForm::ModalHook = [edit](TForm& shown) {
            auto& editor = dynamic_cast<TActionForm&>(shown);
            edit(editor);
            editor.ModalResult = mrNone;
            editor.AcceptBtn->Click();
            return editor.ModalResult;
        };
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < form->ActionsList->ItemCount(); ++i)
            captions.push_back(form->ActionsList->Item(i)->Caption());
        return captions;
    }
};

TEST_F(MainActionEditorTest, NewAddsTheComposedActionAndPropertiesReplacesIt) {
    Answer([](TActionForm& editor) {
        editor.ActionTypeCoBx->SetItemIndex(static_cast<int>(TActionType::Miscellaneous));
        editor.ActionTypeCoBxClick(editor.ActionTypeCoBx);
        editor.WindowStateRBtn->SetChecked(true);
        editor.WindowStateCoBx->SetItemIndex(1);
    });
    form->NewActionBtn->Click();
    ASSERT_EQ(item->ActionStrings, std::vector<std::string>{"\xA1WindowState\xA1"
                                                            "1Delay:0"});
    EXPECT_EQ(Captions(), std::vector<std::string>{"Maximize"});
    EXPECT_TRUE(form->SaveMenu->Enabled());

    std::string shown;
    Answer([&](TActionForm& editor) {
        shown = editor.ComposeAction();
        editor.DelayUpDwn->SetPosition(500);
    });
    form->ActionsList->SetItemIndex(0);
    form->PropertiesBtn->Click();
    EXPECT_EQ(shown, "\xA1WindowState\xA1"
                     "1Delay:0");
    EXPECT_EQ(item->ActionStrings, std::vector<std::string>{"\xA1WindowState\xA1"
                                                            "1Delay:500"});
}

TEST_F(MainActionEditorTest, CancelAddsNothingAndTheRowsTakeTheEditorsTexts) {
    TForm::ModalHook = [](TForm&) { return static_cast<int>(mrCancel); };
    form->NewActionBtn->Click();
    EXPECT_TRUE(item->ActionStrings.empty());
    form->ActionEditor().ShutDownCoBx->SetItems({"Abmelden", "Neustart"});
    item->ActionStrings = {"\xA1Shutdown\xA1"
                           "1Delay:0"};
    form->ShowActionItem();
    EXPECT_EQ(Captions(), std::vector<std::string>{"Neustart"});
}

} // namespace

namespace {

TEST(MainActionEditorStart, TheEndOfTheEditorsCreationShowsTheWindowWithTheEditorInPlace) {
    test::MainFormKey key;
    TSeamScope<ShellNotifyIconFn> tray{ShellNotifyIconSeam(),
                                       [](DWORD, const NOTIFYICONDATAA&) { return true; }};
    TRegistryStore(key.Path()).WriteBoolSetting("Hide splashscreen", true);
    TMainForm form(nullptr, key.Path());
    // The show routine already finds the editor it runs from (and makes no second one).
    bool editorWhenShown = false;
    form.OnShow = [&, show = form.OnShow](TObject* sender) {
        editorWhenShown = &form.ActionEditor() == form.FindComponent("ActionForm");
        show(sender);
    };
    form.CreateActionEditor(true);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(editorWhenShown);
    EXPECT_EQ(&form.ActionEditor(), form.FindComponent("ActionForm"));
}

} // namespace
