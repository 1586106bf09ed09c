#include "framework/win32/StdCtrls.h"

#include "framework/Text.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace tav {
namespace {

const char* const kPanelClass = "TavPanel";

const char* PanelClass() {
    return RegisterFrameworkClass(kPanelClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

constexpr TListMessages kComboMsgs{CB_ADDSTRING, CB_RESETCONTENT, CB_DELETESTRING,
                                   CB_GETCURSEL, CB_SETCURSEL,    CB_INITSTORAGE};
// The list a combo box drops down, in design units.
constexpr int kDropDownHeight = 200;
// Inside the frame of a radio group, and between its buttons.
constexpr int kGroupMargin = 8;
constexpr int kRadioSpacing = 2;

// A group box of the system paints its frame and caption but not its inside, and the parent
// clips its children away: the background is filled here (the colour it shows, else the
// dialog face).
bool EraseGroupBackground(TControl& group, const TMessage& m) {
    if (m.Msg != WM_ERASEBKGND)
        return false;
    RECT r{};
    GetClientRect(group.Handle(), &r);
    HBRUSH brush = group.ColorBrush();
    FillRect(reinterpret_cast<HDC>(m.WParam), &r,
             brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

constexpr TListMessages kListMsgs{LB_ADDSTRING, LB_RESETCONTENT, LB_DELETESTRING,
                                  LB_GETCURSEL, LB_SETCURSEL,    LB_INITSTORAGE};

} // namespace

TListControl::TListControl(TComponent* owner, TControl* parent, std::string name,
                           const TCreateParams& params, const TListMessages& messages)
    : TControl(owner, parent, std::move(name), params), messages_(messages) {
    PublishList(
        "Items", [this] { return Items(); }, [this](const StringList& v) { SetItems(v); });
    PublishInteger(
        "ItemIndex", [this] { return ItemIndex(); }, [this](int v) { SetItemIndex(v); });
}

int TListControl::ItemCount() const {
    return static_cast<int>(items_.size());
}

std::string TListControl::Item(int index) const {
    return index >= 0 && index < ItemCount() ? items_[static_cast<size_t>(index)] : std::string();
}

int TListControl::AddItem(const std::string& item) {
    const auto at = static_cast<int>(
        SendMessageA(Handle(), messages_.add, 0, reinterpret_cast<LPARAM>(item.c_str())));
    if (at >= 0 && at <= ItemCount())
        items_.insert(items_.begin() + at, item);
    return at;
}

void TListControl::AddItems(const StringList& items) {
    size_t bytes = 0;
    for (const std::string& item : items)
        bytes += item.size() + 1;
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), messages_.initStorage, items.size(), static_cast<LPARAM>(bytes));
    items_.reserve(items_.size() + items.size());
    for (const std::string& item : items)
        AddItem(item);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TListControl::SetItems(const StringList& items) {
    ClearItems();
    AddItems(items);
}

void TListControl::DeleteItem(int index) {
    if (SendMessageA(Handle(), messages_.remove, static_cast<WPARAM>(index), 0) >= 0 &&
        index >= 0 && index < ItemCount())
        items_.erase(items_.begin() + index);
}

void TListControl::ClearItems() {
    SendMessageA(Handle(), messages_.reset, 0, 0);
    items_.clear();
}

// The exact-match search of the controls ignores case; this one respects it, as a list of
// names does.
int TListControl::IndexOf(const std::string& item) const {
    const auto at = std::find(items_.begin(), items_.end(), item);
    return at != items_.end() ? static_cast<int>(at - items_.begin()) : -1;
}

int TListControl::ItemIndex() const {
    return static_cast<int>(SendMessageA(Handle(), messages_.getCurSel, 0, 0));
}

void TListControl::SetItemIndex(int index) {
    SendMessageA(Handle(), messages_.setCurSel, static_cast<WPARAM>(index), 0);
}

void TListControl::ApplyArgs(TControlArgs& args) {
    if (!args.Items.empty())
        SetItems(std::exchange(args.Items, {}));
    TControl::ApplyArgs(args);
}

// ---------------------------------------------------------------------------------------

TLabel::TLabel(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {WC_STATICA, WS_VISIBLE | SS_LEFT | SS_NOTIFY, 0, 80, 16}) {
    PublishCaption();
}

TLabel::~TLabel() {
    if (styledFont_ != nullptr) {
        // The window lets go of the styled font before the font goes.
        TMessage m{WM_SETFONT, reinterpret_cast<WPARAM>(baseFont_), FALSE, 0};
        DefaultHandler(m);
        DeleteObject(styledFont_);
    }
}

void TLabel::SetFontStyles(TFontStyles styles) {
    styles_ = styles;
    Perform(WM_SETFONT,
            reinterpret_cast<WPARAM>(baseFont_ != nullptr ? baseFont_ : MessageFont(Dpi())), TRUE);
    RequestLayout();
}

void TLabel::SetFontColor(COLORREF color) {
    fontColor_ = color;
    Invalidate();
}

TSize TLabel::PreferredSize() const {
    return MeasureText(Caption());
}

void TLabel::ApplyArgs(TControlArgs& args) {
    if (args.FocusControl != nullptr)
        FocusControl = std::exchange(args.FocusControl, nullptr);
    TControl::ApplyArgs(args);
}

void TLabel::WndProc(TMessage& m) {
    if (m.Msg == WM_SETFONT) {
        // Each DPI brings its message font; the styled one is made from it.
        baseFont_ = reinterpret_cast<HFONT>(m.WParam);
        HFONT styled = nullptr;
        if (styles_ != 0 && baseFont_ != nullptr) {
            LOGFONTA font{};
            GetObjectA(baseFont_, sizeof font, &font);
            if (styles_ & fsBold)
                font.lfWeight = FW_BOLD;
            if (styles_ & fsUnderline)
                font.lfUnderline = TRUE;
            styled = CreateFontIndirectA(&font);
            m.WParam = reinterpret_cast<WPARAM>(styled);
        }
        TControl::WndProc(m);
        if (styledFont_ != nullptr)
            DeleteObject(styledFont_);
        styledFont_ = styled;
    } else if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == STN_CLICKED) {
        Click();
        return;
    } else if (m.Msg == CN_CTLCOLORSTATIC) {
        DefaultHandler(m); // the parent's colours, then the label's own
        const auto dc = reinterpret_cast<HDC>(m.WParam);
        if (fontColor_)
            SetTextColor(dc, *fontColor_);
        if (HBRUSH brush = ColorBrush()) {
            SetBkColor(dc, *Color());
            m.Result = reinterpret_cast<LRESULT>(brush);
        }
        return;
    } else {
        TControl::WndProc(m);
    }
    if (m.Msg == WM_SETTEXT || m.Msg == WM_SETFONT) {
        // The label keeps the size of its caption, also outside a layout.
        const TSize size = PreferredSize();
        SetBounds(Left(), Top(), size.Width, size.Height);
    }
}

// ---------------------------------------------------------------------------------------

TButton::TButton(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {WC_BUTTONA, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 75, 25}) {
    PublishCaption();
}

void TButton::Click() {
    if (ModalResult != 0)
        if (TForm* form = ParentForm())
            form->ModalResult = ModalResult;
    TControl::Click();
}

void TButton::SetDefaultLook(bool isDefault) {
    SendMessageA(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

TSize TButton::PreferredSize() const {
    const TSize text = MeasureText(Caption());
    return {std::max(75, text.Width + 20), std::max(23, text.Height + 10)};
}

void TButton::ApplyArgs(TControlArgs& args) {
    ModalResult = std::exchange(args.ModalResult, 0);
    if (TForm* form = ParentForm()) {
        if (std::exchange(args.Default, false))
            form->DefaultButton = this;
        if (std::exchange(args.Cancel, false))
            form->CancelButton = this;
    }
    TControl::ApplyArgs(args);
}

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        Click();
        return;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

bool TButtonControl::Checked() const {
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TSize TButtonControl::PreferredSize() const {
    const TSize text = MeasureText(Caption());
    return {kCheckMarkSpace + text.Width + 4, std::max(17, text.Height + 4)};
}

bool TButtonControl::ChangeCheck(bool checked) {
    if (Checked() == checked)
        return false;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    return true;
}

// ---------------------------------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* owner, TControl* parent, std::string name)
    : TButtonControl(owner, parent, std::move(name),
                     {WC_BUTTONA, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 120, 17}) {
    PublishCaption();
}

void TCheckBox::SetChecked(bool checked) {
    if (ChangeCheck(checked))
        Click();
}

void TCheckBox::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        Click(); // the button has already toggled itself
        return;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* owner, TControl* parent, std::string name)
    : TButtonControl(owner, parent, std::move(name),
                     {WC_BUTTONA, WS_VISIBLE | WS_TABSTOP | BS_RADIOBUTTON, 0, 120, 17}) {
    PublishCaption();
    UpdateGroupTabStops();
}

std::vector<TRadioButton*> TRadioButton::Group() const {
    std::vector<TRadioButton*> group;
    if (Parent() != nullptr)
        for (TControl* sibling : Parent()->TabList())
            if (auto* radio = dynamic_cast<TRadioButton*>(sibling))
                group.push_back(radio);
    return group;
}

void TRadioButton::SetChecked(bool checked) {
    if (!ChangeCheck(checked))
        return;
    if (checked)
        for (TRadioButton* radio : Group())
            if (radio != this)
                radio->ChangeCheck(false);
    UpdateGroupTabStops();
    if (checked)
        Click();
}

// Tab reaches the group once, at its checked button (at the first while none is checked).
void TRadioButton::UpdateGroupTabStops() {
    const std::vector<TRadioButton*> group = Group();
    const bool anyChecked =
        std::any_of(group.begin(), group.end(), [](TRadioButton* r) { return r->Checked(); });
    for (size_t i = 0; i < group.size(); ++i) {
        group[i]->SetTabStop(anyChecked ? group[i]->Checked() : i == 0);
        LONG style = GetWindowLongA(group[i]->Handle(), GWL_STYLE);
        style = i == 0 ? (style | WS_GROUP) : (style & ~WS_GROUP);
        SetWindowLongA(group[i]->Handle(), GWL_STYLE, style);
    }
}

void TRadioButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
        SetChecked(true);
        return;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner, TControl* parent, std::string name)
    : TControl(
          owner, parent, std::move(name),
          {WC_BUTTONA, WS_VISIBLE | BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, 185, 105}) {
    PublishCaption();
}

void TGroupBox::WndProc(TMessage& m) {
    if (EraseGroupBackground(*this, m)) {
        m.Result = 1;
        return;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

TPanel::TPanel(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {PanelClass(), WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 185, 41}) {
    PublishCaption();
}

void TPanel::SetBevelOuter(TBevel bevel) {
    bevel_ = bevel;
    Invalidate();
}

void TPanel::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r{};
        GetClientRect(Handle(), &r);
        if (bevel_ != TBevel::None)
            DrawEdge(dc, &r, bevel_ == TBevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
        std::string text = Caption();
        if (!text.empty()) {
            HGDIOBJ old = SelectObject(
                dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
            DrawTextA(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            SelectObject(dc, old);
        }
        EndPaint(Handle(), &ps);
        return;
    }
    case WM_SETTEXT:
        TControl::WndProc(m);
        Invalidate();
        return;
    case WM_SETFONT:
        // The class keeps no font of its own; remember it for painting.
        SetPropA(Handle(), "TavFont", reinterpret_cast<HANDLE>(m.WParam));
        return;
    case WM_GETFONT:
        m.Result = reinterpret_cast<LRESULT>(GetPropA(Handle(), "TavFont"));
        return;
    case WM_NCDESTROY:
        RemovePropA(Handle(), "TavFont");
        break;
    default:
        break;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

TRadioGroup::TRadioGroup(TComponent* owner, TControl* parent, std::string name)
    : TControl(
          owner, parent, std::move(name),
          {WC_BUTTONA, WS_VISIBLE | BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, 185, 105}) {
    PublishCaption();
    PublishList(
        "Items", [this] { return items_; }, [this](const StringList& v) { SetItems(v); });
    PublishInteger(
        "ItemIndex", [this] { return ItemIndex(); }, [this](int v) { SetItemIndex(v); });
}

void TRadioGroup::SetItems(const StringList& items) {
    items_ = items;
    updating_ = true;
    while (buttons_.size() > items_.size()) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (buttons_.size() < items_.size()) {
        auto* button = new TRadioButton(this, this);
        button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
        buttons_.push_back(button);
    }
    for (size_t i = 0; i < items_.size(); ++i)
        buttons_[i]->SetCaption(items_[i]);
    if (itemIndex_ >= static_cast<int>(items_.size()))
        itemIndex_ = static_cast<int>(items_.size()) - 1;
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetChecked(static_cast<int>(i) == itemIndex_);
    updating_ = false;
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size()))
        index = -1;
    const bool checks = index != itemIndex_ && index >= 0;
    itemIndex_ = index;
    updating_ = true;
    for (size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->SetChecked(static_cast<int>(i) == index);
    updating_ = false;
    // As a radio button does: the handler runs when an item becomes checked.
    if (checks)
        Click();
}

TSize TRadioGroup::PreferredSize() const {
    TSize button{};
    for (const TRadioButton* b : buttons_) {
        const TSize s = b->PreferredSize();
        button.Width = std::max(button.Width, s.Width);
        button.Height = std::max(button.Height, s.Height);
    }
    const int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
    const int captionWidth = MeasureText(Caption()).Width + kGroupMargin;
    return {std::max(captionWidth, columns_ * button.Width) + 2 * kGroupMargin,
            ButtonsTop() + rows * (button.Height + kRadioSpacing) + kGroupMargin};
}

void TRadioGroup::ApplyArgs(TControlArgs& args) {
    if (!args.Items.empty())
        SetItems(std::exchange(args.Items, {}));
    TControl::ApplyArgs(args);
}

int TRadioGroup::ButtonsTop() const {
    return LineHeight() + kGroupMargin / 2;
}

void TRadioGroup::SetColumns(int columns) {
    columns_ = std::max(columns, 1);
    ArrangeButtons();
}

void TRadioGroup::ButtonClicked(TRadioButton* button) {
    if (updating_)
        return;
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty())
        return;
    const int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
    const int width = std::max(ClientWidth() - 2 * kGroupMargin, 0) / columns_;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const int col = static_cast<int>(i) / rows, row = static_cast<int>(i) % rows;
        const int height = buttons_[i]->PreferredSize().Height;
        buttons_[i]->SetBounds(kGroupMargin + col * width,
                               ButtonsTop() + row * (height + kRadioSpacing), width, height);
    }
}

void TRadioGroup::WndProc(TMessage& m) {
    if (EraseGroupBackground(*this, m)) {
        m.Result = 1;
        return;
    }
    TControl::WndProc(m);
    if (m.Msg == WM_SIZE || m.Msg == WM_SETFONT)
        ArrangeButtons();
}

// ---------------------------------------------------------------------------------------

TEdit::TEdit(TComponent* owner, TControl* parent, std::string name)
    : TEdit(owner, parent, std::move(name), ES_AUTOHSCROLL) {}

TEdit::TEdit(TComponent* owner, TControl* parent, std::string name, DWORD style)
    : TControl(owner, parent, std::move(name),
               {WC_EDITA, WS_VISIBLE | WS_TABSTOP | style, WS_EX_CLIENTEDGE, 121, 21}) {
    PublishCaption("Text");
}

void TEdit::SetPasswordChar(char c) {
    passwordChar_ = c;
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(c), 0);
    Invalidate();
}

void TEdit::SetMaxLength(int length) {
    SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(length, 0)), 0);
}

bool TEdit::ReadOnly() const {
    return (GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void TEdit::SetReadOnly(bool readOnly) {
    SendMessageA(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TEdit::SelectAll() {
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

TSize TEdit::PreferredSize() const {
    return {TControl::PreferredSize().Width, LineHeight() + 8};
}

void TEdit::ApplyArgs(TControlArgs& args) {
    OnChange = std::exchange(args.OnChange, nullptr);
    TControl::ApplyArgs(args);
}

void TEdit::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == EN_CHANGE) {
        Fire(OnChange, this);
        return;
    }
    TControl::WndProc(m);
    if (m.Msg == WM_KILLFOCUS && upDown_ != nullptr && !Destroying())
        upDown_->ShowPosition();
}

TMemo::TMemo(TComponent* owner, TControl* parent, std::string name)
    : TEdit(owner, parent, std::move(name),
            ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL) {}

StringList TMemo::Lines() const {
    std::string text = Text();
    if (text.empty())
        return {};
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0)
        text.resize(text.size() - 2);
    return SplitString(text, "\r\n");
}

void TMemo::SetLines(const StringList& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    SetText(text);
}

void TMemo::AddLine(const std::string& line) {
    const std::string text = Text();
    const bool lineOpen = !text.empty() && !text.ends_with("\r\n");
    const std::string added = (lineOpen ? "\r\n" : "") + line + "\r\n";
    const auto end = static_cast<WPARAM>(text.size());
    SendMessageA(Handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

// ---------------------------------------------------------------------------------------

namespace {
DWORD ComboStyleBits(TComboStyle style, bool sorted) {
    DWORD bits = WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | (sorted ? CBS_SORT : 0u);
    switch (style) {
    case TComboStyle::DropDown:
        return bits | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    case TComboStyle::OwnerDrawFixed:
        return bits | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    default:
        return bits | CBS_DROPDOWNLIST;
    }
}
} // namespace

TComboBox::TComboBox(TComponent* owner, TControl* parent, std::string name, TComboStyle style,
                     bool sorted)
    : TListControl(owner, parent, std::move(name),
                   {WC_COMBOBOXA, ComboStyleBits(style, sorted), 0, 145, 200}, kComboMsgs),
      style_(style) {
    PublishCaption("Text");
}

void TComboBox::SetItemHeight(int height) {
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, ToPixels(height));
}

void TComboBox::SetStyle(TComboStyle style) {
    if (style == style_)
        return;
    constexpr DWORD kKindBits = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE |
                                CBS_HASSTRINGS | CBS_AUTOHSCROLL | CBS_SORT;
    const auto old = static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE));
    const StringList items = Items();
    const int index = ItemIndex();
    const std::string text = Text();
    RecreateWindow((old & ~kKindBits) | (ComboStyleBits(style, (old & CBS_SORT) != 0) & kKindBits));
    style_ = style;
    SetItems(items);
    SetItemIndex(index);
    if (style == TComboStyle::DropDown && index < 0)
        SetText(text);
    if (style == TComboStyle::OwnerDrawFixed) {
        // The box asked its parent for the items' height while it was made, before the
        // framework knew it; the selection field takes the same height.
        const int height = ToPixels(LineHeight() + 2);
        SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, height);
        SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    }
    RequestLayout();
}

TSize TComboBox::PreferredSize() const {
    return {TControl::PreferredSize().Width, Height()};
}

void TComboBox::ApplyArgs(TControlArgs& args) {
    OnChange = std::exchange(args.OnChange, nullptr);
    TListControl::ApplyArgs(args);
}

// An open list takes Enter and Escape to close itself.
bool TComboBox::WantsDialogKey(WORD key) const {
    return (key == VK_RETURN || key == VK_ESCAPE) &&
           SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

int TComboBox::WindowHeightFor(int pixelHeight) const {
    return pixelHeight + ToPixels(kDropDownHeight);
}

void TComboBox::WndProc(TMessage& m) {
    // An editable box hands the focus on to its edit at once, and the user leaves it from
    // there: the box's own window would tell of an exit on the way in and of none on the way
    // out. The box's notices tell when the focus comes into the box and leaves it.
    if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) {
        DefaultHandler(m);
        return;
    }
    if (m.Msg == CN_COMMAND) {
        switch (HIWORD(m.WParam)) {
        case CBN_SETFOCUS:
            FocusEntered();
            return;
        case CBN_KILLFOCUS:
            Fire(OnExit, this);
            return;
        case CBN_SELCHANGE:
            Click();
            Fire(OnChange, this);
            return;
        case CBN_EDITCHANGE:
            Fire(OnChange, this);
            return;
        case CBN_DROPDOWN:
            Fire(OnDropDown, this);
            return;
        default:
            break;
        }
    } else if (m.Msg == CN_DRAWITEM && OnDrawItem && CanFireEvents()) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        OnDrawItem(this, static_cast<int>(item->itemID), item->hDC, item->rcItem, item->itemState);
        m.Result = TRUE;
        return;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

TListBox::TListBox(TComponent* owner, TControl* parent, std::string name, bool sorted)
    : TListControl(owner, parent, std::move(name),
                   {WC_LISTBOXA,
                    WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                        (sorted ? LBS_SORT : 0u),
                    WS_EX_CLIENTEDGE, 121, 97},
                   kListMsgs) {}

void TListBox::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == LBN_SELCHANGE) {
        Click();
        return;
    }
    TControl::WndProc(m);
}

} // namespace tav
