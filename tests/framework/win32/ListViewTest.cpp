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

} // namespace
