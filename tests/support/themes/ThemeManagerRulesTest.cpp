#include "support/themes/ControlKinds.h"
#include "support/themes/TakenOverEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tav::themes;

namespace {
constexpr unsigned long kChild = 0x40000000UL;
} // namespace

TEST(StyleOptions, TheDefaultLeavesOutAnimationsAndTheAlternateTabSheetDrawing) {
    EXPECT_FALSE(Has(kDefaultStyleOptions, soTakeOverAnimate));
    EXPECT_FALSE(Has(kDefaultStyleOptions, soAlternateTabSheetDraw));
    EXPECT_TRUE(Has(kDefaultStyleOptions, soSetTransparency));
    EXPECT_TRUE(Has(kDefaultStyleOptions, soAllowNonClientArea));
    EXPECT_EQ(Option(soAllowWebContent), 4u) << "the library's web-content property";
}

TEST(ControlKinds, ButtonsSplitByTypeAndFormsByBeingTopLevel) {
    EXPECT_EQ(KindOfWindow("Button", kChild | 0x7), TControlKind::GroupBox);
    EXPECT_EQ(KindOfWindow("BUTTON", kChild | 0x3), TControlKind::Button) << "check box";
    EXPECT_EQ(KindOfWindow("Button", kChild | 0x20 | 0x3), TControlKind::Button)
        << "only the type bits tell a group box";
    EXPECT_EQ(KindOfWindow("Button", kChild | 0x300 | 0x7), TControlKind::GroupBox);
    EXPECT_EQ(KindOfWindow("Button", 0x7), TControlKind::Form);
    EXPECT_EQ(KindOfWindow("TavMainWindow", 0), TControlKind::Form);
    EXPECT_EQ(KindOfWindow("SysListView32", kChild), TControlKind::ListView);
    EXPECT_EQ(KindOfWindow(kTabSheetWindowClass, kChild), TControlKind::TabSheet);
    EXPECT_EQ(KindOfWindow("Static", kChild), TControlKind::WinControl) << "labels";
    EXPECT_EQ(KindOfWindow(kGraphicWindowClass, kChild), TControlKind::None);
    EXPECT_EQ(KindOfWindow("SysTreeView32", kChild), TControlKind::WinControl);
    EXPECT_EQ(OptionForKind(TControlKind::Panel), soTakeOverPanel);
    EXPECT_EQ(OptionForKind(TControlKind::Form), std::nullopt);
    EXPECT_EQ(OptionForKind(TControlKind::None), std::nullopt);
}

TEST(TakenOverEntries, AControlIsListedOnceAndRemovingAStrangerChangesNothing) {
    TTakenOverEntries<int, std::string> list;
    int a = 0, b = 0, c = 0;
    EXPECT_TRUE(list.Add(&a, "a"));
    EXPECT_FALSE(list.Add(&a, "again"));
    EXPECT_TRUE(list.Add(&b, "b"));
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(*list.SavedFor(&a), "a") << "the first saved value stays";
    EXPECT_EQ(list.Remove(&c), std::nullopt);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Remove(&a), "a");
    EXPECT_EQ(list.SavedFor(&a), nullptr);
    EXPECT_EQ(*list.SavedFor(&b), "b");
}

TEST(TakenOverEntries, TheLastControlFoundAnswersWithoutASearchUntilTheListChangesBeforeIt) {
    TTakenOverEntries<int, int> list;
    std::vector<int> controls(64);
    for (int i = 0; i < 64; ++i)
        list.Add(&controls[static_cast<std::size_t>(63 - i)], 63 - i);
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(*list.SavedFor(&controls[static_cast<std::size_t>(i)]), i);
    const int searches = list.Searches();
    EXPECT_EQ(*list.SavedFor(&controls[63]), 63);
    EXPECT_EQ(list.Searches(), searches) << "the cached one";
    list.Remove(&controls[0]); // before the cached entry: its index moved
    const int afterRemove = list.Searches();
    EXPECT_EQ(*list.SavedFor(&controls[63]), 63);
    EXPECT_EQ(list.Searches(), afterRemove + 1);
    list.Add(&controls[0], 0);
    EXPECT_EQ(*list.SavedFor(&controls[63]), 63) << "an insertion before it moves it too";
    for (std::size_t i = 1; i < list.Count(); ++i)
        EXPECT_LT(list.ControlAt(i - 1), list.ControlAt(i));
}
