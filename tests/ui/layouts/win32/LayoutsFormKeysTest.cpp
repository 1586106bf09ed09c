// The layouts dialog's buttons follow a selection made from the keyboard.

#include "framework/win32/Pump.h"
#include "ui/layouts/win32/LayoutsForm.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(LayoutsDialogKeys, DeleteAndPropertiesFollowTheRowTheKeysSelect) {
    TDocument doc{[] { return std::string("Default"); }};
    doc.AddLayout("Player", "", "");
    TLayoutsForm form(nullptr, doc, "");
    form.Show();
    form.LayoutList->SetFocus();
    auto press = [&](WORD key) {
        PostMessageA(form.LayoutList->Handle(), WM_KEYDOWN, key, 1);
        test::PumpFor(std::chrono::milliseconds(30));
    };
    press(VK_END);
    EXPECT_EQ(form.LayoutList->ItemIndex(), 1);
    EXPECT_TRUE(form.DeleteLayoutBtn->Enabled());
    EXPECT_TRUE(form.PropLayoutBtn->Enabled());
    press(VK_HOME);
    EXPECT_EQ(form.LayoutList->ItemIndex(), 0);
    EXPECT_FALSE(form.DeleteLayoutBtn->Enabled());
    EXPECT_FALSE(form.PropLayoutBtn->Enabled());
}

} // namespace
