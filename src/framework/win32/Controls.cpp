#include "framework/win32/Controls.h"

#include "framework/win32/Forms.h"
#include "framework/win32/Menus.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

namespace tav {
namespace {

const char* const kControlProp = "TavControl";

// Control identifiers keep WM_MEASUREITEM (which names the child only by it) answerable.
int NextControlId() {
    static int next = 1000;
    return next++;
}

HFONT GuiFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
            return CreateFontIndirectA(&metrics.lfMessageFont);
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
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
    : TComponent(owner, std::move(name)), parent_(parent) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    DWORD style = params.style;
    HWND parentWnd = nullptr;
    HMENU id = nullptr;
    if (parent != nullptr) {
        style |= WS_CHILD;
        parentWnd = parent->Handle();
        id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId()));
    }
    handle_ = CreateWindowExA(params.exStyle, params.className, "", style, 0, 0, params.width,
                              params.height, parentWnd, id, GetModuleHandleA(nullptr), nullptr);
    if (handle_ == nullptr)
        throw std::runtime_error(std::string("Cannot create a window of class ") +
                                 params.className);
    SetPropA(handle_, kControlProp, this);
    classProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc)));
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    if (parent != nullptr) {
        parent->controls_.push_back(this);
        NotifyFormOfChange(true);
    }
}

TControl::~TControl() {
    // Children go first, last placed first, as Delphi-style forms expect.
    while (!controls_.empty())
        delete controls_.back();
    if (g_drag.source == this || g_drag.target == this)
        g_drag = {};
    if (parent_ != nullptr) {
        NotifyFormOfChange(false);
        std::erase(parent_->controls_, this);
    }
    DestroyHandle();
}

void TControl::DestroyHandle() {
    if (handle_ != nullptr)
        DestroyWindow(handle_); // WM_NCDESTROY clears handle_
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
    const int x = GET_X_LPARAM(m.LParam);
    const int y = GET_Y_LPARAM(m.LParam);
    switch (m.Msg) {
    case WM_COMMAND:
        // Menu commands come with no control; they may reach any window of a form.
        if (m.LParam == 0 && HIWORD(m.WParam) <= 1 && TMenuItem::DispatchCommand(LOWORD(m.WParam)))
            return;
        break;
    case WM_INITMENUPOPUP:
        if (TMenuItem::DispatchPopup(reinterpret_cast<HMENU>(m.WParam)))
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
        if (OnKeyDown) {
            WORD key = static_cast<WORD>(m.WParam);
            OnKeyDown(this, key, KeyboardShiftState());
            if (key == 0)
                return;
            m.WParam = key;
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (OnKeyUp) {
            WORD key = static_cast<WORD>(m.WParam);
            OnKeyUp(this, key, KeyboardShiftState());
            if (key == 0)
                return;
            m.WParam = key;
        }
        break;
    case WM_CHAR:
        if (OnKeyPress) {
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
        if (OnMouseDown)
            OnMouseDown(this,
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
        if (OnMouseUp)
            OnMouseUp(this,
                      m.Msg == WM_LBUTTONUP   ? TMouseButton::Left
                      : m.Msg == WM_RBUTTONUP ? TMouseButton::Right
                                              : TMouseButton::Middle,
                      MouseShift(m.WParam), x, y);
        return;
    case WM_LBUTTONDBLCLK:
        DefaultHandler(m);
        if (OnDblClick)
            OnDblClick(this);
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
        if (OnMouseMove)
            OnMouseMove(this, MouseShift(m.WParam), x, y);
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
            ::SetCursor(LoadCursorA(nullptr, IDC_WAIT));
            m.Result = TRUE;
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
        if (OnEnter)
            OnEnter(this);
        return;
    case WM_KILLFOCUS:
        DefaultHandler(m);
        if (OnExit)
            OnExit(this);
        return;
    case WM_SIZE:
        DefaultHandler(m);
        AlignControls();
        return;
    default:
        break;
    }
    DefaultHandler(m);
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
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
    if (Caption() != text)
        SetWindowTextA(handle_, text.c_str());
}

bool TControl::Visible() const {
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
    if (Visible() != visible)
        ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
    if (parent_ != nullptr && align_ != TAlign::None)
        parent_->AlignControls();
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
    return BoundsInParent(handle_).left;
}
int TControl::Top() const {
    return BoundsInParent(handle_).top;
}
int TControl::Width() const {
    RECT r = BoundsInParent(handle_);
    return r.right - r.left;
}
int TControl::Height() const {
    RECT r = BoundsInParent(handle_);
    return r.bottom - r.top;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    MoveWindow(handle_, left, top, width, height, TRUE);
}

int TControl::ClientWidth() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return r.right;
}

int TControl::ClientHeight() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return r.bottom;
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_ != nullptr)
        parent_->AlignControls();
}

void TControl::AlignControls() {
    RECT area{};
    GetClientRect(handle_, &area);
    // Edges first in placing order, then what is left goes to the client-aligned ones.
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (TControl* c : controls_) {
            if (c->align_ != pass || !c->Visible())
                continue;
            const int w = c->Width(), h = c->Height();
            switch (pass) {
            case TAlign::Top:
                c->SetBounds(area.left, area.top, area.right - area.left, h);
                area.top += h;
                break;
            case TAlign::Bottom:
                c->SetBounds(area.left, area.bottom - h, area.right - area.left, h);
                area.bottom -= h;
                break;
            case TAlign::Left:
                c->SetBounds(area.left, area.top, w, area.bottom - area.top);
                area.left += w;
                break;
            case TAlign::Right:
                c->SetBounds(area.right - w, area.top, w, area.bottom - area.top);
                area.right -= w;
                break;
            default:
                c->SetBounds(area.left, area.top, std::max<LONG>(area.right - area.left, 0),
                             std::max<LONG>(area.bottom - area.top, 0));
                break;
            }
        }
    }
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

bool TControl::InvokeHelp() {
    for (TControl* c = this; c != nullptr; c = c->parent_) {
        if (c->HelpType == THelpType::Keyword && !c->HelpKeyword.empty())
            return Application().HelpKeyword(c->HelpKeyword);
        if (c->HelpType == THelpType::Context && c->HelpContext != 0)
            return Application().HelpContext(c->HelpContext);
    }
    return false;
}

void TControl::BeginDrag() {
    if (g_drag.source != nullptr)
        EndDrag(false);
    g_drag = {this, nullptr, false, {}};
    SetCapture(handle_);
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
