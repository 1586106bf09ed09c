#include "ui/main/win32/MainForm.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(MainForm, FileMenuItemsAreFoundByNameAndExitCloses) {
    auto* form = new TMainForm(nullptr);
    const std::pair<const char*, const char*> items[] = {
        {"FileMenu", "&File"},
        {"NewMenu", "&New"},
        {"OpenMenu", "&Open..."},
        {"SaveMenu", "&Save"},
        {"SaveAsMenu", "Save &As..."},
        {"ImportMenu", "&Import..."},
        {"SettingsMenu", "&Settings..."},
        {"ExitMenu", "E&xit"},
    };
    for (const auto& [name, caption] : items) {
        TComponent* item = form->FindComponent(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->FindProperty("Caption")->getString(), caption);
    }
    EXPECT_EQ(form->FileMenu->Count(), 7);
    EXPECT_FALSE(form->SaveMenu->Enabled()); // nothing modified yet
    EXPECT_EQ(form->Caption(), "Tavrilo 4.0b");
    form->Show();
    SendMessageA(form->Handle(), WM_COMMAND, form->ExitMenu->Command(), 0);
    EXPECT_FALSE(form->Visible()); // not the program's main form here: closing hides it
    delete form;
}
