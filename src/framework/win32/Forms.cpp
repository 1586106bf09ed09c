#include "framework/win32/Forms.h"

#include "framework/win32/Menus.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/Seams.h"
#include "framework/win32/StdCtrls.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

namespace tav {
namespace {

const char* const kFormClass = "TavForm";
const char* const kAppClass = "TavApplication";

void RegisterClasses() {
    static bool done = [] {
        INITCOMMONCONTROLSEX icc{};
        icc.dwSize = sizeof(icc);
        icc.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                    ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES |
                    ICC_TREEVIEW_CLASSES;
        InitCommonControlsEx(&icc);
        RegisterFrameworkClass(kFormClass, CS_DBLCLKS);
        return true;
    }();
    (void)done;
}

// Through the message-box seam, so that a test that provokes an error is answered by its script.
void DefaultShowException(const std::string& text) {
    ShowMessageBox(text, Application().Title(), MB_OK | MB_ICONERROR);
}

} // namespace

std::function<int(TForm&)> TForm::ModalHook;
std::function<void(const std::string&)> TApplication::ShowException = DefaultShowException;

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

TForm::TForm(TComponent* owner, std::string name, TBorderStyle border)
    // The owner takes the form once it is one, so that those told about it can see so.
    : TControl((RegisterClasses(), nullptr), nullptr, std::move(name),
               TCreateParams{kFormClass, BorderStyleBits(border) | WS_CLIPCHILDREN,
                             WS_EX_CONTROLPARENT |
                                 (border == TBorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0u),
                             400, 300}) {
    PublishCaption();
    TApplication& app = Application();
    if (app.Icon() != nullptr)
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(app.Icon()));
    app.forms_.push_back(this);
    // Inserting tells every component below the owner; for the application's forms that is
    // every component of every form (the theme manager learns of new forms this way).
    (owner != nullptr ? owner : &app)->InsertComponent(this);
}

TForm::~TForm() {
    // Destroying the window would destroy the menu bar under the menu's feet.
    if (menu_ != nullptr) {
        menu_->DetachFrom(this);
        RemoveFreeNotification(menu_);
        menu_ = nullptr;
    }
    TApplication& app = Application();
    std::erase(app.forms_, this);
    if (app.mainForm_ == this)
        app.mainForm_ = nullptr;
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::Remove && component == menu_) {
        menu_ = nullptr;
        ::SetMenu(Handle(), nullptr);
    }
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_ != nullptr)
        menu_->DetachFrom(this);
    menu_ = menu;
    if (menu_ != nullptr) {
        FreeNotification(menu_);
        menu_->AttachTo(this);
    } else {
        ::SetMenu(Handle(), nullptr);
    }
}

void TForm::SetClientSize(int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)),
                       GetMenu(Handle()) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)));
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
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
    if (focus == nullptr || (focus != Handle() && !IsChild(Handle(), focus)))
        return nullptr;
    return FindControl(focus);
}

