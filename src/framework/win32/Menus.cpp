#include "framework/win32/Menus.h"

#include "framework/win32/Forms.h"

#include <algorithm>
#include <unordered_map>

namespace tav {
namespace {

std::unordered_map<UINT, TMenuItem*>& Commands() {
    static std::unordered_map<UINT, TMenuItem*> map;
    return map;
}

std::unordered_map<HMENU, TMenuItem*>& Popups() {
    static std::unordered_map<HMENU, TMenuItem*> map;
    return map;
}

UINT NextCommand() {
    // Above the dialog command numbers (IDOK, IDCANCEL...), below the system commands.
    static UINT next = 0x100;
    if (next >= 0xEFFF)
        next = 0x100;
    return next++;
}

} // namespace

TMenuItem::TMenuItem(TComponent* owner, TMenuItem* parent, std::string name)
    : TComponent(owner, std::move(name)), command_(NextCommand()) {
    Commands()[command_] = this;
    PublishString(
        "Caption", [this] { return caption_; }, [this](const std::string& v) { SetCaption(v); });
    if (parent != nullptr)
        parent->Add(this);
}

TMenuItem::TMenuItem(TComponent* owner, TMenu* menu, std::string name)
    : TMenuItem(owner, menu != nullptr ? menu->Items() : nullptr, std::move(name)) {}

TMenuItem::TMenuItem(TMenu* root) : TComponent(root, "Items"), root_(root), command_(0) {}

TMenuItem::~TMenuItem() {
    while (!items_.empty())
        delete items_.back();
    ForgetPopups();
    if (parent_ != nullptr)
        parent_->Remove(this);
    if (command_ != 0)
        Commands().erase(command_);
}

void TMenuItem::ForgetPopups() {
    if (popup_ != nullptr) {
        Popups().erase(popup_);
        popup_ = nullptr;
    }
    for (TMenuItem* i : items_)
        i->ForgetPopups();
}

void TMenuItem::Changed() {
    // Only the menu bar shows items without being opened; submenus refresh when they open.
    if (parent_ != nullptr && parent_->root_ != nullptr)
        parent_->root_->RootChanged();
}

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed();
}
void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}
void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}
void TMenuItem::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}
void TMenuItem::SetDefault(bool isDefault) {
    default_ = isDefault;
    Changed();
}
void TMenuItem::SetRadioItem(bool radio) {
    radioItem_ = radio;
    Changed();
}
void TMenuItem::SetShortCut(TShortCut shortCut) {
    shortCut_ = shortCut;
    Changed();
}

void TMenuItem::Click() {
    Fire(OnClick, this);
}

void TMenuItem::ApplyArgs(TMenuItemArgs& a) {
    caption_ = a.Caption;
    shortCut_ = a.ShortCut;
    enabled_ = a.Enabled;
    checked_ = a.Checked;
    radioItem_ = a.RadioItem;
    OnClick = std::move(a.OnClick);
    Changed();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_ != nullptr)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    item->Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
    if (root_ != nullptr)
        root_->RootChanged();
}

void TMenuItem::Clear() {
    while (!items_.empty())
        delete items_.back();
}

void TMenuItem::Fill(HMENU menu) {
    for (TMenuItem* i : items_)
        i->ForgetPopups();
    while (GetMenuItemCount(menu) > 0)
        DeleteMenu(menu, 0, MF_BYPOSITION); // also destroys the submenus
    UINT position = 0;
    for (TMenuItem* i : items_) {
        if (!i->visible_)
            continue;
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
        info.wID = i->command_;
        if (i->caption_ == "-") {
            info.fType = MFT_SEPARATOR;
        } else {
            std::string text = i->caption_;
            if (std::string keys = ShortCutToText(i->shortCut_); !keys.empty())
                text.append(1, '\t').append(keys);
            info.fMask |= MIIM_STRING;
            info.fType = i->radioItem_ ? MFT_RADIOCHECK : MFT_STRING;
            info.fState = (i->checked_ ? MFS_CHECKED : 0u) | (i->enabled_ ? 0u : MFS_GRAYED) |
                          (i->default_ ? MFS_DEFAULT : 0u);
            info.dwTypeData = text.data();
            if (!i->items_.empty()) {
                i->popup_ = CreatePopupMenu();
                Popups()[i->popup_] = i;
                i->Fill(i->popup_);
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = i->popup_;
            }
            InsertMenuItemA(menu, position++, TRUE, &info);
            continue;
        }
        InsertMenuItemA(menu, position++, TRUE, &info);
    }
}

