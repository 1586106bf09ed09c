#include "framework/win32/ListView.h"

#include "framework/win32/ComCtrls.h"

#include <commctrl.h>

#include <algorithm>

namespace tav {

void TListItem::Update() {
    const int index = Index();
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = caption_.data();
    item.iImage = imageIndex_;
    SendMessageA(view_->Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const int columns = std::max(view_->ColumnCount(), 1);
    for (int sub = 1; sub < columns; ++sub) {
        std::string text = static_cast<size_t>(sub) <= subItems_.size()
                               ? subItems_[static_cast<size_t>(sub - 1)]
                               : "";
        LVITEMA subItem{};
        subItem.iSubItem = sub;
        subItem.pszText = text.data();
        SendMessageA(view_->Handle(), LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&subItem));
    }
}

void TListItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Update();
}

void TListItem::SetSubItems(const StringList& subItems) {
    subItems_ = subItems;
    Update();
}

void TListItem::AddSubItem(const std::string& text) {
    subItems_.push_back(text);
    Update();
}

void TListItem::SetImageIndex(int index) {
    imageIndex_ = index;
    Update();
}

int TListItem::Index() const {
    const auto& items = view_->items_;
    auto it =
        std::find_if(items.begin(), items.end(), [this](const auto& p) { return p.get() == this; });
    return static_cast<int>(it - items.begin());
}

bool TListItem::Selected() const {
    return SendMessageA(view_->Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()),
                        LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool selected) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageA(view_->Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(Index()),
                 reinterpret_cast<LPARAM>(&item));
}

TListView::TListView(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {WC_LISTVIEWA,
                WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                WS_EX_CLIENTEDGE, 250, 150}) {}

