#include "engine/actions/ActionDescription.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

ActionCaption Describe(std::string_view s, const ActionLabels& labels) {
    const auto action = ParseAction(s);
    EXPECT_TRUE(action.has_value()) << s;
    return action ? DescribeAction(*action, labels) : ActionCaption{};
}

ActionCaption Describe(std::string_view s) {
    return Describe(s, DefaultActionLabels{});
}

// Translated texts and one open mixer destination with a single connection.
class GermanLabels : public DefaultActionLabels {
public:
    std::optional<std::string> Item(ActionList list, std::int32_t index) const override {
        if (list == ActionList::ClickTypes && index == 2)
            return "Rechts";
        if (list == ActionList::VolumeSteps && index == 1)
            return "Leiser";
        return DefaultActionLabels::Item(list, index);
    }
    std::string Caption(ActionOption option) const override {
        if (option == ActionOption::DoubleClick)
            return "&Doppelklick";
        if (option == ActionOption::Volume)
            return "&Lautst\xC4rke:";
        return DefaultActionLabels::Caption(option);
    }
    std::optional<std::string> MixerLineName(std::int32_t destination,
                                             std::int32_t line) const override {
        if (destination != 0)
            return std::nullopt;
        if (line == 0)
            return "Master";
        if (line == 1)
            return "Wave";
        return std::nullopt;
    }
};

} // namespace

TEST(ActionDescription, TypeAndImageIndexesOfEveryKind) {
    const int types[] = {0, 1, 2, 3, 4, 5, 5, 5, 6};
    const int images[] = {0, 1, 2, 3, 4, 5, 5, 7, 6};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(ActionTypeIndex(static_cast<ActionKind>(k)), types[k]);
        EXPECT_EQ(ActionImageIndex(static_cast<ActionKind>(k)), images[k]);
    }
    EXPECT_EQ(Describe("\xA1OSD\xA1HelloDelay:0").imageIndex, 7);
    EXPECT_EQ(Describe("\xA1SendData\xA1"
                       "File:x.binDelay:0")
                  .imageIndex,
              6);
}

TEST(ActionDescription, CaptionsOfEveryKindInEnglish) {
    EXPECT_EQ(Describe("\xA1SendKeys\xA1NCNE9Delay:0DestWnd:KeepActive:N").caption, "Ctrl+Esc");
    EXPECT_EQ(Describe("\xA1SendKeys\xA1"
                       "ACSNa1 B!Delay:0DestWnd:KeepActive:N")
                  .caption,
              "Alt+Ctrl+Shift+a1 B!");
    EXPECT_EQ(Describe("\xA1SendKeys\xA1NNLE53Delay:0DestWnd:KeepActive:N").caption, "Win+Shift");
    EXPECT_EQ(Describe("\xA1SendKeys\xA1NNRE15Delay:0DestWnd:KeepActive:N").caption, "Win+F1");
    EXPECT_EQ(Describe("\xA1MouseControl\xA1"
                       "Click:0NDelay:0")
                  .caption,
              "Left button click");
    EXPECT_EQ(Describe("\xA1MouseControl\xA1"
                       "Click:2YDelay:0")
                  .caption,
              "Right double click");
    EXPECT_EQ(Describe("\xA1MouseControl\xA1RelMove:6Accel:5Delay:250").caption, "Down-Left (5)");
    EXPECT_EQ(Describe("\xA1MouseControl\xA1"
                       "AbsMove:X10Y20Delay:0")
                  .caption,
              "x: 10, y: 20");
    EXPECT_EQ(Describe("\xA1"
                       "ExecuteProgram\xA1Try:Filename:C:\\Tools\\viewer.exeParams:/"
                       "fSuspend:NDelay:0")
                  .caption,
              "viewer.exe /f");
    EXPECT_EQ(
        Describe("\xA1PostMessage\xA1WM_CLOSEwParam:0lParam:0Delay:0DestWnd:KeepActive:N").caption,
        "WM_CLOSE, 0, 0");
    EXPECT_EQ(Describe("\xA1Shutdown\xA1"
                       "4Delay:0")
                  .caption,
              "Hibernate");
    EXPECT_EQ(Describe("\xA1WindowState\xA1"
                       "0Delay:0")
                  .caption,
              "Minimize");
    EXPECT_EQ(Describe("\xA1OSD\xA1"
                       "Current dateDelay:0")
                  .caption,
              "Current date");
    EXPECT_EQ(Describe("\xA1SendData\xA1Stream:0D0AFFDelay:0").caption, "0D0AFF");
    EXPECT_EQ(Describe("\xA1SendData\xA1"
                       "File:C:\\a.binDelay:0")
                  .caption,
              "C:\\a.bin");
}

