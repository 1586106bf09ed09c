#include "ui/tray/win32/TrayIcon.h"

#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <vector>

using namespace tav;

namespace {

using Events = std::vector<std::string>;

struct TShellCall {
    DWORD message;
    NOTIFYICONDATAA data;
};

// The tray icon of a form, with the shell and the popup menu scripted and every event logged.
// The click timer ticks only when a test says the double-click time is over. The form has no
// border: Wine waits for the window manager when it hides a framed window.
struct TrayIconTest : ::testing::Test {
    std::vector<TShellCall> calls;
    TSeamScope<ShellNotifyIconFn> shell{ShellNotifyIconSeam(),
                                        [this](DWORD message, const NOTIFYICONDATAA& data) {
                                            calls.push_back({message, data});
                                            return true;
                                        }};
    decltype(TPopupMenu::Track) savedTrack = TPopupMenu::Track;
    TForm* form = new TForm(nullptr, "MainForm", TBorderStyle::None);
    TPopupMenu* menu = new TPopupMenu(form, "TrayPopUpMenu");
    TTrayIcon* tray = nullptr;
    TTimer* clickTimer = nullptr;
    unsigned doubleClickTime = 0;
    Events events;

    TrayIconTest() {
        form->Loaded();
        auto log = [this](const char* what) { return [this, what](TObject*) { Log(what); }; };
        auto mouse = [this](const char* what) {
            return [this, what](TObject*, TMouseButton button, TShiftState, int, int) {
                Log(std::string(button == TMouseButton::Right ? "right " : "") + what);
            };
        };
        CreateComponent(tray, form, "TrayIcon",
                        {.Hint = "Tavrilo",
                         .IconVisible = false,
                         .PopupMenu = menu,
                         .OnClick = log("click"),
                         .OnDblClick = log("double"),
                         .OnMouseDown = mouse("down"),
                         .OnMouseUp = mouse("up")});
        clickTimer = static_cast<TTimer*>(tray->FindComponent("ClickTimer"));
        doubleClickTime = clickTimer->Interval();
        clickTimer->SetInterval(3600000);
        TPopupMenu::Track = [this](HMENU, int, int) -> UINT {
            Log("menu");
            return 0;
        };
    }
    ~TrayIconTest() override {
        delete form;
        TPopupMenu::Track = savedTrack;
    }
    void Log(const std::string& what) { events.push_back(what); }
    void Mouse(UINT message) {
        SendMessageA(tray->Handle(), TTrayIcon::kCallbackMessage, TTrayIcon::kIconId, message);
    }
    void DoubleClickTimeEnds() {
        ASSERT_TRUE(clickTimer->Enabled());
        clickTimer->OnTimer(clickTimer);
    }
};

TEST_F(TrayIconTest, AClickWaitsForTheDoubleClickTimeOrForTheReleaseOfALongPress) {
    EXPECT_EQ(doubleClickTime, GetDoubleClickTime());
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(events, (Events{"down", "up"}));
    DoubleClickTimeEnds();
    EXPECT_EQ(events, (Events{"down", "up", "click"}));

    events.clear();
    Mouse(WM_LBUTTONDOWN);
    DoubleClickTimeEnds();
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(events, (Events{"down", "click", "up"}));
}

TEST_F(TrayIconTest, ADoubleClickIsNoClickAndChoosesTheMenusDefaultItem) {
    auto* configure = new TMenuItem(form, menu, "RestoreMenu");
    auto* exit = new TMenuItem(form, menu, "ExitMenu");
    configure->OnClick = [this](TObject*) { Log("configure"); };
    exit->OnClick = [this](TObject*) { Log("exit"); };
    exit->SetDefault(true);
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);
    DoubleClickTimeEnds();
    EXPECT_EQ(events, (Events{"down", "up", "double", "exit", "up"}));

    // The next single click counts again.
    events.clear();
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    DoubleClickTimeEnds();
    EXPECT_EQ(events, (Events{"down", "up", "click"}));
}

