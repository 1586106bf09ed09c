#include "framework/win32/Controls.h"

#include "framework/win32/Forms.h"
#include "framework/win32/Menus.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace tav {
namespace {

const char* const kControlProp = "TavControl";

// Control identifiers keep WM_MEASUREITEM (which names the child only by it) answerable.
int NextControlId() {
    static int next = 1000;
    return next++;
}

struct DragState {
    TControl* source = nullptr;
    TControl* target = nullptr;
    bool accepted = false;
    POINT point{}; // last position, screen coordinates
};
DragState g_drag;

// The child named by a notification the parent got, if it is one of ours.
HWND NotifyingChild(const TMessage& m, HWND self) {
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM:
        return m.WParam == 0 ? nullptr
                             : reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam)->hwndItem;
    case WM_MEASUREITEM:
        return m.WParam == 0 ? nullptr : GetDlgItem(self, static_cast<int>(m.WParam));
    default:
        return nullptr;
    }
}

} // namespace

HCURSOR CursorHandle(TCursor cursor) {
    switch (cursor) {
    case TCursor::HourGlass:
        return LoadCursorA(nullptr, IDC_WAIT);
    case TCursor::HandPoint:
        return LoadCursorA(nullptr, IDC_HAND);
    default:
        return LoadCursorA(nullptr, IDC_ARROW);
    }
}

TShiftState KeyboardShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

TControl::TControl(TComponent* owner, TControl* parent, std::string name,
                   const TCreateParams& params)
    : TComponent(owner, std::move(name)),
      parent_(parent), design_{0, 0, params.width, params.height}, preferred_{params.width,
                                                                              params.height} {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    DWORD style = params.style;
    HWND parentWnd = nullptr;
    HMENU id = nullptr;
    if (parent != nullptr) {
        style |= WS_CHILD;
        parentWnd = parent->Handle();
        id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId()));
    }
    handle_ =
        CreateWindowExA(params.exStyle, params.className, "", style, 0, 0, ToPixels(params.width),
                        ToPixels(params.height), parentWnd, id, GetModuleHandleA(nullptr), nullptr);
    if (handle_ == nullptr) {
        const DWORD error = GetLastError();
        throw std::runtime_error(std::string("Cannot create a window of class ") +
                                 params.className + " (error " + std::to_string(error) + ")");
    }
    SetPropA(handle_, kControlProp, this);
    classProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc)));
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont(Dpi())), FALSE);
    if (parent != nullptr) {
        parent->controls_.push_back(this);
        parent->tabList_.push_back(this);
        NotifyFormOfChange(true);
    }
}

TControl::~TControl() {
    // From here on no event of this control or its children reaches a handler: the derived
    // parts those handlers belong to may be gone already.
    BeginDestruction();
    // Children go first, last placed first, as Delphi-style forms expect.
    while (!controls_.empty())
        delete controls_.back();
    if (g_drag.source == this || g_drag.target == this)
        g_drag = {};
    if (!hint_.empty())
        SetHint({});
    if (parent_ != nullptr) {
        NotifyFormOfChange(false);
        std::erase(parent_->controls_, this);
        std::erase(parent_->tabList_, this);
    }
    DestroyHandle();
    if (colorBrush_ != nullptr)
        DeleteObject(colorBrush_);
}

void TControl::DestroyHandle() {
    if (handle_ != nullptr)
        DestroyWindow(handle_); // WM_NCDESTROY clears handle_
}