void TForm::BringToFront() {
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
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
    if (OnClose)
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
    PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

int TForm::ShowModal() {
    modal_ = true;
    ModalResult = mrNone;
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
        modal_ = false;
    };
    try {
        if (ModalHook) {
            if (OnShow)
                OnShow(this);
            ModalResult = ModalHook(*this);
        } else {
            if (Position == TPosition::ScreenCenter) {
                RECT work{};
                SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
                SetBounds(work.left + (work.right - work.left - Width()) / 2,
                          work.top + (work.bottom - work.top - Height()) / 2, Width(), Height());
            }
            Show();
            SetForegroundWindow(Handle());
            while (ModalResult == mrNone && !Application().Terminated()) {
                Application().HandleMessage();
                if (ModalResult != mrNone && !CloseQuery())
                    ModalResult = mrNone;
            }
        }
        if (ModalResult == mrNone)
            ModalResult = mrCancel;
        TCloseAction action = TCloseAction::Hide;
        if (OnClose)
            OnClose(this, action);
        restore();
        Hide();
    } catch (...) {
        restore();
        Hide();
        throw;
    }
    return ModalResult;
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
    return menu_->Items()->DispatchShortCut(ShortCut(key, shift));
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        if (m.WParam == VK_F1 && m.Msg == CN_KEYDOWN)
            break; // the base asks for help
        if (KeyPreview && OnKeyDown) {
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
        if (m.WParam != 0 && OnShow && !(modal_ && ModalHook))
            OnShow(this);
        if (m.WParam == 0 && OnHide)
            OnHide(this);
        break;
    case WM_ACTIVATE:
        if (LOWORD(m.WParam) != WA_INACTIVE && OnActivate)
            OnActivate(this);
        if (LOWORD(m.WParam) == WA_INACTIVE && OnDeactivate)
            OnDeactivate(this);
        break;
    case WM_SIZE:
        TControl::WndProc(m);
        if (OnResize)
            OnResize(this);
        return;
    case DM_GETDEFID:
        // Lets the dialog manager's Enter handling press the default button.
        if (DefaultButton != nullptr && DefaultButton->Enabled()) {
            m.Result = MAKELRESULT(GetDlgCtrlID(DefaultButton->Handle()), DC_HASDEFID);
            return;
        }
        break;
    case WM_COMMAND:
        if (m.LParam == 0 && LOWORD(m.WParam) == IDCANCEL) {
            if (CancelButton != nullptr && CancelButton->Enabled())
                CancelButton->Click();
            return;
        }
        break;
    case CM_RELEASE:
        delete this;
        return;
    default:
        break;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

namespace {
// Set before the application window exists: its first messages arrive while the object that
// Application() returns is still being made.
TApplication* g_app = nullptr;
} // namespace

TApplication& Application() {
    // Made on first use and never freed: forms are freed by Run, and tests free their own.
    static TApplication* app = new TApplication();
    return *app;
}

TApplication::TApplication() : TComponent(nullptr, "Application") {
    g_app = this;
    RegisterClasses();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &AppWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kAppClass;
    RegisterClassExA(&wc);
    handle_ = CreateWindowExA(0, kAppClass, ProgramTitle().c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

TApplication::~TApplication() {
    if (handle_ != nullptr)
        DestroyWindow(handle_);
}

std::string TApplication::Title() const {
    char text[512] = {};
    GetWindowTextA(handle_, text, sizeof(text));
    return text;
}

void TApplication::SetTitle(const std::string& title) {
    SetWindowTextA(handle_, title.c_str());
}

void TApplication::SetIcon(HICON icon) {
    icon_ = icon;
    SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    for (TForm* f : forms_)
        SendMessageA(f->Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

LRESULT CALLBACK TApplication::AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    if (g_app == nullptr || g_app->handle_ != wnd) // messages sent while the window is made
        return DefWindowProcA(wnd, msg, wParam, lParam);
    GuardCallback([&] { g_app->WndProc(m); });
    return m.Result;
}

void TApplication::WndProc(TMessage& m) {
    // A hook may unhook itself (or others) while it runs: walk a copy, skip the removed.
    const auto hooks = hooks_;
    for (const auto& [id, hook] : hooks) {
        bool stillHooked = std::any_of(hooks_.begin(), hooks_.end(),
                                       [id = id](const auto& h) { return h.first == id; });
        if (stillHooked && hook(m))
            return;
    }
    switch (m.Msg) {
    case WM_INITMENUPOPUP:
        if (TMenuItem::DispatchPopup(reinterpret_cast<HMENU>(m.WParam)))
            return;
        break;
    case WM_COMMAND:
        if (m.LParam == 0 && TMenuItem::DispatchCommand(LOWORD(m.WParam)))
            return;
        break;
    case WM_CLOSE:
        if (mainForm_ != nullptr)
            mainForm_->Close();
        return;
    default:
        break;
    }
    m.Result = DefWindowProcA(handle_, m.Msg, m.WParam, m.LParam);
}

int TApplication::HookMainWindow(TWindowHook hook) {
    hooks_.emplace_back(nextHookId_, std::move(hook));
    return nextHookId_++;
}

void TApplication::UnhookMainWindow(int id) {
    std::erase_if(hooks_, [id](const auto& h) { return h.first == id; });
}

bool TApplication::PreTranslate(MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        TControl* target = TControl::FindControl(msg.hwnd);
        if (target != nullptr &&
            target->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0)
            return true;
    }
    HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    if (top != nullptr && dynamic_cast<TForm*>(TControl::FromHandle(top)) != nullptr)
        return IsDialogMessageA(top, &msg) != FALSE;
    return false;
}

bool TApplication::ProcessMessage() {
    MSG msg{};
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    GuardCallback([&] { handled = PreTranslate(msg); });
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    if (!ProcessMessage())
        WaitMessage();
}

void TApplication::Run() {
    if (mainForm_ != nullptr && ShowMainForm)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
    // Forms go last-made first, as owners free what they own.
    while (!Components().empty())
        delete Components().back();
}

void TApplication::Terminate() {
    if (!terminated_)
        PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception* error) {
    static const std::runtime_error unknown("An unknown error occurred.");
    const std::exception& e = error != nullptr ? *error : unknown;
    try {
        if (OnException)
            OnException(this, e);
        else if (ShowException)
            ShowException(e.what());
    } catch (...) {
        // The handler itself failed; there is no one left to tell.
    }
}

bool TApplication::HelpCommand(UINT command, ULONG_PTR data) {
    bool callHelp = true;
    bool result = false;
    if (OnHelp)
        result = OnHelp(command, data, callHelp);
    return result;
}

bool TApplication::HelpKeyword(const std::string& keyword) {
    return HelpCommand(HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword.c_str()));
}

void TApplication::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    ::SetCursor(LoadCursorA(nullptr, cursor == TCursor::HourGlass ? IDC_WAIT : IDC_ARROW));
}

// The main form stands for the program on the taskbar; the application window stays hidden.
void TApplication::Minimize() {
    if (mainForm_ != nullptr && mainForm_->Visible())
        ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (mainForm_ != nullptr && IsIconic(mainForm_->Handle()))
        ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

} // namespace tav
