#include "ui/main/ActionPanel.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

using namespace tav;

namespace {

using Strings = std::vector<std::string>;

// The user's answers in order (a name, none for Cancel; a Yes or No), with something that may
// happen while a question is open.
struct ScriptedUser : IActionPanelPrompts, IActionDialogs {
    std::deque<std::optional<std::string>> names;
    std::deque<bool> answers;
    Strings asked;
    Strings refused;
    std::function<void()> meanwhile;

    std::optional<std::string> AskName(const std::string& caption, const std::string&,
                                       const std::string& name) override {
        asked.push_back(caption + ": " + name);
        return Next(names);
    }
    void Refuse(const std::string& text) override { refused.push_back(text); }
    bool Confirm(const std::string& text, const std::string&) override {
        asked.push_back(text);
        return Next(answers);
    }
    std::string Translate(const std::string& english) override { return english; }
    std::optional<std::string> NewAction() override { return Next(names); }
    std::optional<std::string> Edit(const std::string&) override { return Next(names); }
    bool EditLayouts() override { return false; }
    template <class T> T Next(std::deque<T>& answersOfAKind) {
        if (meanwhile)
            std::exchange(meanwhile, nullptr)();
        T answer = answersOfAKind.front();
        answersOfAKind.pop_front();
        return answer;
    }
};

struct ActionPanelTest : ::testing::Test {
    TDocument doc;
    ScriptedUser user;
    TActionPanel panel{doc, user};

    TCommandNode* Remote(const std::string& name, Strings commands) {
        TCommandNode* remote = doc.AddRemote(name);
        for (const auto& c : commands)
            doc.AddCommand(remote, c);
        doc.SetModified(false);
        return remote;
    }
    TCommandNode* CommandOf(TCommandNode* remote, int i) {
        return remote->Children()[static_cast<size_t>(i)].get();
    }
    TAction* NewItem(const std::string& name) {
        user.names.push_back(name);
        EXPECT_TRUE(panel.NewItem());
        return panel.Item();
    }
    Strings Shown() const {
        Strings shown;
        for (const auto& group : GroupTriggers(doc, *panel.Item()))
            for (const auto& entry : group.Entries)
                shown.push_back(group.Remote + "/" + entry.Text + "@" +
                                std::to_string(entry.Position));
        return shown;
    }
};

} // namespace

TEST_F(ActionPanelTest, TriggersGroupByRemoteAndKeepEachBackReferenceOnce) {
    TCommandNode* tv = Remote("TV", {"1", "2", "3"});
    TCommandNode* vcr = Remote("VCR", {"Play"});
    TAction* item = NewItem("Zap");
    panel.AddTriggers(tv);
    panel.AddTriggers(tv);
    EXPECT_EQ(item->TriggerCommands.size(), 6u) << "duplicate entries are allowed";
    for (const auto& command : tv->Children())
        EXPECT_EQ(command->Data()->Actions, std::vector<TAction*>{item});

    // A1, B1, A2: A's entries share its group, B follows.
    NewItem("Mixed");
    panel.AddTriggers(CommandOf(tv, 0));
    panel.AddTriggers(CommandOf(vcr, 0));
    panel.AddTriggers(CommandOf(tv, 1));
    EXPECT_EQ(Shown(), (Strings{"TV/1@0", "TV/2@2", "VCR/Play@1"}));
    user.answers = {true, true};
    ASSERT_TRUE(panel.DeleteTrigger(2));
    EXPECT_EQ(Shown(), (Strings{"TV/1@0", "VCR/Play@1"}));
    EXPECT_EQ(CommandOf(tv, 1)->Data()->Actions, std::vector<TAction*>{item});
    ASSERT_TRUE(panel.DeleteTrigger(1));
    EXPECT_TRUE(CommandOf(vcr, 0)->Data()->Actions.empty()) << "its only entry went";

    // An entry whose command carries a stale index is not shown under another command.
    panel.AddTriggers(CommandOf(vcr, 0));
    CommandOf(vcr, 0)->Data()->NodeIndex = 1;
    EXPECT_EQ(Shown(), (Strings{"TV/1@0"}));
}

