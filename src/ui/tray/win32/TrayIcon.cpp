#include "ui/tray/win32/TrayIcon.h"

#include "framework/win32/Forms.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tav {
namespace {

const char* const kIconWindowClass = "TavTrayIconWindow";
// NIF_MESSAGE | NIF_ICON | NIF_TIP: the record's callback message, icon and tip are valid.
constexpr UINT kIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// Explorer broadcasts it when it has made a new taskbar, which holds no icons yet.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

bool WindowsShellNotifyIcon(DWORD message, const NOTIFYICONDATAA& data) {
    NOTIFYICONDATAA copy = data;
    return Shell_NotifyIconA(message, &copy) != FALSE;
}

// Shift, Alt and Ctrl as held at this moment, not as of the message being handled: the shell's
// notifications carry no key state of their own.
TShiftState AsyncShiftState() {
    TShiftState s = 0;
    if (GetAsyncKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetAsyncKeyState(VK_MENU) < 0)
        s |= ssAlt;
    if (GetAsyncKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    return s;
}

// Closing, session and user messages are answered 1 and go no further: the hidden window lives
// exactly as long as its component, and it never holds up the end of a session.
bool AnswersOneAlone(UINT msg) {
    switch (msg) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY:
        return true;
    default:
        return false;
    }
}

} // namespace

TSeam<ShellNotifyIconFn>& ShellNotifyIconSeam() {
    static TSeam<ShellNotifyIconFn> seam(WindowsShellNotifyIcon);
    return seam;
}