void TControl::RecreateWindow(DWORD style) {
    HWND old = handle_;
    char className[256] = {};
    GetClassNameA(old, className, sizeof className);
    const auto exStyle = static_cast<DWORD>(GetWindowLongA(old, GWL_EXSTYLE));
    RECT bounds{};
    GetWindowRect(old, &bounds);
    HWND parentWnd = GetParent(old);
    if (parentWnd != nullptr && (style & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parentWnd, reinterpret_cast<POINT*>(&bounds), 2);
    const std::string text = Caption();
    const std::string hint = hint_;
    const bool focused = GetFocus() == old;
    HWND newWnd = CreateWindowExA(exStyle, className, text.c_str(), style, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, parentWnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(GetDlgCtrlID(old))),
                                  GetModuleHandleA(nullptr), nullptr);
    if (newWnd == nullptr)
        throw std::runtime_error(std::string("Cannot create a window of class ") + className);
    if (!hint.empty())
        SetHint({});
    // The old window leaves quietly: it no longer stands for this control.
    RemovePropA(old, kControlProp);
    SetWindowLongPtrA(old, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc_));
    handle_ = newWnd;
    SetPropA(newWnd, kControlProp, this);
    classProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(newWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc)));
    SendMessageA(newWnd, WM_SETFONT, SendMessageA(old, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(newWnd, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (TControl* child : controls_)
        ::SetParent(child->handle_, newWnd);
    DestroyWindow(old);
    if (!hint.empty())
        SetHint(hint);
    if (focused)
        ::SetFocus(newWnd);
}

void TControl::NotifyFormOfChange(bool inserting) {
    if (TForm* form = parent_ != nullptr ? parent_->ParentForm() : nullptr)
        form->Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(this), inserting ? 1 : 0);
}

TControl* TControl::FromHandle(HWND wnd) {
    return wnd == nullptr ? nullptr : static_cast<TControl*>(GetPropA(wnd, kControlProp));
}

TControl* TControl::FindControl(HWND wnd) {
    for (; wnd != nullptr; wnd = GetParent(wnd))
        if (TControl* c = FromHandle(wnd))
            return c;
    return nullptr;
}

TForm* TControl::ParentForm() {
    TControl* c = this;
    while (c->parent_ != nullptr)
        c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

LRESULT CALLBACK TControl::StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TControl* self = FromHandle(wnd);
    if (self == nullptr)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    if (PerformedOnly(msg))
        return 0;
    TMessage m{msg, wParam, lParam, 0};
    if (msg == WM_NCDESTROY) {
        // The last message: hand the window back to its class and forget it.
        WNDPROC classProc = self->classProc_;
        GuardCallback([&] { self->WindowProc(m); });
        SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc));
        RemovePropA(wnd, kControlProp);
        self->handle_ = nullptr;
        return CallWindowProcA(classProc, wnd, msg, wParam, lParam);
    }
    GuardCallback([&] { self->WindowProc(m); });
    return m.Result;
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::DefaultHandler(TMessage& m) {
    if (m.Msg == WM_NCDESTROY)
        return; // StdWndProc hands this one to the class itself
    if (m.Msg >= CN_BASE && m.Msg <= CN_BASE + WM_CTLCOLORSTATIC) {
        // A reflected notification nobody took: the parent's own default answer.
        HWND parentWnd = GetParent(handle_);
        TControl* parent = FromHandle(parentWnd);
        m.Result = parent != nullptr ? CallWindowProcA(parent->classProc_, parentWnd,
                                                       m.Msg - CN_BASE, m.WParam, m.LParam)
                                     : 0;
        return;
    }
    if (m.Msg >= CM_BASE && m.Msg < CN_BASE)
        return;
    m.Result = CallWindowProcA(classProc_, handle_, m.Msg, m.WParam, m.LParam);
}