// Renaming and deleting among items of one name are driven through the window's controls.
TEST_F(ActionPanelTest, NewProposesTheShownNameAndLayoutsOfOneNameAreToldApartByPosition) {
    NewItem("Same");
    NewItem("Same");
    EXPECT_EQ(user.asked, (Strings{"New action: My action", "New action: Same"}));
    EXPECT_EQ(panel.ItemIndex(), 1) << "the new item is shown, not the first of its name";

    TLayout* a = doc.AddLayout("Player", "", "");
    TLayout* b = doc.AddLayout("Player", "", "");
    doc.AddAction(b, "b1");
    doc.AddAction(a, "a1");
    panel.ChooseLayout(2);
    EXPECT_EQ(panel.Item(), b->Actions[0].get());
    EXPECT_EQ(panel.LayoutIndex(), 2);
    panel.ChooseLayout(7);
    EXPECT_EQ(doc.CurLayout(), b) << "no such layout: nothing changes";
}

TEST_F(ActionPanelTest, AnEditKeepsTheTargetItHadWhenItsQuestionOpened) {
    TAction* asked = NewItem("Asked");
    TAction* other = NewItem("Other");
    doc.SetModified(false);

    panel.ChooseItem(0);
    user.meanwhile = [&] { doc.SetCurAction(other); };
    user.names.push_back("Renamed");
    ASSERT_TRUE(panel.RenameItem());
    EXPECT_EQ(asked->Name, "Renamed");
    EXPECT_EQ(other->Name, "Other");

    panel.ChooseItem(1);
    user.meanwhile = [&] { doc.DeleteAction(other); };
    user.answers.push_back(true);
    EXPECT_FALSE(panel.DeleteItem()) << "gone meanwhile: nothing left to delete";
    user.meanwhile = [&] { doc.DeleteAction(asked); };
    user.names.push_back("late");
    panel.ChooseItem(0);
    EXPECT_FALSE(panel.RenameItem());

    TLayout* layout = doc.AddLayout("Player", "", "");
    panel.ChooseLayout(1);
    user.meanwhile = [&] { doc.DeleteLayout(layout); };
    user.names.push_back("orphan");
    EXPECT_FALSE(panel.NewItem()) << "its layout went while the name was asked";

    TCommandNode* tv = Remote("TV", {"1", "2"});
    TAction* item = NewItem("Keys");
    panel.AddTriggers(tv);
    user.meanwhile = [&] { doc.ExchangeTriggers(item, 0, 1); };
    user.answers.push_back(true);
    EXPECT_FALSE(panel.DeleteTrigger(0)) << "the entry asked about moved";
    EXPECT_EQ(item->TriggerCommands.size(), 2u);

    item->ActionStrings = {"\xA1OSD\xA1old Delay:0"};
    user.meanwhile = [&] { doc.DeleteAction(item); };
    user.names.push_back("\xA1OSD\xA1new Delay:0");
    EXPECT_FALSE(panel.EditAction(0, user)) << "the item went while its action was edited";

    item = NewItem("Again");
    user.meanwhile = [&] { doc.DeleteAction(item); };
    user.names.push_back("\xA1OSD\xA1new Delay:0");
    EXPECT_FALSE(panel.AddAction(user));
}

TEST_F(ActionPanelTest, AnEmptyNameIsRefusedAndALongOneIsCutInQuestions) {
    TAction* item = NewItem("Keys");
    doc.SetModified(false);
    for (const char* blank : {"", "  \t"}) {
        user.names.push_back(blank);
        EXPECT_FALSE(panel.NewItem()) << "[" << blank << "]";
        user.names.push_back(blank);
        EXPECT_FALSE(panel.RenameItem()) << "[" << blank << "]";
    }
    EXPECT_EQ(doc.DefaultLayout()->Actions.size(), 1u);
    EXPECT_EQ(item->Name, "Keys");
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(user.refused, Strings(4, "A name cannot be empty."));

    user.names.push_back(std::string(320, 'x'));
    ASSERT_TRUE(panel.RenameItem());
    EXPECT_EQ(item->Name.size(), 320u) << "the name itself is kept whole";
    user.answers.push_back(false);
    panel.DeleteItem();
    EXPECT_EQ(user.asked.back(),
              "Are you sure you want to delete the action '" + std::string(57, 'x') + "...'?");
}

