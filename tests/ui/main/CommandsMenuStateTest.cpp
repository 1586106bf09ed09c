#include "ui/main/CommandsMenuState.h"

#include "engine/document/Document.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

const std::vector<TSoundEntry> kSounds = {{"Chime", "chime.wav"}, {"Ding", "ding.wav"}};

TEST(CommandsMenuStateTest, OnlyAddingARemoteNeedsNoSelection) {
    const TCommandsMenuState s = CommandsMenuState(nullptr, true, kSounds);
    EXPECT_FALSE(s.NewCommand || s.Learn || s.Properties || s.Recognition || s.Typematic ||
                 s.Sound || s.CopyToAction || s.Rename || s.Delete);
}

TEST(CommandsMenuStateTest, ARemoteIsNeitherLearnedNorGivenASound) {
    TDocument doc;
    TCommandNode* remote = doc.AddRemote("TV");
    doc.SetTypematic(remote, false);
    const TCommandsMenuState s = CommandsMenuState(remote, false, kSounds);
    EXPECT_TRUE(s.NewCommand && s.Properties && s.Recognition && s.Typematic && s.Rename &&
                s.Delete);
    EXPECT_FALSE(s.Learn || s.Sound || s.CopyToAction);
    EXPECT_TRUE(s.RecognitionChecked);
    EXPECT_FALSE(s.TypematicChecked);
}

TEST(CommandsMenuStateTest, ACommandsSoundIsFoundByItsWholeNameWhateverTheLetterCase) {
    TDocument doc;
    TCommandNode* command = doc.AddCommand(doc.AddRemote("TV"), "Vol+");
    auto soundItem = [&](const std::string& sound) {
        doc.SetSound(command, sound);
        return CommandsMenuState(command, true, kSounds).SoundItem;
    };
    EXPECT_EQ(soundItem("DING"), 2);
    EXPECT_EQ(soundItem("Din"), 0);
    EXPECT_EQ(soundItem(""), 0);
    const TCommandsMenuState s = CommandsMenuState(command, true, kSounds);
    EXPECT_TRUE(s.Learn && s.Sound && s.CopyToAction);
    EXPECT_EQ(command->Data()->Sound, "") << "showing the menu changes nothing";
}

TEST(CommandsMenuStateTest, AChosenItemStoresTheEntrysOwnNameAndNoneStoresNothing) {
    const std::vector<TSoundEntry> sounds = {{"&Bell: loud", "bell.wav"}};
    EXPECT_EQ(SoundOfMenuItem(sounds, 1), "&Bell: loud");
    EXPECT_EQ(SoundOfMenuItem(sounds, 0), "");
    EXPECT_EQ(SoundOfMenuItem(sounds, 2), "") << "an item the list no longer has";
}

} // namespace