TListView::~TListView() {
    // Deleting the rows sends selection notices that no handler should see.
    BeginDestruction();
    SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

int TListView::AddColumn(const std::string& caption, int width) {
    std::string text = caption;
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text.data();
    column.cx = ToPixels(width);
    columnCaptions_.push_back(caption);
    columnWidths_.push_back(width);
    columnMinWidths_.push_back(0);
    return static_cast<int>(SendMessageA(Handle(), LVM_INSERTCOLUMNA,
                                         static_cast<WPARAM>(ColumnCount()),
                                         reinterpret_cast<LPARAM>(&column)));
}

int TListView::ColumnCount() const {
    auto header = reinterpret_cast<HWND>(SendMessageA(Handle(), LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string TListView::ColumnCaption(int index) const {
    return columnCaptions_.at(static_cast<size_t>(index));
}

void TListView::SetColumnCaption(int index, const std::string& caption) {
    columnCaptions_.at(static_cast<size_t>(index)) = caption;
    std::string text = caption;
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = text.data();
    SendMessageA(Handle(), LVM_SETCOLUMNA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

void TListView::SetColumnWidth(int index, int width) {
    columnWidths_.at(static_cast<size_t>(index)) = width;
    SendMessageA(Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), ToPixels(width));
}

void TListView::SetColumnMinWidth(int index, int width) {
    columnMinWidths_.at(static_cast<size_t>(index)) = width;
}

TListItem* TListView::AddItem() {
    return InsertItem(ItemCount());
}

TListItem* TListView::InsertItem(int index) {
    index = std::clamp(index, 0, ItemCount());
    auto* item = new TListItem(this);
    items_.insert(items_.begin() + index, std::unique_ptr<TListItem>(item));
    LVITEMA row{};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = index;
    row.pszText = item->caption_.data();
    row.lParam = reinterpret_cast<LPARAM>(item);
    if (SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)) < 0) {
        items_.erase(items_.begin() + index);
        throw std::runtime_error("The list cannot take another row.");
    }
    return item;
}

void TListView::DeleteItem(int index) {
    if (index < 0 || index >= ItemCount())
        return;
    SendMessageA(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    items_.erase(items_.begin() + index);
}

void TListView::Clear() {
    SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0);
    items_.clear();
}

int TListView::ItemIndex() const {
    return static_cast<int>(
        SendMessageA(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

TListItem* TListView::Selected() const {
    const int index = ItemIndex();
    return index >= 0 && index < ItemCount() ? Item(index) : nullptr;
}

void TListView::SetItemIndex(int index) {
    if (index >= 0 && index < ItemCount()) {
        Item(index)->SetSelected(true);
        return;
    }
    for (const auto& item : items_)
        item->SetSelected(false);
}

TListItem* TListView::GetItemAt(int x, int y) const {
    LVHITTESTINFO info{};
    info.pt = {x, y};
    const int index =
        static_cast<int>(SendMessageA(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    return index >= 0 && index < ItemCount() && (info.flags & LVHT_ONITEM) ? Item(index) : nullptr;
}

void TListView::SetRowSelect(bool rowSelect) {
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 rowSelect ? LVS_EX_FULLROWSELECT : 0);
}

void TListView::SetMultiSelect(bool multiSelect) {
    LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    SetWindowLongA(Handle(), GWL_STYLE,
                   multiSelect ? style & ~LVS_SINGLESEL : style | LVS_SINGLESEL);
}

void TListView::ApplyDpi() {
    TControl::ApplyDpi();
    for (size_t i = 0; i < columnWidths_.size(); ++i)
        SendMessageA(Handle(), LVM_SETCOLUMNWIDTH, i, ToPixels(columnWidths_[i]));
    if (smallImages_)
        SetSmallImages(smallImages_);
}

void TListView::SetSmallImages(TImageList* images) {
    smallImages_ = images;
    if (images)
        images->FollowDpi(Dpi());
    SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
}

void TListView::WndProc(TMessage& m) {
    // The header asks its list before a column's width changes, and a refusal leaves the width
    // as it was; it tells the list after the change.
    if (m.Msg == WM_NOTIFY) {
        const UINT code = reinterpret_cast<NMHDR*>(m.LParam)->code;
        const bool changing = code == HDN_ITEMCHANGINGA || code == HDN_ITEMCHANGINGW;
        const bool changed = code == HDN_ITEMCHANGEDA || code == HDN_ITEMCHANGEDW;
        const auto* change = reinterpret_cast<NMHEADERA*>(m.LParam);
        if ((changing || changed) && change->pitem != nullptr &&
            (change->pitem->mask & HDI_WIDTH) != 0 &&
            static_cast<size_t>(change->iItem) < columnWidths_.size()) {
            const auto column = static_cast<size_t>(change->iItem);
            if (changing && change->pitem->cxy < ToPixels(columnMinWidths_[column])) {
                m.Result = TRUE;
                return;
            }
            // A width the user dragged, or code gave the list directly, is kept in design
            // units like one set here, so that another DPI scales it.
            if (changed && change->pitem->cxy >= 0 &&
                change->pitem->cxy != ToPixels(columnWidths_[column]))
                columnWidths_[column] = ToDesign(change->pitem->cxy);
        }
    }
    if (m.Msg == CN_NOTIFY) {
        const auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        switch (hdr->code) {
        case LVN_ITEMCHANGED: {
            const auto* change = reinterpret_cast<NMLISTVIEW*>(m.LParam);
            const bool was = change->uOldState & LVIS_SELECTED;
            const bool is = change->uNewState & LVIS_SELECTED;
            if ((change->uChanged & LVIF_STATE) && was != is && change->iItem >= 0 &&
                change->iItem < ItemCount())
                Fire(OnSelectItem, this, Item(change->iItem), is);
            return;
        }
        case NM_CLICK:
            Click();
            return;
        case LVN_BEGINDRAG:
            if (DragMode == TDragMode::Automatic)
                BeginDrag();
            return;
        default:
            break;
        }
    }
    TControl::WndProc(m);
}

} // namespace tav