TEST_F(ActionPanelTest, OnlyAChangeTheUserMadeMarksTheDocument) {
    TCommandNode* tv = Remote("TV", {"1", "2"});
    TAction* item = NewItem("Keys");
    panel.AddTriggers(CommandOf(tv, 0));
    panel.AddTriggers(CommandOf(tv, 1));
    panel.AddTriggers(CommandOf(tv, 0));
    doc.SetModified(false);

    // Showing an item writes the values it holds back: no change.
    EXPECT_FALSE(panel.SetTriggering(0));
    EXPECT_FALSE(panel.SetMode(0));
    EXPECT_FALSE(panel.SetAllAtOnce(false));
    EXPECT_FALSE(panel.ExchangeTriggers(0, 2)) << "two entries of one command";
    EXPECT_FALSE(panel.ExchangeTriggers(1, 1));
    EXPECT_FALSE(panel.ExchangeTriggers(1, 3));
    user.answers.push_back(false);
    EXPECT_FALSE(panel.DeleteTrigger(0));
    user.names = {std::nullopt, std::nullopt, ""};
    EXPECT_FALSE(panel.RenameItem());
    EXPECT_FALSE(panel.AddAction(user));
    EXPECT_FALSE(panel.AddAction(user)) << "the editor composed nothing";
    EXPECT_FALSE(doc.Modified());

    EXPECT_TRUE(panel.ExchangeTriggers(2, 1)) << "exactly the two entries dragged";
    EXPECT_EQ(item->TriggerCommands,
              (std::vector<TCommand*>{CommandOf(tv, 0)->Data(), CommandOf(tv, 0)->Data(),
                                      CommandOf(tv, 1)->Data()}));
    EXPECT_TRUE(doc.Modified());

    doc.SetModified(false);
    EXPECT_TRUE(panel.SetMode(1));
    EXPECT_EQ(item->TrigType, 1);
    EXPECT_TRUE(doc.Modified());

    item->CurrentIndex = 5;
    user.names.push_back("\xA1OSD\xA1hello Delay:0");
    ASSERT_TRUE(panel.AddAction(user));
    EXPECT_EQ(item->CurrentIndex, 0);
}

TEST_F(ActionPanelTest, DropsOnTheTriggerTree) {
    using S = TTriggerDragSource;
    const auto accepts = [](S source, bool selected, bool command, bool empty,
                            std::optional<bool> group) {
        return AcceptsTriggerDrop({source, selected, command, empty, group});
    };
    EXPECT_TRUE(accepts(S::CommandsTree, true, false, true, std::nullopt));
    EXPECT_TRUE(accepts(S::CommandsTree, true, false, false, std::nullopt)) << "beside the nodes";
    EXPECT_TRUE(accepts(S::CommandsTree, true, false, false, true));
    EXPECT_FALSE(accepts(S::CommandsTree, true, false, false, false)) << "a remote on an entry";
    EXPECT_TRUE(accepts(S::CommandsTree, true, true, false, false));
    EXPECT_FALSE(accepts(S::CommandsTree, false, true, true, std::nullopt));
    EXPECT_FALSE(accepts(S::TriggerTree, true, true, false, std::nullopt)) << "no target node";
    EXPECT_TRUE(accepts(S::TriggerTree, true, false, false, true));
    EXPECT_FALSE(accepts(S::TriggerTree, true, false, false, false));
    EXPECT_FALSE(accepts(S::Other, true, true, true, true));
}

TEST_F(ActionPanelTest, ActionRowsShowTheirCaptionOrTheirText) {
    const DefaultActionLabels labels;
    EXPECT_EQ(DescribeActionRow("\xA1OSD\xA1hello Delay:0", labels), (TActionRow{"hello ", 7}));
    EXPECT_EQ(DescribeActionRow("no kind", labels), (TActionRow{"no kind", -1}));
}
