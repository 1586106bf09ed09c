#include "engine/RecognitionFakes.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::testing;

namespace {

struct Recognition : ::testing::Test {
    TDocument doc;
    FakePorts fake;
    TRecognizer engine{doc, fake.Ports()};
    TCommandNode* tv = doc.AddRemote("TV");

    Recognition() { fake.settings.values.Compare.Tolerance = 20; }

    TCommandNode* Command(const char* name, std::initializer_list<std::int32_t> code) {
        TCommandNode* node = doc.AddCommand(tv, name);
        Learn(doc, *node->Data(), code);
        return node;
    }
    // One code through the whole road, with the time-out over afterwards.
    void Press(TCommandNode* node) {
        const TCommand& c = *node->Data();
        for (const std::int32_t value : c.Code())
            doc.ReceivedCode.AppendUpTo1000(value);
        engine.ProcessReceivedCode();
        engine.TypematicTimerTimer();
    }
    TAction* Item(TLayout* layout, const char* name, std::vector<TCommandNode*> triggers,
                  int type = 0) {
        TAction* item = doc.AddAction(layout, name);
        for (TCommandNode* t : triggers)
            doc.AddTrigger(item, t);
        item->TrigType = type;
        item->ActionStrings.push_back("\xA1OSD\xA1");
        return item;
    }
};

} // namespace

TEST_F(Recognition, TheEarlierOfTwoEqualCodesFiresUnlessItIsDisabled) {
    TCommandNode* first = Command("First", {1, 2, 3});
    TCommandNode* second = Command("Second", {1, 2, 3});
    Feed(doc, {1, 2, 3});
    engine.ProcessReceivedCode();
    EXPECT_EQ(doc.LastFiredCommand, first->Data());
    EXPECT_EQ(fake.tree.selections.back(), first);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
    EXPECT_TRUE(fake.timer.running);
    EXPECT_TRUE(doc.TypematicActive);
    EXPECT_EQ(fake.reports.replyCleared, 1);

    engine.TypematicTimerTimer();
    EXPECT_FALSE(fake.timer.running);
    EXPECT_FALSE(doc.TypematicActive);
    doc.SetRecognition(first, false);
    Feed(doc, {1, 2, 3});
    engine.ProcessReceivedCode();
    EXPECT_EQ(doc.LastFiredCommand, second->Data());
}

TEST_F(Recognition, NothingIsComparedWhileTheTimeOutRuns) {
    TCommandNode* a = Command("A", {1, 2, 3});
    doc.SetTypematic(a, false);
    Feed(doc, {1, 2, 3});
    engine.ProcessReceivedCode();
    EXPECT_FALSE(doc.TypematicActive);
    const auto selections = fake.tree.selections.size();

    Feed(doc, {1, 2, 3});
    engine.ProcessReceivedCode(); // time-out still running
    EXPECT_EQ(fake.tree.selections.size(), selections);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
    EXPECT_EQ(fake.osd.shown.size(), 0u);
    EXPECT_EQ(fake.tray.receiving, 2);

    engine.TypematicTimerTimer();
    Feed(doc, {900, 900, 900});
    engine.ProcessReceivedCode(); // no match clears the selection
    EXPECT_EQ(fake.tree.selections.back(), nullptr);
    EXPECT_FALSE(fake.timer.running);
}

TEST_F(Recognition, EmptyCommandListClearsTheSelection) {
    Feed(doc, {1});
    engine.ProcessReceivedCode();
    EXPECT_EQ(fake.tree.selections, std::vector<TCommandNode*>{nullptr});
}

TEST_F(Recognition, FiringSeesAnEmptyBufferAndTheTimeOutAlreadyRunning) {
    TCommandNode* a = Command("A", {1, 2, 3});
    Item(doc.DefaultLayout(), "run", {a}, 1);
    bool checked = false;
    fake.actions.onRun = [&] {
        // An action that pumps messages may see the next code begin.
        EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
        EXPECT_EQ(doc.LastFiredCommand, a->Data());
        EXPECT_TRUE(fake.timer.running);
        Feed(doc, {7});
        checked = true;
    };
    Feed(doc, {1, 2, 3});
    engine.ProcessReceivedCode();
    EXPECT_TRUE(checked);
    EXPECT_EQ(doc.ReceivedCode.LastIndex(), 0); // the new code survives
}

TEST_F(Recognition, RepeatFiresTheLastCommandOnlyWhileTypematic) {
    TCommandNode* a = Command("A", {1, 2, 3});
    EXPECT_FALSE(engine.RepeatLastFired());
    Feed(doc, {1, 2, 3});
    engine.ProcessReceivedCode();
    EXPECT_TRUE(engine.RepeatLastFired());
    EXPECT_EQ(fake.timer.starts, 2); // stopped and started again
    EXPECT_EQ(fake.osd.shown.size(), 0u);
    EXPECT_EQ(fake.tree.selections.size(), 2u);

    doc.DeleteNode(a); // a deleted command is never fired again
    EXPECT_FALSE(engine.RepeatLastFired());
}

