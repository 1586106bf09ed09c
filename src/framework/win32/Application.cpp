#include "framework/win32/Forms.h"

#include "framework/HelpRouting.h"

#include "framework/win32/Menus.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/Seams.h"

#include <algorithm>
#include <stdexcept>

namespace tav {
namespace {

const char* const kAppClass = "TavApplication";

// Through the message-box seam, so that a test that provokes an error is answered by its script.
void DefaultShowException(const std::string& text) {
    ShowMessageBox(text, Application().Title(), MB_OK | MB_ICONERROR);
}

// Set before the application window exists: its first messages arrive while the object that
// Application() returns is still being made.
TApplication* g_app = nullptr;
} // namespace

std::function<void(const std::string&)> TApplication::ShowException = DefaultShowException;

TApplication& Application() {
    // Made on first use and never freed: forms are freed by Run, and tests free their own.
    static TApplication* app = new TApplication();
    return *app;
}

TApplication::TApplication() : TComponent(nullptr, "Application") {
    g_app = this;
    FormClass();
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
    if (DispatchMenuMessage(m))
        return;
    switch (m.Msg) {
    case WM_SETTINGCHANGE:
        // Every top-level window hears of a new message font; the program answers once.
        if (RefreshMessageFont())
            for (TForm* form : forms_) {
                form->ApplyDpi();
                form->Realign();
            }
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
    auto* form = dynamic_cast<TForm*>(TControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    return form != nullptr && form->DialogKey(msg);
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

static_assert(helpcmd::Context == HELP_CONTEXT && helpcmd::Contents == HELP_CONTENTS &&
              helpcmd::ContextPopup == HELP_CONTEXTPOPUP &&
              helpcmd::SetPopupPos == HELP_SETPOPUP_POS && helpcmd::Key == HELP_KEY &&
              helpcmd::PartialKey == HELP_PARTIALKEY && helpcmd::MultiKey == HELP_MULTIKEY &&
              helpcmd::SetWinPos == HELP_SETWINPOS);

namespace {

// The help requests reach the application's help command, with the position of the focused
// control that has help of its own (the focus is the thread's, whichever form holds it).
class TApplicationHelpTarget : public IHelpTarget {
public:
    explicit TApplicationHelpTarget(TApplication& app) : app_(app) {}
    std::optional<THelpPoint> FocusedHelpCorner() override {
        for (TControl* c = TControl::FindControl(GetFocus()); c != nullptr; c = c->Parent()) {
            if (!c->HasOwnHelp())
                continue;
            POINT corner{0, 0};
            ClientToScreen(c->Handle(), &corner);
            return THelpPoint{corner.x, corner.y};
        }
        return std::nullopt;
    }
    bool HelpCommand(unsigned command, THelpData data) override {
        return app_.HelpCommand(command, data);
    }

private:
    TApplication& app_;
};

} // namespace

bool TApplication::HelpContext(int context) {
    TApplicationHelpTarget target(*this);
    return RouteHelpContext(target, context);
}

bool TApplication::HelpKeyword(const std::string& keyword) {
    TApplicationHelpTarget target(*this);
    return RouteHelpKeyword(target, keyword);
}

bool TApplication::HelpJump(const std::string& topic) {
    TApplicationHelpTarget target(*this);
    return RouteHelpTopic(target, topic);
}

bool TApplication::HelpShowTableOfContents() {
    TApplicationHelpTarget target(*this);
    return RouteHelpContents(target);
}

void TApplication::SetCursor(TCursor cursor) {
    cursor_ = cursor;
    ::SetCursor(CursorHandle(cursor));
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
