// The keyboard of a form, as a Windows dialog has it: Tab order, mnemonics, Enter and Escape,
// arrows inside radio groups, Ctrl+Tab between pages, and the default button's frame.

#include "framework/Text.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"

#include <algorithm>

namespace tav {
namespace {

// Shown and enabled by its own style; a hidden or disabled container hides its children too.
bool Usable(const TControl* c) {
    return (GetWindowLongA(c->Handle(), GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

// Every usable control below `parent`, in the order Tab visits them.
void CollectUsable(const TControl* parent, std::vector<TControl*>& out) {
    for (TControl* c : parent->TabList()) {
        if (!Usable(c))
            continue;
        out.push_back(c);
        CollectUsable(c, out);
    }
}

std::vector<TControl*> UsableControls(const TControl* parent) {
    std::vector<TControl*> all;
    CollectUsable(parent, all);
    return all;
}

// The first tab stop at or after `from` in `order` (wrapping), or before it going backwards.
TControl* NextTabStop(const std::vector<TControl*>& order, size_t from, bool backwards) {
    const size_t n = order.size();
    for (size_t step = 0; step < n; ++step) {
        const size_t i = backwards ? (from + n - step) % n : (from + step) % n;
        if (order[i]->TabStop())
            return order[i];
    }
    return nullptr;
}

bool IsInside(const TControl* c, const TControl* container) {
    for (; c != nullptr; c = c->Parent())
        if (c == container)
            return true;
    return false;
}

// What Alt with a control's mnemonic does to it.
enum class TMnemonicAction { None, FocusTarget, Press, Toggle, Check, FocusInside };

TMnemonicAction MnemonicActionOf(const TControl* c) {
    if (dynamic_cast<const TLabel*>(c))
        return TMnemonicAction::FocusTarget;
    if (dynamic_cast<const TButton*>(c))
        return TMnemonicAction::Press;
    if (dynamic_cast<const TCheckBox*>(c))
        return TMnemonicAction::Toggle;
    if (dynamic_cast<const TRadioButton*>(c))
        return TMnemonicAction::Check;
    if (dynamic_cast<const TGroupBox*>(c) || dynamic_cast<const TRadioGroup*>(c))
        return TMnemonicAction::FocusInside;
    return TMnemonicAction::None;
}

} // namespace

std::vector<TControl*> TForm::TabChain() const {
    std::vector<TControl*> chain = UsableControls(this);
    std::erase_if(chain, [](const TControl* c) { return !c->TabStop(); });
    return chain;
}

void TForm::FocusByKeyboard(TControl* control) {
    if (control == nullptr)
        return;
    control->SetFocus();
    if (auto* edit = dynamic_cast<TEdit*>(control))
        edit->SelectAll();
    UpdateDefaultLook();
}

void TForm::FocusInside() {
    if (lastFocused_ != nullptr && IsWindowVisible(lastFocused_->Handle()) &&
        IsWindowEnabled(lastFocused_->Handle())) {
        lastFocused_->SetFocus();
        return;
    }
    if (const std::vector<TControl*> chain = TabChain(); !chain.empty())
        FocusByKeyboard(chain.front());
}

TButton* TForm::PressedByEnter() const {
    auto usable = [](TButton* b) {
        return b != nullptr && IsWindowVisible(b->Handle()) && IsWindowEnabled(b->Handle());
    };
    if (auto* focused = dynamic_cast<TButton*>(ActiveControl()); usable(focused))
        return focused;
    return usable(DefaultButton) ? DefaultButton.get() : nullptr;
}

void TForm::UpdateDefaultLook() {
    TButton* pressed = PressedByEnter();
    std::vector<TControl*> all;
    CollectUsable(this, all);
    for (TControl* c : all)
        if (auto* button = dynamic_cast<TButton*>(c))
            button->SetDefaultLook(button == pressed);
}

bool TForm::DialogKey(const MSG& msg) {
    TControl* focused = ActiveControl();
    switch (msg.message) {
    case WM_KEYDOWN: {
        const auto key = static_cast<WORD>(msg.wParam);
        if (focused != nullptr && focused->WantsDialogKey(key))
            return false;
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        // Ctrl+A selects the whole text of an edit box, as in Windows' own edit boxes.
        if (key == 'A' && ctrl && !shift && FocusIsEditBox()) {
            SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
            return true;
        }
        switch (key) {
        case VK_TAB:
            return ctrl ? SwitchPage(shift) : TabKey(shift);
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            return ArrowKey(key);
        case VK_RETURN:
            return EnterKey();
        case VK_ESCAPE:
            return EscapeKey();
        default:
            return false;
        }
    }
    case WM_SYSCHAR:
        return Mnemonic(static_cast<char>(msg.wParam));
    case WM_CHAR:
        // A button takes no typing, so its letter works as a mnemonic without Alt.
        if (dynamic_cast<TButton*>(focused) || dynamic_cast<TButtonControl*>(focused))
            return Mnemonic(static_cast<char>(msg.wParam));
        return false;
    default:
        return false;
    }
}

bool TForm::TabKey(bool backwards) {
    const std::vector<TControl*> order = UsableControls(this);
    if (order.empty())
        return false;
    const auto at = std::find(order.begin(), order.end(), ActiveControl());
    size_t from = 0;
    if (at != order.end())
        from = static_cast<size_t>(at - order.begin()) + (backwards ? order.size() - 1 : 1);
    else if (backwards)
        from = order.size() - 1;
    FocusByKeyboard(NextTabStop(order, from % order.size(), backwards));
    return true;
}

bool TForm::ArrowKey(WORD key) {
    auto* radio = dynamic_cast<TRadioButton*>(ActiveControl());
    if (radio == nullptr)
        return false;
    std::vector<TRadioButton*> group = radio->Group();
    std::erase_if(group, [](const TRadioButton* r) { return !Usable(r); });
    const auto at = std::find(group.begin(), group.end(), radio);
    if (at == group.end())
        return false;
    const size_t n = group.size();
    const size_t i = static_cast<size_t>(at - group.begin());
    const bool forward = key == VK_RIGHT || key == VK_DOWN;
    TRadioButton* next = group[forward ? (i + 1) % n : (i + n - 1) % n];
    FocusByKeyboard(next);
    next->SetChecked(true);
    return true;
}

bool TForm::EnterKey() {
    TButton* button = PressedByEnter();
    if (button == nullptr)
        return false;
    button->Click();
    return true;
}

bool TForm::EscapeKey() {
    if (CancelButton != nullptr && IsWindowVisible(CancelButton->Handle()) &&
        IsWindowEnabled(CancelButton->Handle())) {
        CancelButton->Click();
        return true;
    }
    if (!modal_)
        return false;
    Close();
    return true;
}

TPageControl* TForm::PageControlForKeys() const {
    for (TControl* c = ActiveControl(); c != nullptr; c = c->Parent())
        if (auto* pages = dynamic_cast<TPageControl*>(c))
            return pages;
    for (TControl* c : UsableControls(this))
        if (auto* pages = dynamic_cast<TPageControl*>(c))
            return pages;
    return nullptr;
}

bool TForm::SwitchPage(bool backwards) {
    TPageControl* pages = PageControlForKeys();
    if (pages == nullptr)
        return false;
    TControl* focused = ActiveControl();
    const bool focusOnPage = focused != nullptr && focused != pages && IsInside(focused, pages);
    pages->SelectNextPage(!backwards);
    if (focusOnPage || focused == nullptr) {
        // The focus was on the page that went away: it moves to the new page.
        const std::vector<TControl*> inside = pages->ActivePage() != nullptr
                                                  ? UsableControls(pages->ActivePage())
                                                  : std::vector<TControl*>{};
        TControl* first = inside.empty() ? nullptr : NextTabStop(inside, 0, false);
        FocusByKeyboard(first != nullptr ? first : pages);
    }
    return true;
}

bool TForm::Mnemonic(char letter) {
    const char wanted = AnsiLowerCase(std::string(1, letter))[0];
    if (wanted == 0)
        return false;
    const std::vector<TControl*> order = UsableControls(this);
    for (size_t i = 0; i < order.size(); ++i) {
        TControl* c = order[i];
        // The tabs of a page control answer for their pages, shown or not.
        if (auto* pages = dynamic_cast<TPageControl*>(c)) {
            for (int p = 0; p < pages->PageCount(); ++p) {
                TTabSheet* sheet = pages->Page(p);
                if (sheet->TabVisible() && CaptionMnemonic(sheet->Caption()) == wanted) {
                    FocusByKeyboard(pages);
                    pages->SelectPage(sheet);
                    return true;
                }
            }
            continue;
        }
        const TMnemonicAction action = MnemonicActionOf(c);
        if (action == TMnemonicAction::None || CaptionMnemonic(c->Caption()) != wanted)
            continue;
        switch (action) {
        case TMnemonicAction::FocusTarget: {
            auto* label = static_cast<TLabel*>(c);
            TControl* target = label->FocusControl;
            if (target == nullptr || !Usable(target))
                target = NextTabStop(order, (i + 1) % order.size(), false);
            FocusByKeyboard(target);
            break;
        }
        case TMnemonicAction::Press:
            FocusByKeyboard(c);
            c->Click();
            break;
        case TMnemonicAction::Toggle: {
            auto* check = static_cast<TCheckBox*>(c);
            FocusByKeyboard(check);
            check->SetChecked(!check->Checked());
            break;
        }
        case TMnemonicAction::Check: {
            auto* radio = static_cast<TRadioButton*>(c);
            FocusByKeyboard(radio);
            radio->SetChecked(true);
            break;
        }
        case TMnemonicAction::FocusInside: {
            const std::vector<TControl*> inside = UsableControls(c);
            FocusByKeyboard(inside.empty() ? nullptr : NextTabStop(inside, 0, false));
            break;
        }
        case TMnemonicAction::None:
            break;
        }
        return true;
    }
    return false;
}

void TForm::NextDialogControl(const TMessage& m) {
    if (LOWORD(m.LParam) != 0) {
        FocusByKeyboard(FindControl(reinterpret_cast<HWND>(m.WParam)));
        return;
    }
    TabKey(m.WParam != 0);
}

} // namespace tav
