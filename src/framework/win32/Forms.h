#pragma once
// Forms (top-level windows holding controls) and the application object that runs the
// message loop, owns the forms and answers for exceptions and help.

#include "framework/win32/Controls.h"
#include "framework/win32/Layout.h"

#include <exception>
#include <optional>

namespace tav {

class TMainMenu;
class TButton;
class TPageControl;

enum TModalResult : int {
    mrNone = 0,
    mrOk = IDOK,
    mrCancel = IDCANCEL,
    mrAbort = IDABORT,
    mrRetry = IDRETRY,
    mrIgnore = IDIGNORE,
    mrYes = IDYES,
    mrNo = IDNO,
};

enum class TCloseAction { None, Hide, Free, Minimize };
enum class TBorderStyle { Sizeable, Single, Dialog, None };
// Where a form appears each time it is shown: where it was put, centred on the screen's work
// area, or centred on the window that owns it (the screen when it has none).
enum class TPosition { Designed, ScreenCenter, OwnerFormCenter };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// A form is a top-level window holding controls. Its controls are placed by the layout it
// states (SetLayout), in design units that the form converts for its DPI; it behaves from the
// keyboard like a Windows dialog (Tab order, mnemonics, Enter and Escape, arrows in radio
// groups, Ctrl+Tab between pages).
class TForm : public TControl {
public:
    // Forms are top-level windows; `owner` frees the form (the application when none is
    // given) and every component below the owner is told of it. Every form is listed by the
    // application in creation order. `windowClass` names the window's class for a form that
    // another program looks for by it; none gives the framework's form class.
    explicit TForm(TComponent* owner, std::string name = {},
                   TBorderStyle border = TBorderStyle::Sizeable, const char* windowClass = nullptr);
    ~TForm() override;

    // Shows the form and runs a message loop until ModalResult is set (a button with a modal
    // result, Close, or code). Returns the result and hides the form; when OnClose asks to
    // free it, the form is released.
    int ShowModal();
    // Replaces the loop of every ShowModal, for tests: it gets the shown form and returns the
    // modal result. OnShow has run before it is called; OnClose runs after.
    static std::function<int(TForm&)> ModalHook;
    bool Modal() const { return modal_; }
    int ModalResult = mrNone;

    // Asks OnCloseQuery, then OnClose decides: hide (default), free or minimize. Closing the
    // main form ends the application. Closing a modal form sets ModalResult to mrCancel.
    void Close();
    // Frees the form once the messages already queued have been handled.
    void Release();
    // Brings the form to the front and makes it the active window.
    void BringToFront();

    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    TPosition Position = TPosition::Designed;
    // The size of the client area, in design units.
    void SetClientSize(int width, int height);
    bool StayOnTop() const;
    void SetStayOnTop(bool onTop);

    // The form's DPI: its monitor's when shown, else the system's.
    UINT FormDpi() const { return dpi_; }
    // The structure the form's controls are placed by; the form takes at least the room the
    // layout measures (exactly that, unless it is sizeable) and places the controls again
    // whenever a caption, the size, the DPI or the message font changes. It ends the form's
    // declaration (Loaded).
    void SetLayout(TBox layout);
    void Realign();
    // Between these, the controls are placed again only once, at the end.
    void BeginUpdate() override { ++updates_; }
    void EndUpdate() override;
    // Ends the declaration of the form's controls: until then (from the form's construction
    // on) no event of the form or its controls reaches a handler. A form without a layout
    // calls it at the end of its declaration.
    void Loaded();

    // With KeyPreview the form's OnKeyDown sees keys before the focused control.
    bool KeyPreview = false;
    // The buttons answering Enter and Escape. While another push button has the focus, Enter
    // presses that one, which then shows the default frame.
    TComponentRef<TButton> DefaultButton{this, [this] { UpdateDefaultLook(); }};
    TComponentRef<TButton> CancelButton{this};
    // The control of the form that has the keyboard focus; none while the form itself or
    // another window has it.
    TControl* ActiveControl() const;

