#pragma once
// The program's icon in the notification area of the taskbar. It turns the shell's mouse
// notifications about the icon into events (a single click is told apart from a double click by
// waiting the system's double-click time), opens a popup menu on the right button, puts the icon
// back when the taskbar is recreated, can cycle through the icons of an image list and can hide
// the program to the tray.

#include "framework/win32/ComCtrls.h"
#include "framework/win32/Menus.h"
#include "framework/win32/Seams.h"
#include "framework/win32/Timer.h"
#include "ui/tray/win32/TrayShellCalls.h"

#include <shellapi.h>

#include <memory>

namespace tav {

// The shell's notification-area call (NIM_ADD, NIM_MODIFY or NIM_DELETE) with the icon's record;
// the answer is the shell's. Tests replace it to read the records without a taskbar.
using ShellNotifyIconFn = std::function<bool(DWORD message, const NOTIFYICONDATAA& data)>;
TSeam<ShellNotifyIconFn>& ShellNotifyIconSeam();

// `nextIndex` is the image-list index the cycle moves to next.
using TCycleEvent = std::function<void(TObject* sender, int nextIndex)>;

class TTrayIcon : public TComponent {
public:
    // What a form declares; the defaults are those of a component made without a declaration.
    struct Args {
        TImageList* IconList = nullptr;
        bool CycleIcons = false;
        unsigned CycleInterval = 0;
        bool Enabled = true;
        std::string Hint;
        bool ShowHint = true;
        HICON Icon = nullptr;
        bool IconVisible = true;
        int IconIndex = 0;
        TPopupMenu* PopupMenu = nullptr;
        bool LeftPopup = false;
        bool StartMinimized = false;
        bool MinimizeToTray = false;
        TNotifyEvent OnClick;
        TNotifyEvent OnDblClick;
        TMouseEvent OnMouseDown;
        TMouseEvent OnMouseUp;
        TMouseMoveEvent OnMouseMove;
        TCycleEvent OnCycle;
    };

    // The message the shell sends to Handle() about the icon; its LParam's low word is the mouse
    // message.
    static constexpr UINT kCallbackMessage = 0x800;
    static constexpr UINT kIconId = 1;

    // Takes over the owner's window procedure when the owner is a form (or another control).
    explicit TTrayIcon(TComponent* owner, std::string name = {});
    ~TTrayIcon() override;
    static TTrayIcon* Construct(TComponent* owner, std::string name, Args&) {
        return new TTrayIcon(owner, std::move(name));
    }
    // Takes the declared values and ends the declaration: the icon is added when IconVisible.
    void ApplyArgs(Args& args);

    // The hidden window the shell's notifications arrive at.
    HWND Handle() const { return window_; }

    // At run time True adds the icon and False removes it, IconVisible unchanged.
    bool DesignPreview() const { return designPreview_; }
    void SetDesignPreview(bool preview);
    TImageList* IconList() const { return iconList_; }
    void SetIconList(TImageList* list);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool cycle);
    // Milliseconds; 0 never cycles.
    unsigned CycleInterval() const { return cycleInterval_; }
    void SetCycleInterval(unsigned interval);
    // The tip; the shell shows its first 127 characters.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);
    // The icon shown, owned by this component.
    HICON Icon() const { return icon_; }
    // Shows a copy of `icon`; the caller keeps its own.
    void SetIcon(HICON icon);
    // The same, but the shell is told from a thread of this component's own, so a shell that is
    // busy or hung never holds up the caller; of several icons waiting for it, only the newest
    // reaches the shell.
    void SetIconNoWait(HICON icon);
    // The wish that the icon be in the notification area, not the shell's answer.
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool visible);
    // With an image list, kept inside it and that icon shown; without one always 0.
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);

    // Mouse notifications produce events (and open the menu) only while Enabled.
    bool Enabled = true;
    TComponentRef<TPopupMenu> PopupMenu{this};
    // The left button opens the menu too.
    bool LeftPopup = false;
    // The main form is not shown at start.
    bool StartMinimized = false;
    // Minimizing the main form hides the program to the tray.
    bool MinimizeToTray = false;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TCycleEvent OnCycle;

    // Each returns the shell's answer.
    bool ShowIcon();
    bool HideIcon();
    bool ModifyIcon();
    // Opens the popup menu at the mouse cursor.
    void PopupAtCursor();
    // Hides the application's main form, when this icon belongs to a form.
    void HideMainWindow();
    // Hides the main form and shows the icon.
    void GoToTray();

private:
    static LRESULT CALLBACK IconWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void MouseNotification(UINT mouseMessage);
    void DoubleClickNotification();
    void ClickTimerTick(TObject* sender);
    void CycleTimerTick(TObject* sender);
    int NextCycleIndex() const;
    bool AppWindowProc(TMessage& message);
    void OwnerWindowProc(TMessage& message);
    void OwnerWindowDone(const TMessage& message);
    void RestoreOwnerWindow();
    void UpdateCycleTimer();
    void CopyListIcon(int index);
    void ReplaceIcon(HICON owned);
    void FillIconData();
    bool Notify(DWORD message);

    HWND window_ = nullptr;
    NOTIFYICONDATAA data_{};
    HICON icon_ = nullptr;
    TComponentRef<TImageList> iconList_{this, [this] { SetIconIndex(0); }};
    // The owner when it is a control; cleared when the owner goes before this component.
    TComponentRef<TControl> ownerWindow_{this};
    // The owner's control that had the focus last, given it back when the owner is activated.
    TComponentRef<TControl> activeControl_{this};
    TTimer* cycleTimer_ = nullptr;
    TTimer* clickTimer_ = nullptr;
    // Made at the first call that does not wait.
    std::unique_ptr<TTrayShellCalls> shellCalls_;
    int appHook_ = 0;
    // This component's procedure over the owner's window procedure.
    TWndProcHook ownerHook_;
    // Points at this component while it lives; the owner's window procedure and a popup that
    // runs message loops check it.
    std::shared_ptr<TTrayIcon*> self_;
    std::string hint_;
    unsigned cycleInterval_ = 0;
    int iconIndex_ = 0;
    bool designPreview_ = false;
    bool settingPreview_ = false;
    bool bringingBack_ = false;
    bool cycleIcons_ = false;
    bool showHint_ = true;
    bool iconVisible_ = true;
    bool leftDown_ = false;
    bool clickPending_ = false;
    bool doubleClickSeen_ = false;
};

} // namespace tav