bool TControl::ReflectToChild(TMessage& m) {
    HWND childWnd = NotifyingChild(m, handle_);
    TControl* child = FromHandle(childWnd);
    if (child == nullptr || child == this)
        return false;
    m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

TShiftState TControl::MouseShift(WPARAM keys) const {
    TShiftState s = KeyboardShiftState() & ssAlt;
    if (keys & MK_SHIFT)
        s |= ssShift;
    if (keys & MK_CONTROL)
        s |= ssCtrl;
    if (keys & MK_LBUTTON)
        s |= ssLeft;
    if (keys & MK_RBUTTON)
        s |= ssRight;
    if (keys & MK_MBUTTON)
        s |= ssMiddle;
    return s;
}

void TControl::WndProc(TMessage& m) {
    if (ReflectToChild(m))
        return;
    if (!hint_.empty() && m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST)
        RelayToHint(m);
    const int x = GET_X_LPARAM(m.LParam);
    const int y = GET_Y_LPARAM(m.LParam);
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_INITMENUPOPUP:
        // Menu commands come with no control; they may reach any window of a form.
        if (DispatchMenuMessage(m))
            return;
        break;
    case WM_HELP:
        // The control named in the request answers, not every parent on the way up.
        if (TControl* c =
                FindControl(static_cast<HWND>(reinterpret_cast<HELPINFO*>(m.LParam)->hItemHandle)))
            c->InvokeHelp();
        else
            InvokeHelp();
        m.Result = TRUE;
        return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: {
        if (m.WParam == VK_F1 && m.Msg == CN_KEYDOWN) {
            InvokeHelp();
            m.Result = 1;
            return;
        }
        if (TForm* form = ParentForm(); form != nullptr && form != this)
            m.Result = form->Perform(m.Msg, m.WParam, m.LParam);
        return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (g_drag.source == this && m.WParam == VK_ESCAPE) {
            EndDrag(false);
            return;
        }
        if (OnKeyDown && CanFireEvents()) {
            WORD key = static_cast<WORD>(m.WParam);
            OnKeyDown(this, key, KeyboardShiftState());
            if (key == 0)
                return;
            m.WParam = key;
        }
        if (m.Msg == WM_SYSKEYDOWN && m.WParam == VK_F4) {
            // Tree views and drop-down lists keep system keys to themselves, so Alt+F4
            // would never close the window while one of them had the keyboard.
            m.Result = DefWindowProcA(handle_, m.Msg, m.WParam, m.LParam);
            return;
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (OnKeyUp && CanFireEvents()) {
            WORD key = static_cast<WORD>(m.WParam);
            OnKeyUp(this, key, KeyboardShiftState());
            if (key == 0)
                return;
            m.WParam = key;
        }
        break;
    case WM_CHAR:
        if (OnKeyPress && CanFireEvents()) {
            char key = static_cast<char>(m.WParam);
            OnKeyPress(this, key);
            if (key == 0)
                return;
            m.WParam = static_cast<unsigned char>(key);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        DefaultHandler(m);
        Fire(OnMouseDown, this,
             m.Msg == WM_LBUTTONDOWN   ? TMouseButton::Left
             : m.Msg == WM_RBUTTONDOWN ? TMouseButton::Right
                                       : TMouseButton::Middle,
             MouseShift(m.WParam), x, y);
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (g_drag.source == this && m.Msg == WM_LBUTTONUP) {
            EndDrag(true);
            return;
        }
        DefaultHandler(m);
        Fire(OnMouseUp, this,
             m.Msg == WM_LBUTTONUP   ? TMouseButton::Left
             : m.Msg == WM_RBUTTONUP ? TMouseButton::Right
                                     : TMouseButton::Middle,
             MouseShift(m.WParam), x, y);
        return;
    case WM_LBUTTONDBLCLK:
        DefaultHandler(m);
        Fire(OnDblClick, this);
        return;
    case WM_MOUSEMOVE:
        if (g_drag.source == this) {
            POINT p{x, y};
            ClientToScreen(handle_, &p);
            DragTo(p);
            return;
        }
        if (!mouseInside_) {
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof(track);
            track.dwFlags = TME_LEAVE;
            track.hwndTrack = handle_;
            mouseInside_ = TrackMouseEvent(&track) != FALSE;
            if (mouseInside_)
                Perform(CM_MOUSEENTER);
        }
        DefaultHandler(m);
        Fire(OnMouseMove, this, MouseShift(m.WParam), x, y);
        return;
    case WM_MOUSELEAVE:
        mouseInside_ = false;
        Perform(CM_MOUSELEAVE);
        break;
    case WM_CAPTURECHANGED:
        if (g_drag.source == this && reinterpret_cast<HWND>(m.LParam) != handle_)
            EndDrag(false);
        break;
    case WM_SETCURSOR:
        if (g_drag.source != nullptr) {
            ::SetCursor(LoadCursorA(nullptr, g_drag.accepted ? IDC_ARROW : IDC_NO));
            m.Result = TRUE;
            return;
        }
        if (Application().Cursor() == TCursor::HourGlass) {
            ::SetCursor(CursorHandle(TCursor::HourGlass));
            m.Result = TRUE;
            return;
        }
        if (Cursor != TCursor::Default && LOWORD(m.LParam) == HTCLIENT) {
            ::SetCursor(CursorHandle(Cursor));
            m.Result = TRUE;
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (colorBrush_ != nullptr) {
            RECT r{};
            GetClientRect(handle_, &r);
            FillRect(reinterpret_cast<HDC>(m.WParam), &r, colorBrush_);
            m.Result = 1;
            return;
        }
        break;
    case WM_CONTEXTMENU:
        if (PopupMenu != nullptr) {
            POINT p{x, y};
            if (m.LParam == -1) { // from the keyboard: below the control's corner
                p = {0, 0};
                ClientToScreen(handle_, &p);
            }
            PopupMenu->Popup(p.x, p.y, this);
            return;
        }
        break;
    case WM_SETFOCUS:
        DefaultHandler(m);
        FocusEntered();
        return;
    case WM_KILLFOCUS:
        DefaultHandler(m);
        Fire(OnExit, this);
        return;
    case WM_SIZE:
        DefaultHandler(m);
        AlignControls();
        return;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(m);
        if (!placing_ && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD)) {
            // Moved by Windows or a parent's alignment: remember where, for a DPI change.
            design_ = {Left(), Top(), Left() + Width(), Top() + Height()};
        }
        return;
    default:
        break;
    }
    DefaultHandler(m);
}

void TControl::FocusEntered() {
    if (TForm* form = ParentForm(); form != nullptr && form != this)
        form->Perform(CM_FOCUSCHANGED, reinterpret_cast<WPARAM>(this));
    Fire(OnEnter, this);
}

std::optional<COLORREF> TControl::Color() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_)
        if (c->color_)
            return c->color_;
    return std::nullopt;
}

void TControl::SetColor(COLORREF color) {
    if (colorBrush_ != nullptr)
        DeleteObject(colorBrush_);
    color_ = color;
    colorBrush_ = CreateSolidBrush(color);
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HBRUSH TControl::ColorBrush() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_)
        if (c->colorBrush_ != nullptr)
            return c->colorBrush_;
    return nullptr;
}

