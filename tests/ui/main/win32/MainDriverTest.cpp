// The running main window with a receiver read through the 2000/XP driver: without the driver
// every opening says so, and a driver's codes fire the commands learned from them.

#include "components/driver/win32/FakeDriverDevice.h"
#include "framework/win32/HandOver.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct MainDriverTest : ::testing::Test {
    THandOver handOver; // the driver's reader hands its codes over through it
    test::MainFormKey key;
    test::FakeDriver driver;
    TSeamScope<ShellNotifyIconFn> tray{ShellNotifyIconSeam(),
                                       [](DWORD, const NOTIFYICONDATAA&) { return true; }};
    std::vector<std::string> boxes;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(),
                                 [this](const std::string& text, const std::string& caption, UINT) {
                                     boxes.push_back(text + "/" + caption);
                                     return IDOK;
                                 }};
    TMainForm* form = nullptr;

    MainDriverTest() {
        TRegistryStore store(key.Path());
        store.WriteBoolSetting("Hide splashscreen", true);
        store.WriteStrSetting("Serial port type", "Animax Anir Multimedia Magic");
        form = new TMainForm(nullptr, key.Path());
        form->Show();
    }
    ~MainDriverTest() override { delete form; }
};

TEST_F(MainDriverTest, WithoutTheDriverEveryRunReportsTheDriverError) {
    form->RunBtn->Click();
    form->RunBtn->Click();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(boxes, std::vector<std::string>(2, "Cannot connect with DaruZuzed.uru driver. Check "
                                                 "the driver is correctly installed, then restart "
                                                 "the application./Driver error"));
}

TEST_F(MainDriverTest, TheDriversCodesFireTheCommandLearnedFromThem) {
    TSeamScope<DriverDeviceFn> device{DriverDeviceSeam(), driver.Seam()};
    TCommand* vol = form->Document().AddCommand(form->Document().AddRemote("TV"), "Vol+")->Data();
    form->Document().SetCode(*vol, {-1, 300});
    form->RunBtn->Click();
    ASSERT_FALSE(form->Visible());
    EXPECT_TRUE(boxes.empty());

    driver.Send(std::string("\xFF\xFF\x2C\x01", 4));
    EXPECT_TRUE(test::PumpUntil([&] { return form->Document().LastFiredCommand == vol; },
                                std::chrono::milliseconds(3000)));
}

} // namespace
