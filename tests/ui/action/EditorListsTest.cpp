// The editor's lists: system keys by platform, the window list, the mixer's lines and the user
// messages' parameters.

#include "ui/action/EditorLists.h"
#include "FakeMixerBackend.h"
#include "components/mixer/AudioMixer.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(EditorLists, TheNtKeysAreTheOlderOnesButPrintScreenAndAddTheFourLatchedKeys) {
    const auto older = SystemKeyParams(false);
    const auto nt = SystemKeyParams(true);
    ASSERT_EQ(older.size(), 50u);
    ASSERT_EQ(nt.size(), 54u);
    EXPECT_EQ(older[0], 0x001C0001u);
    EXPECT_EQ(older[46], 0x01010001u);
    EXPECT_EQ(nt[46], 0x01370000u);
    for (std::size_t i = 0; i < older.size(); ++i) {
        if (i != 46) {
            EXPECT_EQ(nt[i], older[i]) << i;
        }
    }
    EXPECT_EQ(std::vector<std::uint32_t>(nt.begin() + 50, nt.end()),
              (std::vector<std::uint32_t>{0x00380000, 0x01380000, 0x001D0000, 0x002A0000}));
}

TEST(EditorLists, OwnedWindowsFollowTheirOwnerIndentedWhereverTheyLie) {
    const std::vector<TTopWindow> windows = {
        {1, 3, "Find", "#32770"},  {2, 0, "Player", "TPlayer"},       {3, 0, "Notepad", "Notepad"},
        {4, 0, "", "Hidden"},      {5, 0, "Tavrilo", "TApplication"}, {6, 3, "", "Tip"},
        {7, 5, "Editor", "TForm"}, {8, 3, "Replace", "#32770"}};
    EXPECT_EQ(WindowListEntries(windows, 5),
              (std::vector<std::string>{"Player, TPlayer", "Notepad, Notepad", "   Find, #32770",
                                        "   Replace, #32770"}));
    EXPECT_EQ(WithoutOwnedIndent("   Find, #32770"), "Find, #32770");
    EXPECT_EQ(WithoutOwnedIndent("  typed"), "  typed");
}

TEST(EditorLists, EachDevicesListsAreItsOwnWhicheverDeviceTheMixerHasOpen) {
    TAudioMixer mixer(nullptr, std::make_unique<test::FakeMixerBackend>(test::TwoMixers()));
    const std::vector<TMixerDeviceLines> devices = ReadMixerDevices(mixer);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[1].Name, "Headset");
    mixer.SetMixerId(0);
    EXPECT_EQ(DestinationsOf(devices, 1), std::vector<std::string>{"Phones"});
    EXPECT_EQ(LinesOf(devices, 1, 0), (std::vector<std::string>{"Phones", "Voice"}));
    mixer.SetMixerId(1);
    EXPECT_EQ(DestinationsOf(devices, 0), (std::vector<std::string>{"Speakers", "Recording"}));
    EXPECT_EQ(LinesOf(devices, 0, 1), (std::vector<std::string>{"Recording", "Mic"}));
    EXPECT_TRUE(LinesOf(devices, 1, 1).empty());
    EXPECT_TRUE(LinesOf(devices, 0, -1).empty());
    EXPECT_TRUE(DestinationsOf(devices, 2).empty());
    // The captions of the actions list read the device open now.
    EXPECT_EQ(MixerLineNames(mixer, 0), (std::vector<std::string>{"Phones", "Voice"}));
    EXPECT_TRUE(MixerLineNames(mixer, 1).empty());
}

TEST(EditorLists, AUserMessagesParametersAreTheFieldsAfterItsMessage) {
    const std::vector<std::string> lines = {"Beep=WM_USER,1A,2B", "Half=WM_USER,7", "Bare=WM_CLOSE",
                                            "Empty=", "beep=later"};
    using Params = std::optional<std::pair<std::string, std::string>>;
    EXPECT_EQ(UserMessageParams(lines, "BEEP"), (Params{{"1A", "2B"}}));
    EXPECT_EQ(UserMessageParams(lines, "Half"), (Params{{"", "7"}}));
    EXPECT_EQ(UserMessageParams(lines, "Bare"), std::nullopt);
    EXPECT_EQ(UserMessageParams(lines, "Empty"), std::nullopt);
    EXPECT_EQ(UserMessageParams(lines, "Other"), std::nullopt);
    EXPECT_EQ(MessageNames(lines),
              (std::vector<std::string>{"Beep", "Half", "Bare", "Empty", "beep"}));
    for (char key : std::string("\b09afAF"))
        EXPECT_TRUE(IsHexBoxKey(key)) << key;
    for (char key : std::string(" gG-x"))
        EXPECT_FALSE(IsHexBoxKey(key)) << key;
}

} // namespace