TEST_F(Recognition, AndSequencesNeedTheirTriggersInOrder) {
    TCommandNode* a = Command("A", {100, 100, 100});
    TCommandNode* b = Command("B", {200, 200, 200});
    TCommandNode* c = Command("C", {300, 300, 300});
    TAction* ab = Item(doc.DefaultLayout(), "AB", {a, b});

    Press(a);
    Press(b);
    EXPECT_EQ(fake.actions.ran, std::vector<TAction*>{ab});
    EXPECT_EQ(ab->Progress, 0);

    Press(a);
    Press(c); // resets
    Press(b);
    Press(b); // B alone
    Press(a);
    Press(a); // the second A resets without counting
    Press(b);
    EXPECT_EQ(fake.actions.ran.size(), 1u);
    EXPECT_EQ(ab->Progress, 0);

    ab->TrigEn = 1;
    Press(a);
    Press(b);
    EXPECT_EQ(fake.actions.ran.size(), 1u);
}

TEST_F(Recognition, OrItemsCompleteAtEveryTrigger) {
    TCommandNode* a = Command("A", {100, 100, 100});
    TCommandNode* b = Command("B", {200, 200, 200});
    TAction* either = Item(doc.DefaultLayout(), "either", {a, b}, 1);
    Press(b);
    Press(a);
    Press(a);
    EXPECT_EQ(fake.actions.ran, (std::vector<TAction*>{either, either, either}));
}

TEST_F(Recognition, ProgressPastTheEndOfAShortenedListRestarts) {
    TCommandNode* a = Command("A", {100, 100, 100});
    TCommandNode* b = Command("B", {200, 200, 200});
    TAction* item = Item(doc.DefaultLayout(), "item", {a, b, b});
    Press(a);
    Press(b);
    EXPECT_EQ(item->Progress, 2);
    doc.RemoveTriggerAt(item, 2);
    doc.RemoveTriggerAt(item, 1);
    Press(a); // progress 2 of a list of 1: a restart, not a step
    EXPECT_EQ(item->Progress, 0);
    EXPECT_TRUE(fake.actions.ran.empty());
    Press(a);
    EXPECT_EQ(fake.actions.ran, std::vector<TAction*>{item});
}

TEST_F(Recognition, TheForegroundWindowChoosesTheLayout) {
    TCommandNode* a = Command("A", {100, 100, 100});
    TCommandNode* b = Command("B", {200, 200, 200});
    TLayout* player = doc.AddLayout("Player", "Media Player", "");
    TLayout* editor = doc.AddLayout("Editor", "", "EditClass");
    TAction* def = Item(doc.DefaultLayout(), "default", {a}, 1);
    TAction* play = Item(player, "play", {a}, 1);
    TAction* edit = Item(editor, "edit", {a, a});

    fake.foreground.names = {"My Media Player 2", "Other"};
    Press(a); // both the player's and the default item complete: the player's runs
    EXPECT_EQ(fake.actions.ran, std::vector<TAction*>{play});
    EXPECT_EQ(doc.CurAction(), edit) << "running an item leaves the item the panel shows";
    EXPECT_EQ(edit->Progress, 0); // untouched by A: its layout does not apply

    fake.foreground.names = {"", "xEditClassx"};
    Press(a);
    Press(a);
    EXPECT_EQ(fake.actions.ran, (std::vector<TAction*>{play, def, edit}));

    fake.foreground.names = {"media player", "editclass"}; // case counts
    Press(a);
    EXPECT_EQ(fake.actions.ran.back(), def);

    fake.foreground.names = {"", "EditClass"};
    Press(a); // one step of two
    EXPECT_EQ(edit->Progress, 1);
    fake.foreground.names = {"Media Player", ""};
    Press(a); // the editor's item is not touched by its own trigger here
    EXPECT_EQ(edit->Progress, 1);
    Press(b); // but any command that does not trigger it resets it
    EXPECT_EQ(edit->Progress, 0);
}

TEST_F(Recognition, ReportsLogAndDisplay) {
    TCommandNode* vol = Command("Vol+", {0x1A, 0x2B});
    doc.SetSound(vol, "BEEP");
    Item(doc.DefaultLayout(), "Volume up", {vol}, 1);
    auto& s = fake.settings.values;
    s.PlaySounds = true;
    fake.settings.sounds["beep"] = "C:\\beep.wav";
    s.Dde = {true, true, true, true};
    fake.reports.ddeOpen = true;
    s.Tcp = {false, false, false, true};
    s.Osd = {true, true, true, false};
    s.LogEnabled = true;
    s.LogFile = "fired.log";
    fake.osd.suffix = "50%";

    Press(vol);
    EXPECT_EQ(fake.sound.played, std::vector<std::string>{"C:\\beep.wav"});
    EXPECT_EQ(fake.reports.dde, std::vector<std::string>{"TV, Vol+, 1A 2B , Volume up"});
    EXPECT_EQ(fake.reports.info, std::vector<std::string>{"Volume up\r\n"});
    EXPECT_EQ(fake.log.lines.at(0),
              (std::pair<std::string, std::string>{"fired.log", "TV,Vol+\r\n"}));
    EXPECT_EQ(fake.osd.shown, std::vector<std::string>{"TV, Vol+, 50%"});

    // Hidden no more: no action, everything else as before.
    fake.tray.visible = false;
    doc.SetSound(vol, "missing");
    doc.DefaultLayout()->Actions[0]->Name = "renamed";
    Press(vol);
    EXPECT_EQ(fake.actions.ran.size(), 1u);
    EXPECT_EQ(fake.sound.played.size(), 1u);
    EXPECT_EQ(fake.reports.info.back(), "renamed\r\n");
    EXPECT_EQ(fake.osd.shown.size(), 2u);
}

