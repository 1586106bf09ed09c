#pragma once
// A list view in report style: columns, and rows with a caption, sub-items, a data pointer
// and an image.

#include "framework/win32/Controls.h"

#include <commctrl.h>

#include <memory>

namespace tav {

class TListView;
class TImageList;

class TListItem {
public:
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const StringList& SubItems() const { return subItems_; }
    void SetSubItems(const StringList& subItems);
    void AddSubItem(const std::string& text);
    void* Data = nullptr; // not owned
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int Index() const;
    bool Selected() const;
    void SetSelected(bool selected);
    TListView* ListView() const { return view_; }

private:
    friend class TListView;
    explicit TListItem(TListView* view) : view_(view) {}
    void Update();

    TListView* view_;
    std::string caption_;
    StringList subItems_;
    int imageIndex_ = -1;
};

using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem* item, bool selected)>;

class TListView : public TControl {
public:
    TListView(TComponent* owner, TControl* parent, std::string name = {});
    ~TListView() override;

    // `width` in design units.
    int AddColumn(const std::string& caption, int width);
    int ColumnCount() const;
    std::string ColumnCaption(int index) const;
    void SetColumnCaption(int index, const std::string& caption);
    // In design units, as the column was last sized, by code or by the user.
    int ColumnWidth(int index) const { return columnWidths_.at(static_cast<size_t>(index)); }
    void SetColumnWidth(int index, int width);
    // Neither the user's drag nor code makes the column narrower than this (design units).
    void SetColumnMinWidth(int index, int width);

    TListItem* AddItem();
    TListItem* InsertItem(int index);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
    void DeleteItem(int index);
    void Clear();
    // The first selected row, or none.
    TListItem* Selected() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    TListItem* GetItemAt(int x, int y) const;

    void SetRowSelect(bool rowSelect);
    void SetMultiSelect(bool multiSelect);
    // The list's pictures follow the view's DPI.
    void SetSmallImages(TImageList* images);

    // A row became selected or unselected (by the user or by code).
    TLVSelectItemEvent OnSelectItem;
    bool FillsWidth() const override { return true; }
    void ApplyDpi() override;

protected:
    void WndProc(TMessage& message) override;

private:
    friend class TListItem;
    // The columns' captions as given: the control reads one back only into a fixed buffer.
    std::vector<std::string> columnCaptions_;
    // Column widths in design units, to size them again at another DPI; a width the header
    // reports is kept here too.
    std::vector<int> columnWidths_;
    std::vector<int> columnMinWidths_;
    std::vector<std::unique_ptr<TListItem>> items_;
    TComponentRef<TImageList> smallImages_{
        this, [this] { SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, 0); }};
};

} // namespace tav
