#include "framework/win32/Forms.h"

#include "framework/win32/Menus.h"
#include "framework/win32/StdCtrls.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tav {
namespace {

const char* const kFormClass = "TavForm";

} // namespace

bool FocusIsEditBox() {
    char name[16] = {};
    HWND focus = GetFocus();
    return focus != nullptr && GetClassNameA(focus, name, sizeof name) > 0 &&
           lstrcmpiA(name, "Edit") == 0;
}

const char* FormClass() {
    static const char* name = [] {
        INITCOMMONCONTROLSEX icc{};
        icc.dwSize = sizeof(icc);
        icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                    ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES |
                    ICC_TREEVIEW_CLASSES;
        InitCommonControlsEx(&icc);
        return RegisterFrameworkClass(kFormClass, CS_DBLCLKS);
    }();
    return name;
}

namespace {

const char* FormClassNamed(const char* windowClass) {
    const char* formClass = FormClass(); // also readies the common controls
    return windowClass != nullptr ? RegisterFrameworkClass(windowClass, CS_DBLCLKS) : formClass;
}

} // namespace

std::function<int(TForm&)> TForm::ModalHook;

DWORD TForm::BorderStyleBits(TBorderStyle border) {
    switch (border) {
    case TBorderStyle::Single:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case TBorderStyle::Dialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    case TBorderStyle::None:
        return WS_POPUP;
    default:
        return WS_OVERLAPPEDWINDOW;
    }
}

TForm::TForm(TComponent* owner, std::string name, TBorderStyle border, const char* windowClass)
    // The owner takes the form once it is one, so that those told about it can see so.
    : TControl(nullptr, nullptr, std::move(name),
               TCreateParams{FormClassNamed(windowClass), BorderStyleBits(border) | WS_CLIPCHILDREN,
                             WS_EX_CONTROLPARENT |
                                 (border == TBorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0u),
                             400, 300}),
      border_(border), dpi_(WindowDpi(Handle())) {
    SetLoading(true);
    PublishCaption();
    TApplication& app = Application();
    if (app.Icon() != nullptr)
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.Icon()));
    // The window was made before the form knew its DPI.
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont(dpi_)), FALSE);
    SetClientSize(400, 300);
    app.forms_.push_back(this);
    // Inserting tells every component below the owner; for the application's forms that is
    // every component of every form (the theme manager learns of new forms this way).
    (owner != nullptr ? owner : &app)->InsertComponent(this);
}

TForm::~TForm() {
    // No handler of the form or its controls runs from here on: the derived form that owns
    // them is gone already. Its windows go now, while the form part is still whole.
    BeginDestruction();
    // Destroying the window would destroy the menu bar under the menu's feet.
    if (menu_ != nullptr)
        menu_->DetachFrom(this);
    menu_ = nullptr;
    DestroyHandle();
    TApplication& app = Application();
    std::erase(app.forms_, this);
    if (app.mainForm_ == this)
        app.mainForm_ = nullptr;
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_ != nullptr)
        menu_->DetachFrom(this);
    menu_ = menu;
    if (menu_ != nullptr)
        menu_->AttachTo(this);
    else
        ::SetMenu(Handle(), nullptr);
}

