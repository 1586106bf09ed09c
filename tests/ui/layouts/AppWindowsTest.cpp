#include "ui/layouts/AppWindows.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

// Z order: a visible editor owning a visible and a hidden dialog, the program's own window, a
// hidden tool window owning a visible palette, an untitled window, and a player.
const std::vector<TTopWindow> kWindows = {
    {10, 0, "Editor", "EdMain", true},   {11, 10, "Find", "#32770", true},
    {12, 10, "Spell", "#32770", false},  {20, 0, "Tavrilo", "TApplication", false},
    {30, 0, "Tools", "ToolWnd", false},  {31, 30, "Palette", "PalWnd", true},
    {40, 0, "", "Untitled", true},       {50, 0, "Player", "WMP", true},
    {13, 10, "Replace", "#32770", true}, {21, 20, "Main", "TMainForm", true},
};

std::vector<std::string> Texts(const std::vector<TAppNode>& nodes) {
    std::vector<std::string> texts;
    for (const TAppNode& node : nodes) {
        texts.push_back(RootNodeText(node.Root));
        for (const TAppWindow& owned : node.Owned)
            texts.push_back("  " + OwnedNodeText(owned));
    }
    return texts;
}

TEST(ListApplications, ListsVisibleTitledWindowsWithTheirOwnedOnesUnderThemInZOrder) {
    EXPECT_EQ(Texts(ListApplications(kWindows, 20, false)),
              (std::vector<std::string>{"Editor; EdMain", "  Find;#32770", "  Replace;#32770",
                                        "Player; WMP"}));
}

TEST(ListApplications, InvisibleWindowsAndTheirOwnedOnesAreListedOnlyOnRequest) {
    EXPECT_EQ(Texts(ListApplications(kWindows, 20, true)),
              (std::vector<std::string>{"Editor; EdMain", "  Find;#32770", "  Spell;#32770",
                                        "  Replace;#32770", "Tools; ToolWnd", "  Palette;PalWnd",
                                        "Player; WMP"}));
    // Without a window of its own to hide, the program's window is listed like any other.
    EXPECT_EQ(ListApplications(kWindows, 0, true)[1].Root,
              (TAppWindow{20, "Tavrilo", "TApplication"}));
}

} // namespace