TEST_F(TrayIconTest, TheRightButtonOpensTheMenuAndADisabledIconIsQuiet) {
    Mouse(WM_RBUTTONDOWN);
    Mouse(WM_RBUTTONUP);
    EXPECT_EQ(events, (Events{"right down", "menu", "right up"}));
    EXPECT_EQ(menu->PopupComponent, tray);

    events.clear();
    tray->Enabled = false;
    for (UINT message : {WM_RBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK})
        Mouse(message);
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(clickTimer->Enabled());
}

TEST_F(TrayIconTest, TheShellGetsTheIconsRecordWithTheTipCutTo127Characters) {
    tray->SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
    tray->SetHint(std::string(200, 'h'));
    EXPECT_EQ(calls.back().message, static_cast<DWORD>(NIM_MODIFY)); // hidden: nothing to add
    calls.clear();
    EXPECT_TRUE(tray->ShowIcon());
    ASSERT_EQ(calls.size(), 1u);
    const NOTIFYICONDATAA& added = calls[0].data;
    EXPECT_EQ(calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(added.cbSize, sizeof(NOTIFYICONDATAA));
    EXPECT_EQ(added.hWnd, tray->Handle());
    EXPECT_EQ(added.uID, 1u);
    EXPECT_EQ(added.uFlags, 7u);
    EXPECT_EQ(added.uCallbackMessage, 2048u);
    EXPECT_EQ(added.hIcon, tray->Icon());
    EXPECT_EQ(std::string(added.szTip), std::string(127, 'h'));

    tray->SetShowHint(false);
    const auto& tip = calls.back().data.szTip;
    EXPECT_TRUE(std::all_of(std::begin(tip), std::end(tip), [](char c) { return c == 0; }));
}

// An icon of `size` pixels; the size tells the icons apart in the shell's records.
HICON SquareIcon(int size) {
    const std::vector<BYTE> mask(static_cast<std::size_t>(size * size / 8), 0xFF);
    const std::vector<BYTE> image(mask.size(), 0);
    return CreateIcon(GetModuleHandleA(nullptr), size, size, 1, 1, mask.data(), image.data());
}
int IconSize(HICON icon) {
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAP bitmap{};
    GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    return bitmap.bmWidth;
}

// While the shell keeps a call waiting, the caller goes on; of the icons queued meanwhile only
// the newest follows, and none at all once a call made at once has told the shell the latest.
TEST_F(TrayIconTest, IconsThatDoNotWaitForTheShellBringItNoStaleIcon) {
    const HANDLE answer = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const HANDLE called = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const DWORD mainThread = GetCurrentThreadId();
    std::mutex lock;
    std::vector<int> fromThread;
    TSeamScope<ShellNotifyIconFn> busy{
        ShellNotifyIconSeam(), [&](DWORD message, const NOTIFYICONDATAA& data) {
            if (GetCurrentThreadId() == mainThread)
                return true;
            {
                std::lock_guard guard(lock);
                fromThread.push_back(message == NIM_MODIFY ? IconSize(data.hIcon) : -1);
            }
            SetEvent(called);
            WaitForSingleObject(answer, 5000);
            return true;
        }};
    std::vector<HICON> icons;
    for (int size : {16, 24, 32})
        icons.push_back(SquareIcon(size));

    tray->SetIconNoWait(icons[0]);
    ASSERT_EQ(WaitForSingleObject(called, 5000), WAIT_OBJECT_0);
    tray->SetIconNoWait(icons[1]);
    tray->SetIconNoWait(icons[2]);
    EXPECT_EQ(IconSize(tray->Icon()), 32);
    tray->SetHint("Busy"); // tells the shell itself
    tray->SetIconNoWait(icons[1]);
    SetEvent(answer);
    ASSERT_EQ(WaitForSingleObject(called, 5000), WAIT_OBJECT_0);
    {
        std::lock_guard guard(lock);
        EXPECT_EQ(fromThread, (std::vector<int>{16, 24}));
    }
    delete form; // the shell's thread ends with the icon, while this shell is in place
    form = nullptr;
    for (HICON icon : icons)
        DestroyIcon(icon);
    CloseHandle(called);
    CloseHandle(answer);
}

TEST_F(TrayIconTest, ANewTaskbarGetsTheIconBackOnlyWhenItIsVisible) {
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    calls.clear();
    SendMessageA(Application().Handle(), taskbarCreated, 0, 0);
    EXPECT_TRUE(calls.empty());
    tray->SetIconVisible(true);
    calls.clear();
    SendMessageA(Application().Handle(), taskbarCreated, 0, 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].message, static_cast<DWORD>(NIM_ADD));
}

