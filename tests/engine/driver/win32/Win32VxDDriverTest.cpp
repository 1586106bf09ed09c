// The 9x driver's samples are read where its message says they lie, and only where they can be
// read: the message's address may come from any process.

#include "engine/driver/VxDData.h"
#include "engine/driver/win32/Win32DriverLinks.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace tav;

namespace {

TEST(Win32VxDDriver, ReadsTheSamplesAtTheMessagesAddressAndNothingWhereNothingLies) {
    TWin32VxDDriver driver("");
    std::vector<std::int16_t> held(kVxDSamples), read(kVxDSamples);
    std::iota(held.begin(), held.end(), std::int16_t{-1000});
    ASSERT_TRUE(driver.ReadSamples(reinterpret_cast<std::uintptr_t>(held.data()), read));
    EXPECT_EQ(read, held);

    EXPECT_FALSE(driver.ReadSamples(0x10, read));
}

} // namespace
