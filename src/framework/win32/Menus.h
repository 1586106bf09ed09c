#pragma once
// Menus as a model (items with caption, states, shortcut and click handler, in a tree),
// rendered to Win32 menus: a main menu on its form's menu bar, a popup menu at a point. Each
// submenu is filled again from the model when it opens, after its item's OnClick ran.

#include "framework/ShortCut.h"
#include "framework/win32/Controls.h"

namespace tav {

class TMenu;
class TMenuItem;

// What a form states when it declares a menu item, in this order.
struct TMenuItemArgs {
    // The item whose submenu lists this one (a menu's Items() for the top level).
    TMenuItem* Parent = nullptr;
    std::string Caption;
    TShortCut ShortCut = 0;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;
    TNotifyEvent OnClick;
};

class TMenuItem : public TComponent {
public:
    using Args = TMenuItemArgs;
    // `owner` frees the item (the form, so that it is found by name); `parent` lists it.
    TMenuItem(TComponent* owner, TMenuItem* parent, std::string name = {});
    TMenuItem(TComponent* owner, TMenu* menu, std::string name = {});
    ~TMenuItem() override;

    // A caption of "-" makes a separator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // The item that a double click on what the menu belongs to chooses; shown in bold.
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    // Shown with a round check mark.
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);

    TNotifyEvent OnClick;
    // Fires OnClick (for an item with a submenu: when the submenu opens).
    virtual void Click();
    void ApplyArgs(TMenuItemArgs& args);

    TMenuItem* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    int IndexOf(const TMenuItem* item) const;
    // Lists `item` here (taking it from any other parent).
    void Insert(int index, TMenuItem* item);
    void Add(TMenuItem* item) { Insert(Count(), item); }
    // Takes `item` off this list without freeing it.
    void Remove(TMenuItem* item);
    // Frees every sub-item.
    void Clear();

    // The Win32 command number of this item.
    UINT Command() const { return command_; }
    // The submenu currently showing this item's sub-items, if any.
    HMENU Handle() const { return popup_; }

    // Runs the item whose command this is; false when no item has it.
    static bool DispatchCommand(UINT command);
    // Refreshes a submenu about to open (WM_INITMENUPOPUP); false when it is not ours.
    static bool DispatchPopup(HMENU menu);
    // Finds an enabled item with this shortcut below this one, lets its parents update
    // (their OnClick, outermost first) and clicks it.
    bool DispatchShortCut(TShortCut shortCut);

    // Rebuilds `menu` from this item's sub-items.
    void Fill(HMENU menu);

private:
    friend class TMenu;
    friend class TMainMenu;
    friend class TPopupMenu;
    explicit TMenuItem(TMenu* root);
    void Changed();
    void ForgetPopups();
    TMenuItem* FindShortCut(TShortCut shortCut);

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    bool radioItem_ = false;
    TShortCut shortCut_ = 0;
    TMenuItem* parent_ = nullptr;
    TMenu* root_ = nullptr; // set only on a menu's root item
    std::vector<TMenuItem*> items_;
    UINT command_ = 0;
    HMENU popup_ = nullptr;
};

class TMenu : public TComponent {
public:
    ~TMenu() override;
    // The root whose sub-items are the menu's items.
    TMenuItem* Items() const { return items_; }

protected:
    TMenu(TComponent* owner, std::string name);
    friend class TMenuItem;
    // A top-level item changed.
    virtual void RootChanged() {}

private:
    TMenuItem* items_;
};

class TMainMenu : public TMenu {
public:
    struct Args {};
    TMainMenu(TComponent* owner, std::string name = {});
    static TMainMenu* Construct(TComponent* owner, std::string name, Args&) {
        return new TMainMenu(owner, std::move(name));
    }
    void ApplyArgs(Args&) {}
    ~TMainMenu() override;

private:
    friend class TForm;
    void AttachTo(TForm* form);
    void DetachFrom(TForm* form);
    void RootChanged() override;

    TForm* form_ = nullptr;
    HMENU bar_ = nullptr;
};

class TPopupMenu : public TMenu {
public:
    struct Args {
        TNotifyEvent OnPopup;
    };
    TPopupMenu(TComponent* owner, std::string name = {});
    static TPopupMenu* Construct(TComponent* owner, std::string name, Args&) {
        return new TPopupMenu(owner, std::move(name));
    }
    void ApplyArgs(Args& args) { OnPopup = std::move(args.OnPopup); }

    // Shows the menu at the screen point and runs the chosen item. `sender` becomes
    // PopupComponent (the control whose context menu this is).
    void Popup(int x, int y, TComponent* sender = nullptr);
    TComponent* PopupComponent = nullptr;
    // Fired before the menu appears.
    TNotifyEvent OnPopup;

    // Shows a filled menu and returns the chosen command (0 for none); tests replace it.
    static std::function<UINT(HMENU menu, int x, int y)> Track;
};

// Runs the menu command or refreshes the submenu a window message is about (WM_COMMAND from a
// menu or accelerator, WM_INITMENUPOPUP); false when the message is not such a one of ours.
bool DispatchMenuMessage(const TMessage& message);

} // namespace tav