TEST_F(TrayIconTest, TheIndexStaysInsideTheListAndTheCycleTellsWhereItGoes) {
    auto* list = new TImageList(form, "TrayImages");
    for (const char* id : {IDI_APPLICATION, IDI_WARNING, IDI_ERROR})
        list->AddIcon(LoadIconA(nullptr, id));
    tray->SetIconList(list);
    tray->SetIconIndex(-1);
    EXPECT_EQ(tray->IconIndex(), 0);
    tray->SetIconIndex(7);
    EXPECT_EQ(tray->IconIndex(), 2);

    auto* cycleTimer = static_cast<TTimer*>(tray->FindComponent("CycleTimer"));
    int next = -1;
    tray->OnCycle = [&](TObject*, int nextIndex) { next = nextIndex; };
    tray->SetCycleIcons(true);
    EXPECT_FALSE(cycleTimer->Enabled()); // an interval of 0 never cycles
    tray->SetCycleInterval(3600000);
    EXPECT_TRUE(cycleTimer->Enabled());
    tray->SetIconIndex(2); // cycling started again from the first icon
    const HICON last = tray->Icon();
    cycleTimer->OnTimer(cycleTimer);
    EXPECT_EQ(next, 0);
    EXPECT_EQ(tray->IconIndex(), 0);
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(last, &info)); // the copy it replaced was freed
    cycleTimer->OnTimer(cycleTimer);
    EXPECT_EQ(next, 1);

    // An empty list copies no icon.
    list->Clear();
    const HICON kept = tray->Icon();
    tray->SetIconIndex(1);
    EXPECT_EQ(tray->IconIndex(), 0);
    EXPECT_EQ(tray->Icon(), kept);
}

// Shown without a show call, which would make the form the active window: Wine takes seconds to
// hide that.
void ShowInactive(TForm* form) {
    SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

TEST_F(TrayIconTest, GoingToTheTrayHidesTheMainFormAndShowsTheIcon) {
    Application().SetMainForm(form);
    ShowInactive(form);
    tray->GoToTray();
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_EQ(calls.back().message, static_cast<DWORD>(NIM_ADD));

    // Minimizing goes there too when asked; showing the form again brings it back whole.
    tray->MinimizeToTray = true;
    tray->SetIconVisible(false);
    ShowInactive(form);
    ShowWindow(form->Handle(), SW_SHOWMINNOACTIVE);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(tray->IconVisible());
    form->Show();
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(IsIconic(form->Handle()));
}

// Windows' own activation puts the focus on the form itself. A focus notice posted to the form,
// whatever control it names, changes nothing.
TEST_F(TrayIconTest, ActivatingTheFormGivesTheFocusBackToTheControlThatHadIt) {
    auto* name = new TEdit(form, form, "NameEdBx");
    auto* port = new TEdit(form, form, "PortEdBx");
    form->Show();
    port->SetFocus();
    PostMessageA(form->Handle(), CM_FOCUSCHANGED, reinterpret_cast<WPARAM>(name), 0);
    Application().ProcessMessages();
    SetFocus(form->Handle());
    SendMessageA(form->Handle(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_TRUE(port->Focused());
}

TEST_F(TrayIconTest, AWindowProcedureInstalledOverTheIconsOutlivesIt) {
    TWndMethod below = form->WindowProc;
    form->WindowProc = [this, below](TMessage& m) {
        if (m.Msg == WM_SHOWWINDOW)
            Log("shown");
        below(m);
    };
    delete tray;
    // What the tray icon did on a show call would now run on a freed object.
    SendMessageA(form->Handle(), WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(events, (Events{"shown"}));
}

} // namespace
