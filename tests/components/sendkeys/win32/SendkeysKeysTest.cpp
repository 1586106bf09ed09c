// The key sender typing into a real edit through the system's input queue.

#include "components/sendkeys/win32/Sendkeys.h"

#include "framework/win32/Pump.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

TEST(SendkeysKeys, AnEditGetsTheExactTextOfAMixedStringAndNoModifierStaysDown) {
    TForm* form = test::NewLoadedForm(nullptr, "SendkeysForm");
    form->SetCaption("Sendkeys target");
    auto* edit = new TEdit(form, form, "TargetEdBx");
    edit->SetBounds(8, 8, 300, 24);
    form->Show();
    SetForegroundWindow(form->Handle());
    ASSERT_TRUE(test::PumpUntil([&] { return GetForegroundWindow() == form->Handle(); }, 2s));
    edit->SetFocus();
    TSendkeys keys(nullptr);
    EXPECT_EQ(keys.GetHandleFromWindowTitle("Sendkeys target"), form->Handle());

    // Letters with the layout's Shift and under a held one, an untypable character (skipped),
    // the cursor block and Backspace.
    keys.SendKeys("Ab1 \xFA"
                  "cd\xFB!?\x7F\xF0Z\xF1xy\b");
    test::PumpFor(50ms);
    EXPECT_EQ(edit->Text(), "ZAb1 CD!?x");
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        EXPECT_EQ(GetAsyncKeyState(vk) & 0x8000, 0) << vk;
        EXPECT_EQ(GetKeyState(vk) & 0x8000, 0) << vk;
    }
    delete form;
}

} // namespace