TTrayIcon::TTrayIcon(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), self_(std::make_shared<TTrayIcon*>(this)) {
    static const bool registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &IconWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kIconWindowClass;
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
    TaskbarCreatedMessage();
    window_ = CreateWindowExA(0, kIconWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr)
        throw std::runtime_error("Cannot create the tray icon's window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    data_.cbSize = sizeof(data_);
    data_.hWnd = window_;
    data_.uID = kIconId;
    data_.uFlags = kIconFlags;
    data_.uCallbackMessage = kCallbackMessage;

    cycleTimer_ = new TTimer(this, "CycleTimer");
    cycleTimer_->SetEnabled(false);
    cycleTimer_->SetInterval(cycleInterval_);
    cycleTimer_->OnTimer = Handler(&TTrayIcon::CycleTimerTick);
    clickTimer_ = new TTimer(this, "ClickTimer");
    clickTimer_->SetEnabled(false);
    clickTimer_->SetInterval(GetDoubleClickTime());
    clickTimer_->OnTimer = Handler(&TTrayIcon::ClickTimerTick);

    appHook_ = Application().HookMainWindow([this](TMessage& m) { return AppWindowProc(m); });
    if (auto* control = dynamic_cast<TControl*>(owner)) {
        ownerWindow_ = control;
        // A handler may free the tray icon; an owner being destroyed keeps the procedure.
        ownerHook_ = control->HookWindowProc([self = self_](TMessage& m, const TWndMethod& below) {
            if (*self != nullptr)
                (*self)->OwnerWindowProc(m);
            below(m);
            if (*self != nullptr)
                (*self)->OwnerWindowDone(m);
        });
    }
}

TTrayIcon::~TTrayIcon() {
    BeginDestruction();
    *self_ = nullptr;
    shellCalls_.reset();
    HideIcon();
    Application().UnhookMainWindow(appHook_);
    RestoreOwnerWindow();
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    ReplaceIcon(nullptr);
}

// Procedures installed over this one stay. An owner being destroyed has already lost its window
// procedure.
void TTrayIcon::RestoreOwnerWindow() {
    TControl* owner = ownerWindow_;
    if (owner != nullptr && !owner->Destroying())
        owner->UnhookWindowProc(ownerHook_);
}

void TTrayIcon::ApplyArgs(Args& a) {
    iconList_ = a.IconList;
    cycleIcons_ = a.CycleIcons;
    SetCycleInterval(a.CycleInterval);
    Enabled = a.Enabled;
    hint_ = a.Hint;
    showHint_ = a.ShowHint;
    if (a.Icon != nullptr)
        ReplaceIcon(CopyIcon(a.Icon));
    PopupMenu = a.PopupMenu;
    LeftPopup = a.LeftPopup;
    StartMinimized = a.StartMinimized;
    MinimizeToTray = a.MinimizeToTray;
    OnClick = std::move(a.OnClick);
    OnDblClick = std::move(a.OnDblClick);
    OnMouseDown = std::move(a.OnMouseDown);
    OnMouseUp = std::move(a.OnMouseUp);
    OnMouseMove = std::move(a.OnMouseMove);
    OnCycle = std::move(a.OnCycle);
    // The declaration is complete: the list's icon and the tip reach the shell, and the icon is
    // added when it is to be visible.
    if (ownerWindow_ != nullptr && StartMinimized)
        Application().ShowMainForm = false;
    SetIconIndex(a.IconIndex);
    SetIconVisible(a.IconVisible);
}

// ---------------------------------------------------------------------------------------
// The shell

void TTrayIcon::FillIconData() {
    data_.hIcon = icon_;
    std::memset(data_.szTip, 0, sizeof(data_.szTip));
    if (showHint_)
        hint_.copy(data_.szTip, sizeof(data_.szTip) - 1);
}

// A call made here brings the shell up to date: a modify still waiting for the thread would
// only bring an older state after it.
bool TTrayIcon::Notify(DWORD message) {
    FillIconData();
    if (shellCalls_)
        shellCalls_->Withdraw();
    return ShellNotifyIconSeam()(message, data_);
}

bool TTrayIcon::ShowIcon() {
    if (!settingPreview_)
        iconVisible_ = true;
    return Notify(NIM_ADD);
}

bool TTrayIcon::HideIcon() {
    if (!settingPreview_)
        iconVisible_ = false;
    return Notify(NIM_DELETE);
}

bool TTrayIcon::ModifyIcon() {
    return Notify(NIM_MODIFY);
}

void TTrayIcon::SetIconVisible(bool visible) {
    if (visible)
        ShowIcon();
    else
        HideIcon();
}

void TTrayIcon::SetDesignPreview(bool preview) {
    designPreview_ = preview;
    settingPreview_ = true;
    SetIconVisible(preview);
    settingPreview_ = false;
}

void TTrayIcon::SetHint(const std::string& hint) {
    hint_ = hint;
    ModifyIcon();
}

void TTrayIcon::SetShowHint(bool show) {
    showHint_ = show;
    ModifyIcon();
}

// ---------------------------------------------------------------------------------------
// The icon and its list

void TTrayIcon::ReplaceIcon(HICON owned) {
    if (icon_ != nullptr)
        DestroyIcon(icon_);
    icon_ = owned;
}

void TTrayIcon::SetIcon(HICON icon) {
    ReplaceIcon(icon != nullptr ? CopyIcon(icon) : nullptr);
    ModifyIcon();
}

void TTrayIcon::SetIconNoWait(HICON icon) {
    ReplaceIcon(icon != nullptr ? CopyIcon(icon) : nullptr);
    FillIconData();
    if (!shellCalls_)
        shellCalls_ = std::make_unique<TTrayShellCalls>();
    shellCalls_->Modify(data_);
}

void TTrayIcon::CopyListIcon(int index) {
    ReplaceIcon(ImageList_GetIcon(iconList_->Handle(), index, ILD_NORMAL));
}

void TTrayIcon::SetIconList(TImageList* list) {
    iconList_ = list;
    SetIconIndex(0);
}

// An index outside the list (also a negative one) is brought into it; an empty list leaves the
// icon as it is.
void TTrayIcon::SetIconIndex(int index) {
    if (iconList_ != nullptr) {
        const int count = iconList_->Count();
        iconIndex_ = std::clamp(index, 0, std::max(count - 1, 0));
        if (count > 0)
            CopyListIcon(iconIndex_);
    } else {
        iconIndex_ = 0;
    }
    ModifyIcon();
}

void TTrayIcon::SetCycleIcons(bool cycle) {
    cycleIcons_ = cycle;
    if (cycle)
        SetIconIndex(0);
    UpdateCycleTimer();
}

void TTrayIcon::SetCycleInterval(unsigned interval) {
    cycleInterval_ = interval;
    cycleTimer_->SetInterval(interval);
    UpdateCycleTimer();
}

// An interval of 0 means no cycling, so the timer does not even count as running.
void TTrayIcon::UpdateCycleTimer() {
    cycleTimer_->SetEnabled(cycleIcons_ && cycleInterval_ > 0);
}

int TTrayIcon::NextCycleIndex() const {
    return iconList_ != nullptr && iconIndex_ + 1 < iconList_->Count() ? iconIndex_ + 1 : 0;
}

void TTrayIcon::CycleTimerTick(TObject*) {
    if (iconList_ == nullptr || iconList_->Count() == 0)
        return;
    CopyListIcon(iconIndex_);
    Fire(OnCycle, this, NextCycleIndex());
    ModifyIcon();
    // OnCycle may have changed the list.
    SetIconIndex(NextCycleIndex());
}

// ---------------------------------------------------------------------------------------
// The mouse

LRESULT CALLBACK TTrayIcon::IconWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TTrayIcon*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    if (AnswersOneAlone(msg))
        return 1;
    if (msg != kCallbackMessage)
        return DefWindowProcA(wnd, msg, wParam, lParam);
    GuardCallback([&] { self->MouseNotification(LOWORD(lParam)); });
    return 0;
}