bool TMenuItem::DispatchCommand(UINT command) {
    auto it = Commands().find(command);
    if (it == Commands().end())
        return false;
    TMenuItem* item = it->second;
    if (item->enabled_)
        item->Click();
    return true;
}

bool TMenuItem::DispatchPopup(HMENU menu) {
    auto it = Popups().find(menu);
    if (it == Popups().end())
        return false;
    TMenuItem* item = it->second;
    item->Click();
    // The handler may have freed the item or changed the model; look it up again.
    it = Popups().find(menu);
    if (it != Popups().end())
        it->second->Fill(menu);
    return true;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
    for (TMenuItem* i : items_) {
        if (i->shortCut_ == shortCut)
            return i;
        if (TMenuItem* found = i->FindShortCut(shortCut))
            return found;
    }
    return nullptr;
}

bool TMenuItem::DispatchShortCut(TShortCut shortCut) {
    if ((shortCut & 0xFF) == 0)
        return false;
    TMenuItem* item = FindShortCut(shortCut);
    if (item == nullptr)
        return false;
    std::vector<TMenuItem*> parents;
    for (TMenuItem* p = item->parent_; p != nullptr && p != this; p = p->parent_)
        parents.insert(parents.begin(), p);
    const UINT command = item->command_;
    for (TMenuItem* p : parents)
        p->Click();
    // A parent's handler may have freed or disabled the item.
    auto it = Commands().find(command);
    if (it != Commands().end() && it->second->enabled_)
        it->second->Click();
    return true;
}

// ---------------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), items_(new TMenuItem(this)) {}

TMenu::~TMenu() {
    // The root is owned and freed by the base; its sub-items must not call back meanwhile.
    items_->root_ = nullptr;
}

TMainMenu::TMainMenu(TComponent* owner, std::string name) : TMenu(owner, std::move(name)) {}

TMainMenu::~TMainMenu() {
    if (form_ != nullptr)
        form_->SetMenu(nullptr);
}

void TMainMenu::AttachTo(TForm* form) {
    form_ = form;
    RootChanged();
}

void TMainMenu::DetachFrom(TForm* form) {
    if (form_ != form)
        return;
    Items()->ForgetPopups();
    SetMenu(form->Handle(), nullptr);
    if (bar_ != nullptr)
        DestroyMenu(bar_);
    bar_ = nullptr;
    form_ = nullptr;
}

void TMainMenu::RootChanged() {
    if (form_ == nullptr)
        return;
    if (bar_ == nullptr) {
        bar_ = CreateMenu();
        Items()->Fill(bar_);
        SetMenu(form_->Handle(), bar_);
    } else {
        Items()->Fill(bar_);
        DrawMenuBar(form_->Handle());
    }
}

std::function<UINT(HMENU, int, int)> TPopupMenu::Track = [](HMENU menu, int x, int y) {
    return static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0,
                                            Application().Handle(), nullptr));
};

TPopupMenu::TPopupMenu(TComponent* owner, std::string name) : TMenu(owner, std::move(name)) {}

void TPopupMenu::Popup(int x, int y, TComponent* sender) {
    PopupComponent = sender;
    Fire(OnPopup, this);
    HMENU menu = CreatePopupMenu();
    Items()->Fill(menu);
    Popups()[menu] = Items();
    const UINT command = Track(menu, x, y);
    Items()->ForgetPopups();
    Popups().erase(menu);
    DestroyMenu(menu);
    if (command != 0)
        TMenuItem::DispatchCommand(command);
}

bool DispatchMenuMessage(const TMessage& m) {
    switch (m.Msg) {
    case WM_COMMAND:
        // A high word of 0 comes from a menu, 1 from an accelerator; controls name themselves.
        return m.LParam == 0 && HIWORD(m.WParam) <= 1 &&
               TMenuItem::DispatchCommand(LOWORD(m.WParam));
    case WM_INITMENUPOPUP:
        return TMenuItem::DispatchPopup(reinterpret_cast<HMENU>(m.WParam));
    default:
        return false;
    }
}

} // namespace tav
