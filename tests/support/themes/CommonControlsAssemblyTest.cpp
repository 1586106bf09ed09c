#include "support/themes/CommonControlsAssembly.h"

#include <gtest/gtest.h>

using namespace tav::themes;

TEST(CommonControlsAssembly, TheVersionIsReadFromTheCommonControlsIdentityAlone) {
    EXPECT_EQ(CommonControlsAssemblyVersion(
                  "Microsoft.Windows.Common-Controls,processorArchitecture=\"amd64\","
                  "publicKeyToken=\"6595b64144ccf1df\",type=\"win32\",version=\"6.0.2600.2982\""),
              0x60000u);
    EXPECT_EQ(CommonControlsAssemblyVersion("microsoft.windows.common-controls,"
                                            "version=\"5.82.19041.1110\",type=\"win32\""),
              0x50052u);
    EXPECT_EQ(CommonControlsAssemblyVersion("Microsoft.Windows.GdiPlus,version=\"6.0.0.0\""),
              std::nullopt);
    EXPECT_EQ(CommonControlsAssemblyVersion(
                  "Microsoft.Windows.Common-Controls,publicKeyToken=\"6595b64144ccf1df\""),
              std::nullopt);
    EXPECT_EQ(CommonControlsAssemblyVersion("Microsoft.Windows.Common-Controls,version=\"6\""),
              std::nullopt);
    EXPECT_EQ(CommonControlsAssemblyVersion("Microsoft.Windows.Common-Controls,version=\"6.x\""),
              std::nullopt);
    EXPECT_EQ(CommonControlsAssemblyVersion("Microsoft.Windows.Common-Controls"), std::nullopt);
}