namespace {
// The control's tool in its form's tooltip window: the control's window itself.
TOOLINFOA HintTool(HWND control) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(control) != nullptr ? GetParent(control) : control;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}
} // namespace

void TControl::SetHint(const std::string& hint) {
    // A form being destroyed is no TForm any more, and its tooltip window is gone with it.
    TForm* form = ParentForm();
    if (form == nullptr || hint == hint_)
        return;
    HWND tips = form->HintWindow();
    TOOLINFOA tool = HintTool(handle_);
    if (!hint_.empty())
        SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    hint_ = hint;
    if (hint_.empty())
        return;
    tool.lpszText = hint_.data(); // the tooltip keeps a copy
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The tooltip learns of the mouse from the control, which keeps its window procedure to itself.
void TControl::RelayToHint(const TMessage& m) {
    TForm* form = ParentForm();
    if (form == nullptr)
        return;
    const DWORD pos = GetMessagePos();
    MSG msg{handle_,
            m.Msg,
            m.WParam,
            m.LParam,
            static_cast<DWORD>(GetMessageTime()),
            {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)}};
    SendMessageA(form->HintWindow(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

void TControl::Click() {
    Fire(OnClick, this);
}

void TControl::ApplyArgs(TControlArgs& a) {
    if (!a.Caption.empty())
        SetCaption(a.Caption);
    if (a.Width > 0 || a.Height > 0) {
        preferred_ = {a.Width > 0 ? a.Width : preferred_.Width,
                      a.Height > 0 ? a.Height : preferred_.Height};
        SetBounds(Left(), Top(), preferred_.Width, preferred_.Height);
    }
    if (a.PopupMenu != nullptr)
        PopupMenu = a.PopupMenu;
    HelpContext = a.HelpContext;
    OnClick = std::move(a.OnClick);
    OnDblClick = std::move(a.OnDblClick);
    OnEnter = std::move(a.OnEnter);
    OnExit = std::move(a.OnExit);
    const char* unused = !a.Items.empty()            ? "Items"
                         : a.ModalResult != 0        ? "ModalResult"
                         : a.Default                 ? "Default"
                         : a.Cancel                  ? "Cancel"
                         : a.FocusControl != nullptr ? "FocusControl"
                         : a.Associate != nullptr    ? "Associate"
                         : a.OnChange                ? "OnChange"
                                                     : nullptr;
    if (unused != nullptr)
        throw std::invalid_argument(Name() + ": this kind of control has no " + unused);
}

void TControl::PublishCaption(const char* name) {
    PublishString(
        name, [this] { return Caption(); }, [this](const std::string& v) { SetCaption(v); });
}

std::string TControl::Caption() const {
    int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

void TControl::SetCaption(const std::string& text) {
    if (Caption() == text)
        return;
    SetWindowTextA(handle_, text.c_str());
    RequestLayout();
}

bool TControl::Visible() const {
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
    const bool changed = Visible() != visible;
    if (changed)
        ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
    if (parent_ != nullptr && align_ != TAlign::None)
        parent_->AlignControls();
    // A hidden control takes no room in its form's layout.
    if (changed && parent_ != nullptr)
        RequestLayout();
}

bool TControl::Enabled() const {
    return IsWindowEnabled(handle_) != FALSE;
}

void TControl::SetEnabled(bool enabled) {
    EnableWindow(handle_, enabled ? TRUE : FALSE);
}

namespace {
RECT BoundsInParent(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    if (HWND parent = GetParent(wnd);
        parent != nullptr && (GetWindowLongA(wnd, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
} // namespace

int TControl::Left() const {
    return ToDesign(BoundsInParent(handle_).left);
}
int TControl::Top() const {
    return ToDesign(BoundsInParent(handle_).top);
}
int TControl::Width() const {
    RECT r = BoundsInParent(handle_);
    return ToDesign(r.right - r.left);
}
int TControl::Height() const {
    RECT r = BoundsInParent(handle_);
    return ToDesign(r.bottom - r.top);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    design_ = {left, top, left + width, top + height};
    SetPixelBounds(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

void TControl::SetPixelBounds(int left, int top, int width, int height) {
    const int windowHeight = WindowHeightFor(height);
    // A layout places every control again at each change; most stay where they are.
    const RECT now = BoundsInParent(handle_);
    if (now.left == left && now.top == top && now.right - now.left == width &&
        now.bottom - now.top == windowHeight)
        return;
    const bool wasPlacing = std::exchange(placing_, true);
    MoveWindow(handle_, left, top, width, windowHeight, TRUE);
    placing_ = wasPlacing;
}

int TControl::ClientWidth() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return ToDesign(r.right);
}

int TControl::ClientHeight() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return ToDesign(r.bottom);
}

UINT TControl::Dpi() const {
    const TControl* top = this;
    while (top->parent_ != nullptr)
        top = top->parent_;
    const auto* form = dynamic_cast<const TForm*>(top);
    return form != nullptr ? form->FormDpi() : SystemDpi();
}

TSize TControl::PreferredSize() const {
    return preferred_;
}

TSize TControl::MeasureText(const std::string& text) const {
    auto font = reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0));
    const TSize pixels = TextExtent(font != nullptr ? font : MessageFont(Dpi()), text);
    // Rounded up, so that text measured in design units never loses its last pixel.
    auto up = [dpi = static_cast<int>(Dpi())](int px) {
        return (px * static_cast<int>(kDesignDpi) + dpi - 1) / dpi;
    };
    return {up(pixels.Width), up(pixels.Height)};
}

void TControl::ApplyDpi() {
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont(Dpi())), TRUE);
    for (TControl* c : controls_) {
        c->ApplyDpi();
        c->SetPixelBounds(ToPixels(c->design_.left), ToPixels(c->design_.top),
                          ToPixels(c->design_.right - c->design_.left),
                          ToPixels(c->design_.bottom - c->design_.top));
    }
    AlignControls();
}

void TControl::RequestLayout() {
    if (TForm* form = ParentForm(); form != nullptr && !form->Destroying())
        form->Realign();
}

int TControl::TabOrder() const {
    if (parent_ == nullptr)
        return -1;
    const auto& list = parent_->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TControl::SetTabOrder(int order) {
    if (parent_ == nullptr)
        return;
    auto& list = parent_->tabList_;
    std::erase(list, this);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

std::vector<TControl*> TControl::TabList() const {
    return tabList_;
}

bool TControl::TabStop() const {
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_TABSTOP) != 0;
}

void TControl::SetTabStop(bool tabStop) {
    LONG style = GetWindowLongA(handle_, GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    SetWindowLongA(handle_, GWL_STYLE, style);
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_ != nullptr)
        parent_->AlignControls();
}

void TControl::AlignControls() {
    ArrangeAligned(true);
}

RECT TControl::AlignedArea() const {
    return ArrangeAligned(false);
}

RECT TControl::ArrangeAligned(bool place) const {
    RECT area{};
    GetClientRect(handle_, &area);
    // Edges first in placing order, then what is left goes to the client-aligned ones.
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (TControl* c : controls_) {
            if (c->align_ != pass || !c->Visible())
                continue;
            const RECT now = BoundsInParent(c->handle_);
            const int w = now.right - now.left, h = now.bottom - now.top;
            switch (pass) {
            case TAlign::Top:
                if (place)
                    c->SetPixelBounds(area.left, area.top, area.right - area.left, h);
                area.top += h;
                break;
            case TAlign::Bottom:
                if (place)
                    c->SetPixelBounds(area.left, area.bottom - h, area.right - area.left, h);
                area.bottom -= h;
                break;
            case TAlign::Left:
                if (place)
                    c->SetPixelBounds(area.left, area.top, w, area.bottom - area.top);
                area.left += w;
                break;
            case TAlign::Right:
                if (place)
                    c->SetPixelBounds(area.right - w, area.top, w, area.bottom - area.top);
                area.right -= w;
                break;
            default:
                if (place)
                    c->SetPixelBounds(area.left, area.top,
                                      std::max<LONG>(area.right - area.left, 0),
                                      std::max<LONG>(area.bottom - area.top, 0));
                break;
            }
        }
    }
    return area;
}

void TControl::SetFocus() {
    ::SetFocus(handle_);
}

bool TControl::Focused() const {
    return GetFocus() == handle_;
}

void TControl::Invalidate() {
    InvalidateRect(handle_, nullptr, TRUE);
}

bool TControl::HasOwnHelp() const {
    return HelpType == THelpType::Keyword ? !HelpKeyword.empty() : HelpContext != 0;
}

bool TControl::InvokeHelp() {
    for (TControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->HasOwnHelp())
            continue;
        return c->HelpType == THelpType::Keyword ? Application().HelpKeyword(c->HelpKeyword)
                                                 : Application().HelpContext(c->HelpContext);
    }
    return false;
}

void TControl::BeginDrag() {
    if (g_drag.source != nullptr)
        EndDrag(false);
    g_drag = {this, nullptr, false, {}};
    SetCapture(handle_);
    Fire(OnStartDrag, this);
}

TControl* TControl::DragSource() {
    return g_drag.source;
}

void TControl::DragTo(POINT screen) {
    if (g_drag.source == nullptr)
        return;
    g_drag.point = screen;
    TControl* target = FindControl(WindowFromPoint(screen));
    auto ask = [&](TControl* c, TDragState state) {
        bool accept = false;
        if (c != nullptr && c->OnDragOver) {
            accept = true;
            POINT p = screen;
            ScreenToClient(c->handle_, &p);
            c->OnDragOver(c, g_drag.source, p.x, p.y, state, accept);
        }
        return accept;
    };
    if (target != g_drag.target) {
        ask(g_drag.target, TDragState::Leave);
        g_drag.target = target;
        g_drag.accepted = ask(target, TDragState::Enter);
    } else {
        g_drag.accepted = ask(target, TDragState::Move);
    }
    ::SetCursor(LoadCursorA(nullptr, g_drag.accepted ? IDC_ARROW : IDC_NO));
}

void TControl::EndDrag(bool drop) {
    DragState drag = g_drag;
    g_drag = {};
    if (drag.source == nullptr)
        return;
    if (GetCapture() == drag.source->handle_)
        ReleaseCapture();
    if (drop && drag.accepted && drag.target != nullptr && drag.target->OnDragDrop) {
        POINT p = drag.point;
        ScreenToClient(drag.target->handle_, &p);
        drag.target->OnDragDrop(drag.target, drag.source, p.x, p.y);
    }
}

const char* RegisterFrameworkClass(const char* name, UINT style) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &existing))
        return name;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
    return name;
}

} // namespace tav