TEST(ActionDescription, VolumeNamesTheMixerLine) {
    const GermanLabels german;
    EXPECT_EQ(Describe("\xA1Mixer\xA1"
                       "0D:0C:1Vol:1Inc:5Delay:0",
                       german)
                  .caption,
              "Wave, lautst\xE4rke leiser, 5");
    EXPECT_EQ(Describe("\xA1Mixer\xA1"
                       "3D:0C:0Vol:3Inc:5Delay:0",
                       german)
                  .caption,
              "Master, toggle mute");
    // A line the open mixer does not have shows the stored numbers.
    EXPECT_EQ(Describe("\xA1Mixer\xA1"
                       "0D:0C:2Vol:0Inc:10Delay:0",
                       german)
                  .caption,
              "D:0 C:2, lautst\xE4rke up, 10");
    // An operation digit with no meaning adds nothing to the line's name.
    EXPECT_EQ(Describe("\xA1Mixer\xA1"
                       "3D:0C:0Vol:2Inc:5Delay:0",
                       german)
                  .caption,
              "Master");
}

TEST(ActionDescription, FollowsTheLabelsItIsGiven) {
    const GermanLabels german;
    EXPECT_EQ(Describe("\xA1MouseControl\xA1"
                       "Click:2YDelay:0",
                       german)
                  .caption,
              "Rechts doppelklick");
    EXPECT_EQ(Describe("\xA1MouseControl\xA1"
                       "Click:2NDelay:0",
                       german)
                  .caption,
              "Rechts button click");
}

TEST(ActionDescription, StoredNumbersNoListHasShowAsStored) {
    EXPECT_EQ(Describe("\xA1SendKeys\xA1NNNE54Delay:0DestWnd:KeepActive:N").caption, "54");
    EXPECT_EQ(Describe("\xA1SendKeys\xA1"
                       "ANNE-1Delay:0DestWnd:KeepActive:N")
                  .caption,
              "Alt+-1");
    EXPECT_EQ(Describe("\xA1SendKeys\xA1NNNEEscDelay:0DestWnd:KeepActive:N").caption, "Esc");
    EXPECT_EQ(Describe("\xA1MouseControl\xA1"
                       "Click:9NDelay:0")
                  .caption,
              "9 button click");
    EXPECT_EQ(Describe("\xA1MouseControl\xA1RelMove:8Accel:2Delay:0").caption, "8 (2)");
    EXPECT_EQ(Describe("\xA1Shutdown\xA1"
                       "5Delay:0")
                  .caption,
              "5");
    EXPECT_EQ(Describe("\xA1WindowState\xA1"
                       "maxDelay:0")
                  .caption,
              "max");
    EXPECT_EQ(Describe("\xA1MouseControl\xA1"
                       "Delay:0")
                  .caption,
              "");
}

TEST(ActionDescription, DefaultListsKeepTheStoredOrder) {
    const DefaultActionLabels labels;
    EXPECT_EQ(labels.Item(ActionList::ActionTypes, 6), "Send data");
    EXPECT_EQ(labels.Item(ActionList::SystemKeys, 26), "F12");
    EXPECT_EQ(labels.Item(ActionList::SystemKeys, 49), "Applications");
    EXPECT_EQ(labels.Item(ActionList::SystemKeys, 53), "Shift");
    EXPECT_EQ(labels.Item(ActionList::SystemKeys, 54), std::nullopt);
    EXPECT_EQ(labels.Item(ActionList::ClickTypes, 8), "Right up");
    EXPECT_EQ(labels.Item(ActionList::Directions, 7), "Down-Right");
    EXPECT_EQ(labels.Item(ActionList::ShutdownKinds, 3), "Suspend");
    EXPECT_EQ(labels.Item(ActionList::WindowStates, 3), "Close");
    EXPECT_EQ(labels.Item(ActionList::OsdTexts, 0), "Current time");
    EXPECT_EQ(labels.Item(ActionList::VolumeSteps, -1), std::nullopt);
}

