#include "framework/win32/ListView.h"
#include "Pump.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(ListView, RowsKeepCaptionsSubItemsAndDataInOrder) {
    TForm form(nullptr, "TestForm");
    form.Loaded();
    auto* list = new TListView(&form, &form, "SoundsList");
    list->AddColumn("Sound", 100);
    list->AddColumn("File", 200);
    EXPECT_EQ(list->ColumnCount(), 2);
    list->SetColumnCaption(1, "Datei");
    EXPECT_EQ(list->ColumnCaption(1), "Datei");
    const std::string longCaption(5000, 'S');
    list->SetColumnCaption(0, longCaption);
    EXPECT_EQ(list->ColumnCaption(0), longCaption);
    int data = 0;
    auto* beep = list->AddItem();
    beep->SetCaption("Beep");
    beep->AddSubItem("C:\\beep.wav");
    beep->Data = &data;
    auto* first = list->InsertItem(0);
    first->SetCaption("Ding");
    EXPECT_EQ(beep->Index(), 1);
    char text[64] = {};
    LVITEMA item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(list->Handle(), LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "C:\\beep.wav");

    std::vector<std::pair<TListItem*, bool>> selections;
    list->OnSelectItem = [&](TObject*, TListItem* i, bool s) { selections.emplace_back(i, s); };
    list->SetItemIndex(1);
    list->SetItemIndex(0);
    EXPECT_EQ(list->Selected(), first);
    using P = std::pair<TListItem*, bool>;
    EXPECT_EQ(selections, (std::vector<P>{P{beep, true}, P{beep, false}, P{first, true}}));
    list->DeleteItem(0);
    EXPECT_EQ(list->ItemCount(), 1);
    EXPECT_EQ(list->Item(0), beep);
    EXPECT_EQ(list->Item(0)->Data, &data);
}

TEST(ListView, AColumnStaysAtLeastItsMinimumWideWhateverSetsItsWidth) {
    TForm form(nullptr, "TestForm");
    form.Loaded();
    auto* list = new TListView(&form, &form, "LayoutList");
    list->AddColumn("Name", 100);
    list->AddColumn("Title", 150);
    list->SetColumnMinWidth(0, 50);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list->Handle(), LVM_GETHEADER, 0, 0));
    auto width = [&](int column) {
        return static_cast<int>(SendMessageA(list->Handle(), LVM_GETCOLUMNWIDTH, column, 0));
    };
    // As a drag of the divider does it: through the header.
    HDITEMA narrow{};
    narrow.mask = HDI_WIDTH;
    narrow.cxy = list->ToPixels(20);
    SendMessageA(header, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&narrow));
    EXPECT_EQ(width(0), list->ToPixels(100));
    SendMessageA(list->Handle(), LVM_SETCOLUMNWIDTH, 0, list->ToPixels(49));
    EXPECT_EQ(width(0), list->ToPixels(100));
    list->SetColumnWidth(0, 60);
    EXPECT_EQ(width(0), list->ToPixels(60));
    SendMessageA(header, HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&narrow));
    EXPECT_EQ(width(1), list->ToPixels(20)) << "a column without a minimum";
    // The header is asked with the special widths of automatic sizing too.
    SendMessageA(list->Handle(), LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_NE(width(1), list->ToPixels(20));
}

} // namespace
