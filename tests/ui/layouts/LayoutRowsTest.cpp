#include "ui/layouts/LayoutRows.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct LayoutRows : ::testing::Test {
    TDocument doc{[] { return std::string("Default"); }};
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* a = doc.AddCommand(tv, "A");
    TCommandNode* b = doc.AddCommand(tv, "B");
    TLayout* player = doc.AddLayout("Player", "Media", "WMP");
    TLayout* editor = doc.AddLayout("Editor", "Notepad", "Notepad");
    std::vector<TRunStateChange> told;

    LayoutRows() {
        doc.AddRunStateListener([this](TRunStateChange why) { told.push_back(why); });
        doc.SetModified(false);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& layout : doc.Layouts())
            names.push_back(layout->Name);
        return names;
    }
};

const auto kYes = [](const std::string&) { return true; };

TEST_F(LayoutRows, DeletingALayoutWhoseItemListsACommandTwiceUnlinksItAtOnceWithoutAccept) {
    TAction* kept = doc.AddAction(doc.DefaultLayout(), "kept");
    doc.AddTrigger(kept, a);
    TAction* twice = doc.AddAction(player, "twice");
    doc.AddTrigger(twice, a);
    doc.AddTrigger(twice, b);
    doc.AddTrigger(twice, a);
    doc.SetModified(false);
    std::vector<std::string> asked;
    TLayoutRows rows(doc);
    EXPECT_TRUE(rows.Delete(1, [&](const std::string& name) {
        asked.push_back(name);
        return true;
    }));
    EXPECT_EQ(asked, std::vector<std::string>{"Player"});
    // No Accept: the dialog was cancelled, the layout stays deleted and the file must be saved.
    EXPECT_EQ(Names(), (std::vector<std::string>{"Default", "Editor"}));
    EXPECT_EQ(a->Data()->Actions, std::vector<TAction*>{kept});
    EXPECT_TRUE(b->Data()->Actions.empty());
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(told, std::vector<TRunStateChange>{TRunStateChange::LayoutDeleted});
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[1].Layout, editor);
}

TEST_F(LayoutRows, NoKeepsTheLayoutARowOfItsOwnGoesUnaskedAndTheFirstRowStays) {
    TLayoutRows rows(doc);
    rows.Append({"New", "", ""});
    int questions = 0;
    const auto no = [&](const std::string&) { return ++questions, false; };
    EXPECT_FALSE(rows.Delete(1, no));
    EXPECT_TRUE(rows.Delete(3, no));
    EXPECT_FALSE(rows.Delete(0, kYes));
    EXPECT_FALSE(rows.Replace(0, {"Mine", "x", "y"}));
    EXPECT_FALSE(rows.Delete(4, kYes));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(rows.Rows().size(), 3u);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Default", "Player", "Editor"}));
    EXPECT_FALSE(doc.Modified());
}

TEST_F(LayoutRows, AcceptKeepsEachLayoutInItsPlaceAndAppendsNewOnesInRowOrder) {
    TAction* item = doc.AddAction(player, "item");
    TLayoutRows rows(doc);
    rows.Append({"Mail", "", ""});
    rows.Append({"Calc", "Calculator", "SciCalc"});
    EXPECT_TRUE(rows.Replace(1, {"Player", "Media; Player", "WMPlayerApp"}));
    // Nothing reaches the document before Accept.
    EXPECT_EQ(player->WndTitle, "Media");
    rows.Accept();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Default", "Player", "Editor", "Mail", "Calc"}));
    EXPECT_EQ(doc.Layouts()[1].get(), player);
    EXPECT_EQ(player->WndTitle, "Media; Player");
    EXPECT_EQ(player->Application, "WMPlayerApp");
    EXPECT_EQ(item->Layout, player);
    EXPECT_EQ(doc.Layouts()[4]->Application, "SciCalc");
    EXPECT_TRUE(doc.Layouts()[4]->Actions.empty());
}

// The main window's layout box would show a blank entry that no one can tell apart.
TEST_F(LayoutRows, AnEmptyNameIsRefusedForANewRowAndForAnEditedOne) {
    TLayoutRows rows(doc);
    EXPECT_FALSE(rows.Append({"", "Untitled", "Notepad"}));
    EXPECT_FALSE(rows.Append({" \t", "", ""}));
    EXPECT_FALSE(rows.Replace(1, {"", "Media", "WMP"}));
    ASSERT_EQ(rows.Rows().size(), 3u);
    EXPECT_EQ(rows.Rows()[1].Texts, (TLayoutTexts{"Player", "Media", "WMP"}));
    rows.Accept();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Default", "Player", "Editor"}));
}

TEST_F(LayoutRows, ALayoutGoneWhileTheQuestionWasOpenIsNeitherDeletedAgainNorBroughtBack) {
    TLayoutRows rows(doc);
    EXPECT_FALSE(rows.Delete(2, [&](const std::string&) {
        doc.DeleteLayout(editor);
        return true;
    }));
    told.clear();
    rows.Accept();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Default", "Player"}));
    EXPECT_TRUE(told.empty());
}

} // namespace