void TForm::SetClientSize(int width, int height) {
    RECT r = WindowRectForClient({0, 0, ToPixels(width), ToPixels(height)},
                                 static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)),
                                 static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)),
                                 GetMenu(Handle()) != nullptr, dpi_);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TForm::StayOnTop() const {
    return (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void TForm::SetStayOnTop(bool onTop) {
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TControl* TForm::ActiveControl() const {
    HWND focus = GetFocus();
    if (focus == nullptr || !IsChild(Handle(), focus))
        return nullptr;
    return FindControl(focus);
}

void TForm::BringToFront() {
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
}

void TForm::SetLayout(TBox layout) {
    layout->CheckContainer(this);
    layout_ = std::move(layout);
    Realign();
    Loaded();
}

void TForm::Loaded() {
    SetLoading(false);
}

// The room the aligned controls (a status bar) take from the client area, in design units.
TSize TForm::LayoutFrame() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT area = AlignedArea();
    return {ToDesign(client.right - (area.right - area.left)),
            ToDesign(client.bottom - (area.bottom - area.top))};
}

void TForm::EndUpdate() {
    if (updates_ > 0 && --updates_ == 0 && std::exchange(realignPending_, false))
        Realign();
}

void TForm::Realign() {
    if (!layout_ || realigning_ || Destroying())
        return;
    if (updates_ > 0) {
        realignPending_ = true;
        return;
    }
    realigning_ = true;
    try {
        const TLayoutPass pass;
        const TSize need = (*layout_)->Measure();
        const TSize frame = LayoutFrame();
        int width = need.Width + 2 * kFormMargin + frame.Width;
        int height = need.Height + 2 * kFormMargin + frame.Height;
        if (border_ == TBorderStyle::Sizeable) {
            width = std::max(width, ClientWidth());
            height = std::max(height, ClientHeight());
        }
        if (width != ClientWidth() || height != ClientHeight())
            SetClientSize(width, height);
        const RECT area = AlignedArea();
        (*layout_)->Place(ToDesign(area.left) + kFormMargin, ToDesign(area.top) + kFormMargin,
                          ToDesign(area.right - area.left) - 2 * kFormMargin,
                          ToDesign(area.bottom - area.top) - 2 * kFormMargin);
    } catch (...) {
        realigning_ = false;
        throw;
    }
    realigning_ = false;
}

void TForm::ChangeDpi(UINT dpi, const RECT* suggested) {
    dpi_ = dpi;
    ApplyDpi();
    if (suggested != nullptr)
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    Realign();
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery && CanFireEvents())
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (modal_) {
        if (CloseQuery())
            ModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::Hide;
    if (OnClose && CanFireEvents())
        OnClose(this, action);
    if (action == TCloseAction::None)
        return;
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::Free:
        Release();
        break;
    case TCloseAction::Minimize:
        ShowWindow(Handle(), SW_MINIMIZE);
        break;
    default:
        Hide();
        break;
    }
}

void TForm::Release() {
    released_ = true;
    PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

namespace {
// The form a modal form belongs to: the active form of the program, else the main form.
HWND ModalOwner(const TForm* modal) {
    HWND active = GetActiveWindow();
    if (dynamic_cast<TForm*>(TControl::FromHandle(active)) != nullptr && active != modal->Handle())
        return active;
    TForm* main = Application().MainForm();
    return main != nullptr && main != modal && main->Visible() ? main->Handle() : nullptr;
}
} // namespace

int TForm::ShowModal() {
    modal_ = true;
    ModalResult = mrNone;
    // The dialog belongs to the form that opened it: no taskbar button of its own, never
    // behind it. The previous owner comes back afterwards, so that the dialog's window does
    // not die with a window that is freed before it.
    HWND owner = ModalOwner(this);
    const LONG_PTR previousOwner =
        SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    // Every other window of the program waits while the dialog runs.
    std::vector<HWND> disabled;
    for (TForm* f : Application().Forms())
        if (f != this && IsWindowEnabled(f->Handle()) && f->Visible()) {
            EnableWindow(f->Handle(), FALSE);
            disabled.push_back(f->Handle());
        }
    auto restore = [&] {
        for (HWND w : disabled)
            if (IsWindow(w))
                EnableWindow(w, TRUE);
        if (owner != nullptr && IsWindow(owner))
            SetActiveWindow(owner);
        Hide();
        SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, previousOwner);
        modal_ = false;
    };
    TCloseAction action = TCloseAction::Hide;
    try {
        if (ModalHook) {
            Fire(OnShow, this);
            ModalResult = ModalHook(*this);
        } else {
            Show();
            SetForegroundWindow(Handle());
            if (ActiveControl() == nullptr)
                FocusInside();
            while (ModalResult == mrNone && !Application().Terminated()) {
                Application().HandleMessage();
                if (ModalResult != mrNone && !CloseQuery())
                    ModalResult = mrNone;
            }
        }
        if (ModalResult == mrNone)
            ModalResult = mrCancel;
        if (OnClose && CanFireEvents())
            OnClose(this, action);
        restore();
    } catch (...) {
        restore();
        throw;
    }
    const int result = ModalResult;
    if (action == TCloseAction::Free)
        Release();
    return result;
}

void TForm::PlaceAtPosition() {
    if (Position == TPosition::Designed)
        return;
    RECT window{}, around{};
    GetWindowRect(Handle(), &window);
    HWND owner = GetWindow(Handle(), GW_OWNER);
    const bool onOwner = Position == TPosition::OwnerFormCenter && owner != nullptr &&
                         IsWindowVisible(owner) && !IsIconic(owner);
    if (onOwner)
        GetWindowRect(owner, &around);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &around, 0);
    // Wholly on the work area of the monitor it lands on, even beside an owner at its edge.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    const int w = window.right - window.left, h = window.bottom - window.top;
    const int left = std::clamp<int>(around.left + (around.right - around.left - w) / 2, work.left,
                                     std::max<int>(work.left, work.right - w));
    const int top = std::clamp<int>(around.top + (around.bottom - around.top - h) / 2, work.top,
                                    std::max<int>(work.top, work.bottom - h));
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TForm::HintWindow() {
    if (hintWindow_ == nullptr || !IsWindow(hintWindow_)) {
        // Owned by the form: it stays above it and goes with it.
        hintWindow_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    return hintWindow_;
}

bool TForm::IsShortCut(WORD key) {
    if (menu_ == nullptr)
        return false;
    TShortCut shift = 0;
    TShiftState s = KeyboardShiftState();
    if (s & ssShift)
        shift |= scShift;
    if (s & ssCtrl)
        shift |= scCtrl;
    if (s & ssAlt)
        shift |= scAlt;
    // Keys typed into an edit box (a tree's label editor too) are the box's: Ctrl+A selects
    // its text there, and no menu command may change what is being edited meanwhile. Function
    // keys and Alt combinations are no editing keys.
    const bool functionKey = key >= VK_F1 && key <= VK_F24;
    if (!functionKey && (shift & scAlt) == 0 && FocusIsEditBox())
        return false;
    return menu_->Items()->DispatchShortCut(ShortCut(key, shift));
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        if (m.WParam == VK_F1 && m.Msg == CN_KEYDOWN)
            break; // the base asks for help
        if (KeyPreview && OnKeyDown && CanFireEvents()) {
            WORD key = static_cast<WORD>(m.WParam);
            OnKeyDown(this, key, KeyboardShiftState());
            if (key == 0) {
                m.Result = 1;
                return;
            }
        }
        m.Result = IsShortCut(static_cast<WORD>(m.WParam)) ? 1 : 0;
        return;
    case WM_CLOSE:
        Close();
        return;
    case WM_SHOWWINDOW:
        if (m.WParam != 0 && m.LParam == 0) // shown by a call, not with its owner
            PlaceAtPosition();
        if (m.WParam != 0) {
            // Each showing starts at the first control, as a dialog opens.
            lastFocused_ = nullptr;
            UpdateDefaultLook();
            if (!(modal_ && ModalHook))
                Fire(OnShow, this);
        } else {
            Fire(OnHide, this);
        }
        break;
    case WM_ACTIVATE:
        Fire(LOWORD(m.WParam) != WA_INACTIVE ? OnActivate : OnDeactivate, this);
        break;
    case WM_SIZE:
        TControl::WndProc(m);
        Realign();
        // Windows does not draw every moved or grown control anew (a button moved into the
        // uncovered part stays blank, the status bar keeps its size grip's old marks): every
        // control repaints.
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        Fire(OnResize, this);
        return;
    case WM_GETMINMAXINFO:
        // A sizeable form never gets smaller than its layout needs.
        if (layout_) {
            TControl::WndProc(m);
            const TSize need = (*layout_)->Measure();
            const TSize frame = LayoutFrame();
            const RECT r =
                WindowRectForClient({0, 0, ToPixels(need.Width + 2 * kFormMargin + frame.Width),
                                     ToPixels(need.Height + 2 * kFormMargin + frame.Height)},
                                    static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)),
                                    static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)),
                                    GetMenu(Handle()) != nullptr, dpi_);
            auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
            info->ptMinTrackSize = {r.right - r.left, r.bottom - r.top};
            return;
        }
        break;
    case WM_DPICHANGED:
        ChangeDpi(LOWORD(m.WParam), reinterpret_cast<const RECT*>(m.LParam));
        return;
    case WM_NEXTDLGCTL:
        NextDialogControl(m);
        return;
    case WM_SETFOCUS:
        // Windows gives an activated window the focus itself (the default activation, Wine's
        // window manager events); the keyboard belongs to a control of the form.
        TControl::WndProc(m);
        FocusInside();
        return;
    case CM_FOCUSCHANGED:
        lastFocused_ = reinterpret_cast<TControl*>(m.WParam);
        UpdateDefaultLook();
        return;
    case DM_GETDEFID:
        // Lets Windows' own dialog handling find the button that Enter presses.
        if (TButton* button = PressedByEnter()) {
            m.Result = MAKELRESULT(GetDlgCtrlID(button->Handle()), DC_HASDEFID);
            return;
        }
        break;
    case WM_COMMAND:
        if (m.LParam == 0 && LOWORD(m.WParam) == IDCANCEL) {
            EscapeKey();
            return;
        }
        break;
    case CM_RELEASE:
        if (released_)
            delete this;
        return;
    default:
        break;
    }
    TControl::WndProc(m);
}

} // namespace tav
