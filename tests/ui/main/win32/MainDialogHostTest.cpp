// The main window as the program's side of the serial-port and settings dialogs.

#include "ui/main/win32/MainForm.h"

#include "framework/win32/Seams.h"
#include "ui/main/win32/MainFormKey.h"

#include <gtest/gtest.h>

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
    TSeamScope box(MessageBoxSeam(), [](const std::string&, const std::string&, UINT) {
        return IDNO;
    });
    bool found = false;
    form.SerialDialogHost().FindReceiver([&](std::int32_t) { found = true; });
    EXPECT_FALSE(form.EnableOriginMenu->Checked());
    form.SerialDialogHost().EndReceiverSearch();
    EXPECT_FALSE(form.EnableOriginMenu->Checked());
    EXPECT_FALSE(form.ComPort->Connected());
    EXPECT_FALSE(found);
}

} // namespace
