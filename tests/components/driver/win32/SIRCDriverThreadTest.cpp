// The receiver driver's reader against a scripted driver, and the device-setup binding that
// finds the real one (which this machine does not have).

#include "components/driver/win32/DeviceInterfaces.h"
#include "components/driver/win32/FakeDriverDevice.h"
#include "components/driver/win32/SetupApi.h"
#include "framework/win32/HandOver.h"
#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tav;

namespace {

struct DriverReaderTest : ::testing::Test {
    THandOver handOver; // the reader's values reach the main thread through it
    test::FakeDriver driver;
    TSeamScope<DriverDeviceFn> device{DriverDeviceSeam(), driver.Seam()};
    std::vector<std::vector<std::int16_t>> got;

    std::unique_ptr<TSIRCDriverThread> Reader() {
        return std::make_unique<TSIRCDriverThread>(
            [this](TSIRCDriverThread*, const std::int16_t* values, std::int32_t count) {
                got.emplace_back(values, values + count);
            });
    }
    // Sends a code and waits until its values have arrived.
    bool Deliver(std::string bytes) {
        const std::size_t before = got.size();
        driver.Send(std::move(bytes));
        return test::PumpUntil([&] { return got.size() > before; }, std::chrono::seconds(3));
    }
};

TEST_F(DriverReaderTest, EachSignalDeliversTheReadsSignedValuesAndNoTrailingOddByte) {
    auto reader = Reader();
    ASSERT_TRUE(reader->GetActive());
    ASSERT_TRUE(Deliver(std::string(1026, '\x01')));
    ASSERT_TRUE(Deliver(""));
    ASSERT_TRUE(Deliver(std::string("\xFF\xFF\x2C\x01\x00\x80\x07", 7)));
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], std::vector<std::int16_t>(513, 0x0101));
    EXPECT_TRUE(got[1].empty());
    EXPECT_EQ(got[2], (std::vector<std::int16_t>{-1, 300, -32768}));
}

TEST_F(DriverReaderTest, WhileDisabledCodesAreReadAndDroppedAndAFailedReadDeliversNothing) {
    auto reader = Reader();
    driver.SendAndAwaitRead(std::string("\x01\x00", 2));
    reader->Disable(); // before the main thread took the values: they are dropped
    driver.SendAndAwaitRead(std::string("\x02\x00", 2));
    EXPECT_EQ(driver.reads, 2) << "each signal still takes its code out of the driver";
    test::PumpFor(std::chrono::milliseconds(50));
    EXPECT_FALSE(reader->GetActive());

    reader->Enable();
    driver.SendAndAwaitRead(std::nullopt);
    ASSERT_TRUE(Deliver(std::string("\x03\x00", 2)));
    EXPECT_EQ(got, (std::vector<std::vector<std::int16_t>>{{3}}))
        << "only codes read while enabled; the failed read gave nothing and stopped nothing";
}

TEST_F(DriverReaderTest, AReaderWithoutTheDriverNeverBecomesActive) {
    for (const bool refuse : {false, true}) {
        driver.present = refuse;
        driver.refuseRegister = refuse;
        auto reader = Reader();
        reader->Enable();
        EXPECT_FALSE(reader->GetActive()) << (refuse ? "the event refused" : "no device");
    }
}

TEST_F(DriverReaderTest, DestroyingTheReaderDropsValuesNotYetDelivered) {
    auto reader = Reader();
    driver.SendAndAwaitRead(std::string("\x01\x00", 2));
    reader.reset();
    test::PumpFor(std::chrono::milliseconds(50));
    EXPECT_TRUE(got.empty());
}

TEST(DeviceSetupBinding, BindsAWholeRowOrNothingAndFindsNoDriverHere) {
    const char* const present[] = {"GetTickCount", "Sleep"};
    const TModuleBinding whole("kernel32.dll", present);
    ASSERT_TRUE(whole.Bound());
    EXPECT_NE(whole.Entry<decltype(&GetTickCount)>(0)(), 0u);

    const char* const oneMissing[] = {"GetTickCount", "NoSuchEntryPoint", "Sleep"};
    const TModuleBinding partial("kernel32.dll", oneMissing);
    EXPECT_FALSE(partial.Bound());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(partial.Entry<FARPROC>(i), nullptr) << "also the entries that were found";
    EXPECT_FALSE(TModuleBinding("NoSuchLibrary.dll", present).Bound());

    const TSetupApi setupApi;
    EXPECT_TRUE(setupApi.Bound());
    EXPECT_EQ(DeviceInterfacePath(kDriverInterfaceClass, 0), std::nullopt);
    EXPECT_EQ(DriverDeviceSeam().Default()(), nullptr);
}

} // namespace
