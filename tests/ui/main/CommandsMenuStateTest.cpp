#include "ui/main/CommandsMenuState.h"

#include "engine/document/Document.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

const std::vector<TSoundEntry> kSounds = {{"Chime", "chime.wav"}, {"&Bell: loud", "bell.wav"}};

TEST(CommandsMenuStateTest, WithoutASelectionOnlyAddingARemoteIsOffered) {
    const TCommandsMenuState s = CommandsMenuState(nullptr, true, kSounds);
    EXPECT_FALSE(s.NewCommand || s.Learn || s.Properties || s.Recognition || s.Typematic ||
                 s.Sound || s.CopyToAction || s.Rename || s.Delete);
}

TEST(CommandsMenuStateTest, ASoundIsStoredAndFoundByTheEntrysOwnName) {
    TDocument doc;
    TCommandNode* command = doc.AddCommand(doc.AddRemote("TV"), "Vol+");
    auto shownFor = [&](const std::string& sound) {
        doc.SetSound(command, sound);
        return CommandsMenuState(command, false, kSounds).SoundItem;
    };
    EXPECT_EQ(shownFor(SoundOfMenuItem(kSounds, 2)), 2) << "not a caption cut at the colon";
    EXPECT_EQ(shownFor("&BELL: LOUD"), 2);
    EXPECT_EQ(shownFor("Gong"), 0) << "a name the list lacks shows None";
    EXPECT_EQ(SoundOfMenuItem(kSounds, 0), "") << "None stores nothing";
    EXPECT_EQ(SoundOfMenuItem(kSounds, 3), "") << "an item the list no longer has";
}

} // namespace