    // Dialog keys of a message on its way to one of the form's windows: Tab and Shift+Tab,
    // arrows in a radio group, Enter, Escape, Ctrl+Tab, and mnemonics (Alt+letter, or the
    // letter alone where the focused control takes no characters). True when handled.
    bool DialogKey(const MSG& message);
    // The enabled, visible tab stops in the order Tab visits them.
    std::vector<TControl*> TabChain() const;
    // Focuses `control` as the keyboard does (an edit's text gets selected).
    void FocusByKeyboard(TControl* control);
    // Shows the default frame on the button that Enter presses now.
    void UpdateDefaultLook();
    // The tooltip window that shows the hints of the form's controls, made on first use.
    HWND HintWindow();

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnResize;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void WndProc(TMessage& message) override;

private:
    bool CloseQuery();
    void PlaceAtPosition();
    bool IsShortCut(WORD key);
    static DWORD BorderStyleBits(TBorderStyle border);
    void ChangeDpi(UINT dpi, const RECT* suggested);
    TSize LayoutFrame() const;
    // Keyboard: each returns true when it used the key.
    bool TabKey(bool backwards);
    bool ArrowKey(WORD key);
    bool EnterKey();
    bool EscapeKey();
    bool SwitchPage(bool backwards);
    bool Mnemonic(char letter);
    TButton* PressedByEnter() const;
    TPageControl* PageControlForKeys() const;
    void NextDialogControl(const TMessage& message);
    // Passes the focus the form got itself on to a control, as a dialog does: the one that had
    // it last while the form was shown, else the first tab stop.
    void FocusInside();

    TComponentRef<TMainMenu> menu_{this, [this] { ::SetMenu(Handle(), nullptr); }};
    bool modal_ = false;
    // Release has asked for the form's end; no one else can.
    bool released_ = false;
    TBorderStyle border_;
    UINT dpi_ = kDesignDpi;
    std::optional<TBox> layout_;
    bool realigning_ = false;
    int updates_ = 0;
    bool realignPending_ = false;
    HWND hintWindow_ = nullptr;
    // The control that had the focus last while the form was shown.
    TComponentRef<TControl> lastFocused_{this};
};

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // The hidden top-level window that represents the program.
    HWND Handle() const { return handle_; }

    std::string Title() const;
    void SetTitle(const std::string& title);
    HICON Icon() const { return icon_; }
    void SetIcon(HICON icon);

    // The form whose closing ends the program.
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    // Whether Run shows the main form first.
    bool ShowMainForm = true;
    // Every existing form, in creation order.
    const std::vector<TForm*>& Forms() const { return forms_; }

    // Runs the message loop until Terminate, then frees the forms.
    void Run();
    // Handles every message already queued, then returns.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Exceptions that reach a window procedure, timer or other callback come here. With
    // OnException assigned it decides; otherwise ShowException shows the text.
    void HandleException(const std::exception* error);
    std::function<void(TObject* sender, const std::exception& error)> OnException;
    // Shows an exception's text to the user (a message box); tests replace it.
    static std::function<void(const std::string& text)> ShowException;

    // The help command: OnHelp (if assigned) sees every request first and may clear
    // `callHelp`; the answer is the handler's result. A request the handler leaves to the
    // application ends here: the program has no other help viewer.
    using THelpEvent = std::function<bool(UINT command, ULONG_PTR data, bool& callHelp)>;
    THelpEvent OnHelp;
    bool HelpCommand(UINT command, ULONG_PTR data);
    // The program's help requests (see HelpRouting.h): each tells where the focused control
    // with help of its own is, then asks for its help.
    bool HelpContext(int context);
    bool HelpKeyword(const std::string& keyword);
    bool HelpJump(const std::string& topic);
    bool HelpShowTableOfContents();

    // The screen cursor: HourGlass shows the busy cursor over every window of the program.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    // Hooks on the application window: each sees every message first, in installation order,
    // and returns true when it handled it (then the message goes no further).
    using TWindowHook = std::function<bool(TMessage&)>;
    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int id);

    // Minimizes or restores the main form.
    void Minimize();
    void Restore();

private:
    friend class TForm;
    static LRESULT CALLBACK AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void WndProc(TMessage& message);
    bool PreTranslate(MSG& msg);
    bool ProcessMessage();

    HWND handle_ = nullptr;
    HICON icon_ = nullptr;
    TForm* mainForm_ = nullptr;
    std::vector<TForm*> forms_;
    std::vector<std::pair<int, TWindowHook>> hooks_;
    int nextHookId_ = 1;
    bool terminated_ = false;
    TCursor cursor_ = TCursor::Default;
};

// The one application object, made on first use.
TApplication& Application();

// The window class of forms, registered (with the common controls) on first use.
const char* FormClass();

// Whether the window with the focus is an edit box, whoever made it (a tree's label editor
// too): typing there is the box's, not the menu's.
bool FocusIsEditBox();

// Runs `fn`, passing any exception to the application's handler; for callbacks.
template <typename Fn> void GuardCallback(Fn&& fn) noexcept {
    try {
        fn();
    } catch (const std::exception& e) {
        Application().HandleException(&e);
    } catch (...) {
        Application().HandleException(nullptr);
    }
}

} // namespace tav