TEST_F(Recognition, BareInfoLineAndNoDdeTextWithoutAnItem) {
    TCommandNode* a = Command("A", {1, 2});
    fake.settings.values.Tcp = {false, false, false, true};
    fake.settings.values.Dde = {false, false, false, true};
    fake.reports.ddeOpen = true;
    Press(a);
    EXPECT_EQ(fake.reports.info, std::vector<std::string>{"\r\n"});
    EXPECT_TRUE(fake.reports.dde.empty());
    EXPECT_TRUE(fake.osd.shown.empty());
}

TEST_F(Recognition, ALogErrorIsShownOnceAndTheFiringGoesOn) {
    TCommandNode* a = Command("A", {1, 2});
    Item(doc.DefaultLayout(), "item", {a}, 1);
    fake.settings.values.LogEnabled = true;
    fake.settings.values.Osd.Command = true;
    fake.log.failWith = "Access denied";
    Press(a);
    Press(a);
    EXPECT_EQ(fake.errors.shown, std::vector<std::string>{"Access denied"});
    EXPECT_EQ(fake.actions.ran.size(), 2u);
    EXPECT_EQ(fake.osd.shown.size(), 2u);
    fake.log.failWith.reset();
    Press(a);
    fake.log.failWith = "Disk full";
    Press(a);
    EXPECT_EQ(fake.errors.shown.size(), 2u);
}

TEST_F(Recognition, MousePacketsMoveThePointerAndAreStillMatched) {
    TCommandNode* a = Command("A", {0x43, 0x7F, 0x05});
    fake.settings.values.UseSerialPort = true;
    fake.settings.values.SerialMode = 2;
    Feed(doc, {0x43, 0x7F, 0x05});
    engine.ProcessReceivedCode();
    EXPECT_EQ(fake.pointer.moves, (std::vector<std::pair<int, int>>{{-1, 5}}));
    EXPECT_EQ(doc.LastFiredCommand, a->Data());

    engine.TypematicTimerTimer();
    fake.settings.values.SerialMode = 1;
    Feed(doc, {0x43, 0x7F, 0x05});
    engine.ProcessReceivedCode();
    EXPECT_EQ(fake.pointer.moves.size(), 1u);
}

TEST_F(Recognition, LearningFillsFourSamplesAndFiresNothing) {
    Command("A", {5, 6});
    FakeLearnView view;
    engine.SetLearnView(&view);

    Feed(doc, {'O', 'K'});
    engine.ProcessReceivedCode();
    EXPECT_EQ(doc.LearnQueue.LastSample, -1);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());

    Feed(doc, {5, 6});
    engine.ProcessReceivedCode();
    EXPECT_EQ(view.max, 6);
    EXPECT_EQ(view.position, 6);
    EXPECT_EQ(view.accepts, 0);
    Feed(doc, {9, 6});
    engine.ProcessReceivedCode();
    EXPECT_EQ(view.accepts, 0);
    Feed(doc, {5, -3, 30, 4, 0});
    engine.ProcessReceivedCode();
    EXPECT_EQ(view.max, 30);
    EXPECT_EQ(view.position, 4);
    EXPECT_EQ(view.accepts, 1);
    Feed(doc, {1, 1});
    engine.ProcessReceivedCode();
    Feed(doc, {5, 7}); // the fifth code takes the fourth sample's place
    engine.ProcessReceivedCode();
    EXPECT_EQ(doc.LearnQueue.LastSample, 3);
    EXPECT_EQ(doc.LearnQueue.Samples[3].Code[1], 7);
    EXPECT_EQ(view.circles, (std::vector<std::pair<int, std::uint32_t>>{{0, kLearnMatchColor},
                                                                        {1, kLearnMissColor},
                                                                        {2, kLearnMatchColor},
                                                                        {3, kLearnMissColor},
                                                                        {3, kLearnMatchColor}}));
    EXPECT_EQ(doc.LastFiredCommand, nullptr);
    EXPECT_TRUE(fake.tree.selections.empty());
    EXPECT_EQ(fake.reports.replyCleared, 6);

    Feed(doc, {-1, -2});
    engine.ProcessReceivedCode();
    EXPECT_EQ(view.max, 0);
    EXPECT_EQ(view.position, 7); // no positive value: left where it was
}
