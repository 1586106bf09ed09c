#pragma once
// The standard controls: labels, buttons, check boxes, radio buttons and groups, panels,
// group boxes, edits, memos, combo boxes and list boxes.

#include "framework/win32/Controls.h"

namespace tav {

class TUpDown;

// Styles of a label's text, combined with "|".
enum TFontStyle : unsigned { fsBold = 1, fsUnderline = 2 };
using TFontStyles = unsigned;

// A label sizes itself to its caption. An "&" in the caption makes a mnemonic that focuses
// FocusControl, or else the next tab stop after the label. A click fires OnClick. Its
// background is its parent's colour (Color).
class TLabel : public TControl {
public:
    TLabel(TComponent* owner, TControl* parent, std::string name = {});
    ~TLabel() override;
    TComponentRef<TControl> FocusControl{this};
    // The message font of the label's DPI with these styles.
    void SetFontStyles(TFontStyles styles);
    // The text's colour instead of the system's.
    void SetFontColor(COLORREF color);
    TSize PreferredSize() const override;
    void ApplyArgs(TControlArgs& args) override;

protected:
    void WndProc(TMessage& message) override;

private:
    TFontStyles styles_ = 0;
    std::optional<COLORREF> fontColor_;
    HFONT baseFont_ = nullptr;
    HFONT styledFont_ = nullptr;
};

class TButton : public TControl {
public:
    TButton(TComponent* owner, TControl* parent, std::string name = {});
    // When not mrNone, a click also sets the parent form's ModalResult (before OnClick).
    int ModalResult = 0;
    void Click() override;
    // Shows the frame of the button that Enter presses (the form decides which one).
    void SetDefaultLook(bool isDefault);
    TSize PreferredSize() const override;
    // Default and Cancel make the button the form's DefaultButton / CancelButton.
    void ApplyArgs(TControlArgs& args) override;

protected:
    void WndProc(TMessage& message) override;
};

// The room a check box or radio button gives its mark before the caption, in design units.
constexpr int kCheckMarkSpace = 18;

// Setting Checked from code fires OnClick when the state changes, as a user's click does.
// Check boxes and radio buttons: the check mark is the button's own state.
class TButtonControl : public TControl {
public:
    bool Checked() const;
    // The mark, a gap and the caption.
    TSize PreferredSize() const override;

protected:
    using TControl::TControl;
    // Sets the mark; false when it was already so.
    bool ChangeCheck(bool checked);
};

class TCheckBox : public TButtonControl {
public:
    TCheckBox(TComponent* owner, TControl* parent, std::string name = {});
    void SetChecked(bool checked);

protected:
    void WndProc(TMessage& message) override;
};

// Becoming checked (by code or click) unchecks the sibling radio buttons and fires OnClick;
// becoming unchecked fires nothing. The radio buttons of one parent form a group: the first
// starts it, only the checked one is a tab stop, and the arrow keys move the check.
class TRadioButton : public TButtonControl {
public:
    TRadioButton(TComponent* owner, TControl* parent, std::string name = {});
    void SetChecked(bool checked);
    // The radio buttons of the same parent, in tab order.
    std::vector<TRadioButton*> Group() const;

protected:
    void WndProc(TMessage& message) override;

private:
    void UpdateGroupTabStops();
};

// Paints its background, as its parent clips it away and the system's group box leaves it as
// it was.
class TGroupBox : public TControl {
public:
    TGroupBox(TComponent* owner, TControl* parent, std::string name = {});

protected:
    void WndProc(TMessage& message) override;
};

enum class TBevel { None, Lowered, Raised };

// A plain container with an optional centred caption and bevel.
class TPanel : public TControl {
public:
    TPanel(TComponent* owner, TControl* parent, std::string name = {});
    TBevel BevelOuter() const { return bevel_; }
    void SetBevelOuter(TBevel bevel);

protected:
    void WndProc(TMessage& message) override;

private:
    TBevel bevel_ = TBevel::Raised;
};

// A radio button for each item, in columns. A click fires OnClick, and so does setting
// ItemIndex from code when the checked item changes.
class TRadioGroup : public TControl {
public:
    TRadioGroup(TComponent* owner, TControl* parent, std::string name = {});
    StringList Items() const { return items_; }
    // Keeps ItemIndex when it still names an item, else the last one.
    void SetItems(const StringList& items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // The radio button of item `index`.
    TRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    TSize PreferredSize() const override;
    bool FillsWidth() const override { return true; }
    void ApplyArgs(TControlArgs& args) override;

protected:
    void WndProc(TMessage& message) override;

private:
    void ArrangeButtons();
    void ButtonClicked(TRadioButton* button);
    int ButtonsTop() const;

    StringList items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

class TEdit : public TControl {
public:
    TEdit(TComponent* owner, TControl* parent, std::string name = {});
    // 0 shows the text; any other character hides each letter behind it.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    void SetMaxLength(int length);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    void SelectAll();
    // Fired whenever the text changes, by the user or by code.
    TNotifyEvent OnChange;
    TSize PreferredSize() const override;
    bool FillsWidth() const override { return true; }
    void ApplyArgs(TControlArgs& args) override;

protected:
    void WndProc(TMessage& message) override;
    TEdit(TComponent* owner, TControl* parent, std::string name, DWORD style);

private:
    friend class TUpDown;
    char passwordChar_ = 0;
    // The up-down whose position the text shows, if any.
    TComponentRef<TUpDown> upDown_{this};
};

class TMemo : public TEdit {
public:
    TMemo(TComponent* owner, TControl* parent, std::string name = {});
    StringList Lines() const;
    void SetLines(const StringList& lines);
    // Appends a line at the end and scrolls it into view, as a log that grows while it is
    // read.
    void AddLine(const std::string& line);
    TSize PreferredSize() const override { return TControl::PreferredSize(); }
    bool WantsDialogKey(WORD key) const override { return key == VK_RETURN; }
};

enum class TComboStyle { DropDown, DropDownList, OwnerDrawFixed };

// HDC and rectangle of the item to draw; `state` holds the ODS_* flags.
using TDrawItemEvent =
    std::function<void(TControl* control, int index, HDC dc, const RECT& rect, UINT state)>;

// The message numbers of one kind of Windows item list (combo box or list box).
struct TListMessages {
    UINT add, reset, remove, getCurSel, setCurSel, initStorage;
};

// The item list of a combo box or list box. Setting ItemIndex from code fires nothing. The
// items' texts are kept here as they were given: Windows reads an item back through the
// 8-bit calls by way of a buffer of its own, which a long item overruns.
class TListControl : public TControl {
public:
    StringList Items() const { return items_; }
    // Replaces the items in one pass, as AddItems adds them; the selection is lost.
    void SetItems(const StringList& items);
    // Appends the items in one pass, the list drawn again only at the end: cheap for long
    // lists. A sorted list places each by its text.
    void AddItems(const StringList& items);
    // The index the item took (a sorted list places it by its text).
    int AddItem(const std::string& item);
    void DeleteItem(int index);
    void ClearItems();
    int ItemCount() const;
    std::string Item(int index) const;
    // The first item equal to `item`, letter case included; -1 when none.
    int IndexOf(const std::string& item) const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool FillsWidth() const override { return true; }
    void ApplyArgs(TControlArgs& args) override;

protected:
    // Publishes Items and ItemIndex.
    TListControl(TComponent* owner, TControl* parent, std::string name, const TCreateParams& params,
                 const TListMessages& messages);

private:
    const TListMessages& messages_;
    StringList items_;
};

// Setting ItemIndex from code fires nothing; a user's choice fires OnClick, then OnChange.
// OnEnter and OnExit fire once each as the focus comes into the box (an editable box's edit
// included) and leaves it.
class TComboBox : public TListControl {
public:
    TComboBox(TComponent* owner, TControl* parent, std::string name = {},
              TComboStyle style = TComboStyle::DropDownList, bool sorted = false);
    void SetItemHeight(int height);
    TComboStyle Style() const { return style_; }
    // Makes the box anew in `style`, keeping its items, its choice and its text.
    void SetStyle(TComboStyle style);

    TNotifyEvent OnChange;
    // The list is about to open.
    TNotifyEvent OnDropDown;
    TDrawItemEvent OnDrawItem;
    // The height of the closed box, which the box sets from its font.
    TSize PreferredSize() const override;
    void ApplyArgs(TControlArgs& args) override;
    bool WantsDialogKey(WORD key) const override;

protected:
    void WndProc(TMessage& message) override;
    int WindowHeightFor(int pixelHeight) const override;

private:
    TComboStyle style_;
};

// Setting ItemIndex from code fires nothing; a user's choice fires OnClick.
class TListBox : public TListControl {
public:
    TListBox(TComponent* owner, TControl* parent, std::string name = {}, bool sorted = false);

protected:
    void WndProc(TMessage& message) override;
};

} // namespace tav
