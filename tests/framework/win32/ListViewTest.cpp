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

// A list of two columns, and the two ways a column's width changes past the framework.
struct TwoColumns {
    TForm form{nullptr, "TestForm"};
    TListView* list = nullptr;
    TwoColumns(int first, int second) {
        form.Loaded();
        list = new TListView(&form, &form, "LayoutList");
        list->AddColumn("Name", first);
        list->AddColumn("Title", second);
    }
    int Width(int column) const {
        return static_cast<int>(SendMessageA(list->Handle(), LVM_GETCOLUMNWIDTH, column, 0));
    }
    // As a drag of the divider does it: through the header.
    void Drag(int column, int design) const {
        HWND header = reinterpret_cast<HWND>(SendMessageA(list->Handle(), LVM_GETHEADER, 0, 0));
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        item.cxy = list->ToPixels(design);
        SendMessageA(header, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
    }
    // As a list's owner sizes a column to its rows: straight to the list.
    void Size(int column, int pixels) const {
        SendMessageA(list->Handle(), LVM_SETCOLUMNWIDTH, column, pixels);
    }
};

TEST(ListView, AColumnStaysAtLeastItsMinimumWideWhateverSetsItsWidth) {
    TwoColumns columns(100, 150);
    TListView* list = columns.list;
    list->SetColumnMinWidth(0, 50);
    columns.Drag(0, 20);
    EXPECT_EQ(columns.Width(0), list->ToPixels(100));
    columns.Size(0, list->ToPixels(49));
    EXPECT_EQ(columns.Width(0), list->ToPixels(100));
    list->SetColumnWidth(0, 60);
    EXPECT_EQ(columns.Width(0), list->ToPixels(60));
    columns.Drag(1, 20);
    EXPECT_EQ(columns.Width(1), list->ToPixels(20)) << "a column without a minimum";
    // The header is asked with the special widths of automatic sizing too.
    columns.Size(1, LVSCW_AUTOSIZE_USEHEADER);
    EXPECT_NE(columns.Width(1), list->ToPixels(20));
}

TEST(ListView, AColumnKeepsTheWidthItWasDraggedToAtAnotherDpi) {
    TwoColumns columns(100, 100);
    TListView* list = columns.list;
    columns.Drag(0, 170);
    columns.Size(1, list->ToPixels(60));
    EXPECT_EQ(list->ColumnWidth(0), 170);
    EXPECT_EQ(list->ColumnWidth(1), 60);

    const UINT after = columns.form.FormDpi() == 96 ? 144 : 96;
    RECT window{};
    GetWindowRect(columns.form.Handle(), &window);
    SendMessageA(columns.form.Handle(), WM_DPICHANGED, MAKEWPARAM(after, after),
                 reinterpret_cast<LPARAM>(&window));
    ASSERT_EQ(list->Dpi(), after);
    EXPECT_NEAR(columns.Width(0), list->ToPixels(170), 1);
    EXPECT_NEAR(columns.Width(1), list->ToPixels(60), 1);
}

} // namespace
