#include "engine/actions/ActionsList.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct ScriptedEditor : IActionEditor {
    std::optional<std::string> answer;
    std::string shown;
    std::optional<std::string> Edit(const std::string& action) override {
        shown = action;
        return answer;
    }
};

struct ActionsList : ::testing::Test {
    TDocument doc;
    TAction* item = doc.AddAction(doc.DefaultLayout(), "Item");
    ActionsList() {
        item->ActionStrings = {"a", "b", "c"};
        item->CurrentIndex = 2;
        doc.SetModified(false);
    }
    using Strings = std::vector<std::string>;
};

} // namespace

TEST_F(ActionsList, RemovingARowStartsTheItemAgainAndMarksTheDocument) {
    EXPECT_FALSE(RemoveActionRow(doc, *item, 3));
    EXPECT_FALSE(doc.Modified());
    EXPECT_TRUE(RemoveActionRow(doc, *item, 1));
    EXPECT_EQ(item->ActionStrings, (Strings{"a", "c"}));
    EXPECT_EQ(item->CurrentIndex, 0);
    EXPECT_TRUE(doc.Modified());
    RemoveActionRow(doc, *item, 0);
    RemoveActionRow(doc, *item, 0);
    EXPECT_EQ(item->CurrentIndex, -1);
}

TEST_F(ActionsList, AnAcceptedEditReplacesTheRowACancelledOrEmptyOneDoesNot) {
    ScriptedEditor editor;
    EXPECT_FALSE(EditActionRow(doc, *item, 1, editor));
    EXPECT_EQ(editor.shown, "b");
    editor.answer = "";
    EXPECT_FALSE(EditActionRow(doc, *item, 1, editor));
    EXPECT_FALSE(doc.Modified());
    editor.answer.emplace(1, 'B');
    EXPECT_TRUE(EditActionRow(doc, *item, 1, editor));
    EXPECT_EQ(item->ActionStrings, (Strings{"a", "B", "c"}));
    EXPECT_TRUE(doc.Modified());
    EXPECT_FALSE(EditActionRow(doc, *item, -1, editor));
}

TEST_F(ActionsList, ADropSwapsTwoRowsAndADropThatChangesNoOrderDoesNothing) {
    EXPECT_TRUE(AcceptsActionDrag(true, 0, 2, 3));
    EXPECT_TRUE(AcceptsActionDrag(true, 0, std::nullopt, 0));
    EXPECT_FALSE(AcceptsActionDrag(false, 0, 2, 3));
    EXPECT_FALSE(AcceptsActionDrag(true, std::nullopt, 2, 3));
    EXPECT_FALSE(AcceptsActionDrag(true, 0, std::nullopt, 3));

    EXPECT_FALSE(DropActionRow(doc, *item, 0, std::nullopt));
    EXPECT_FALSE(DropActionRow(doc, *item, 1, 1));
    item->ActionStrings.push_back("a");
    EXPECT_FALSE(DropActionRow(doc, *item, 0, 3)) << "two equal strings: no new order";
    item->ActionStrings.pop_back();
    EXPECT_FALSE(doc.Modified());
    EXPECT_TRUE(DropActionRow(doc, *item, 0, 2));
    EXPECT_EQ(item->ActionStrings, (Strings{"c", "b", "a"}));
    EXPECT_EQ(item->CurrentIndex, 2);
    EXPECT_TRUE(doc.Modified()) << "a new order must be saved";
}
