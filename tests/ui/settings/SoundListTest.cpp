#include "ui/settings/SoundList.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(SoundList, ASoundOfANameTakenReplacesItAndOneWithoutANameIsRefused) {
    std::vector<TSoundEntry> sounds{{"ding", "c:\\ding.wav"}, {"Chimes", "c:\\chimes.wav"}};
    SortSounds(sounds);
    EXPECT_EQ(sounds.front().Name, "Chimes");
    EXPECT_TRUE(AddSound(sounds, {"Bell", "c:\\bell.wav"}));
    EXPECT_TRUE(AddSound(sounds, {"DING", "c:\\new.wav"}));
    EXPECT_FALSE(AddSound(sounds, {"", "c:\\nameless.wav"}));
    EXPECT_EQ(sounds, (std::vector<TSoundEntry>{{"Bell", "c:\\bell.wav"},
                                                {"Chimes", "c:\\chimes.wav"},
                                                {"DING", "c:\\new.wav"}}));
}

TEST(SoundList, TwoWindowsSoundsOfOneLabelGiveTheFirstOnesFile) {
    const std::vector<TWindowsSound> sounds{
        {"Asterisk", "a.wav"}, {"Close", "first.wav"}, {"Close", "second.wav"}};
    EXPECT_EQ(WindowsSoundPath(sounds, "Close"), "first.wav");
    EXPECT_EQ(WindowsSoundPath(sounds, "close"), "");
}

} // namespace