void TTrayIcon::MouseNotification(UINT mouseMessage) {
    if (!Enabled)
        return;
    POINT p{};
    GetCursorPos(&p);
    const TShiftState shift = AsyncShiftState();
    switch (mouseMessage) {
    case WM_MOUSEMOVE:
        Fire(OnMouseMove, this, shift, p.x, p.y);
        break;
    case WM_LBUTTONDOWN:
        clickTimer_->SetEnabled(true);
        Fire(OnMouseDown, this, TMouseButton::Left, shift | ssLeft, p.x, p.y);
        leftDown_ = true;
        if (LeftPopup)
            PopupAtCursor();
        break;
    case WM_LBUTTONUP:
        if (leftDown_)
            clickPending_ = true;
        // Held longer than the double-click time: the click is complete at the release.
        if (leftDown_ && !clickTimer_->Enabled()) {
            leftDown_ = clickPending_ = false;
            Fire(OnClick, this);
        }
        leftDown_ = false;
        Fire(OnMouseUp, this, TMouseButton::Left, shift | ssLeft, p.x, p.y);
        break;
    case WM_LBUTTONDBLCLK:
        DoubleClickNotification();
        break;
    case WM_RBUTTONDOWN:
        Fire(OnMouseDown, this, TMouseButton::Right, shift | ssRight, p.x, p.y);
        PopupAtCursor();
        break;
    case WM_RBUTTONUP:
        Fire(OnMouseUp, this, TMouseButton::Right, shift | ssRight, p.x, p.y);
        break;
    case WM_MBUTTONDOWN:
        Fire(OnMouseDown, this, TMouseButton::Middle, shift | ssMiddle, p.x, p.y);
        break;
    case WM_MBUTTONUP:
        Fire(OnMouseUp, this, TMouseButton::Middle, shift | ssMiddle, p.x, p.y);
        break;
    default:
        break;
    }
}

// A double click replaces the pending single click; the menu's default item follows it.
void TTrayIcon::DoubleClickNotification() {
    clickPending_ = false;
    doubleClickSeen_ = true;
    Fire(OnDblClick, this);
    if (PopupMenu == nullptr || LeftPopup)
        return;
    const TMenuItem* items = PopupMenu->Items();
    for (int i = 0; i < items->Count(); ++i) {
        if (TMenuItem* item = items->Item(i); item->Default()) {
            if (item->Enabled())
                item->Click();
            return;
        }
    }
}

// The double-click time after a left press: a press that no double click followed is a click.
void TTrayIcon::ClickTimerTick(TObject*) {
    clickTimer_->SetEnabled(false);
    if (!doubleClickSeen_ && clickPending_) {
        clickPending_ = false;
        Fire(OnClick, this);
    }
    doubleClickSeen_ = false;
}

void TTrayIcon::PopupAtCursor() {
    POINT p{};
    if (PopupMenu == nullptr || !GetCursorPos(&p))
        return;
    // Handling what is queued, and the menu's own loop, may free this component or the menu.
    const std::shared_ptr<TTrayIcon*> self = self_;
    Application().ProcessMessages();
    if (*self == nullptr || PopupMenu == nullptr)
        return;
    // The menu closes when clicked beside it only while the program is in the foreground.
    SetForegroundWindow(window_);
    if (ownerWindow_ != nullptr)
        SetForegroundWindow(ownerWindow_->Handle());
    PopupMenu->Popup(p.x, p.y, this);
    if (*self != nullptr && ownerWindow_ != nullptr)
        PostMessageA(ownerWindow_->Handle(), WM_NULL, 0, 0);
}

// ---------------------------------------------------------------------------------------
// The program's windows

void TTrayIcon::HideMainWindow() {
    if (ownerWindow_ != nullptr && Application().MainForm() != nullptr)
        Application().MainForm()->Hide();
}

void TTrayIcon::GoToTray() {
    HideMainWindow();
    SetIconVisible(true);
}

bool TTrayIcon::AppWindowProc(TMessage& m) {
    if (m.Msg == TaskbarCreatedMessage() && iconVisible_)
        ShowIcon();
    return false; // the application handles every message as well
}

void TTrayIcon::OwnerWindowProc(TMessage& m) {
    switch (m.Msg) {
    case CM_FOCUSCHANGED:
        activeControl_ = reinterpret_cast<TControl*>(m.WParam);
        break;
    case WM_SHOWWINDOW:
        // Shown by code (not uncovered): the program comes back whole and in front. Restoring
        // may show the window again from inside this message.
        if (m.WParam == TRUE && m.LParam == 0 && !bringingBack_) {
            bringingBack_ = true;
            Application().Restore();
            bringingBack_ = false;
            SetForegroundWindow(ownerWindow_->Handle());
        }
        break;
    case WM_SIZE:
        // Minimizing the program minimizes its main form.
        if (m.WParam == SIZE_MINIMIZED && MinimizeToTray &&
            ownerWindow_.get() == Application().MainForm())
            GoToTray();
        break;
    default:
        break;
    }
}

// The owner's default activation puts the focus on the form itself; give it back to the
// control that had it.
void TTrayIcon::OwnerWindowDone(const TMessage& m) {
    if (m.Msg != WM_ACTIVATE || LOWORD(m.WParam) == WA_INACTIVE || activeControl_ == nullptr)
        return;
    TControl* parent = activeControl_->Parent();
    const HWND expected = parent != nullptr ? parent->Handle() : activeControl_->Handle();
    if (reinterpret_cast<HWND>(m.LParam) != expected)
        activeControl_->SetFocus();
}

} // namespace tav
