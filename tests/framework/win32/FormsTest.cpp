#include "Pump.h"
#include "framework/win32/Menus.h"
#include "framework/win32/StdCtrls.h"
#include "framework/win32/Timer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

using namespace tav;
using namespace std::chrono_literals;

namespace {

// Replaces a static seam for the life of a test.
template <typename T> struct Scoped {
    T& slot;
    T saved;
    Scoped(T& s, T value) : slot(s), saved(s) { slot = std::move(value); }
    ~Scoped() { slot = saved; }
};

struct FormsTest : ::testing::Test {
    TForm* form = test::NewLoadedForm(nullptr, "TestForm");
    ~FormsTest() override { delete form; }
};

TEST_F(FormsTest, FormsAreListedInCreationOrderUntilFreed) {
    auto* second = test::NewLoadedForm(nullptr, "Second");
    const auto& forms = Application().Forms();
    auto mine = std::find(forms.begin(), forms.end(), form);
    ASSERT_NE(mine, forms.end());
    ASSERT_NE(mine + 1, forms.end());
    EXPECT_EQ(*(mine + 1), second);
    delete second;
    EXPECT_EQ(std::find(forms.begin(), forms.end(), second), forms.end());
}

TEST_F(FormsTest, ModalHookScriptsTheResultAndShowAndCloseStillRun) {
    std::vector<std::string> seen;
    form->OnShow = [&](TObject*) { seen.push_back("show"); };
    form->OnClose = [&](TObject*, TCloseAction&) { seen.push_back("close"); };
    Scoped hook(TForm::ModalHook, std::function<int(TForm&)>([&](TForm& f) {
                    seen.push_back(f.Name() + (f.Modal() ? " modal" : ""));
                    return static_cast<int>(mrOk);
                }));
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(seen, (std::vector<std::string>{"show", "TestForm modal", "close"}));
    EXPECT_FALSE(form->Modal());
}

TEST_F(FormsTest, RealModalLoopEndsWhenAButtonSetsTheResult) {
    auto* ok = new TButton(form, form, "OkBtn");
    ok->ModalResult = mrOk;
    form->OnShow = [&](TObject*) { PostMessageA(ok->Handle(), BM_CLICK, 0, 0); };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
}

TEST_F(FormsTest, ExceptionsInHandlersReachTheApplicationAndTheLoopGoesOn) {
    std::vector<std::string> shown;
    Scoped box(TApplication::ShowException,
               std::function<void(const std::string&)>(
                   [&](const std::string& text) { shown.push_back(text); }));
    auto* button = new TButton(form, form, "FailBtn");
    button->OnClick = [](TObject*) { throw std::runtime_error("Port COM3 is busy"); };
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    PostMessageA(button->Handle(), BM_CLICK, 0, 0);
    test::PumpFor(20ms);
    EXPECT_EQ(shown, (std::vector<std::string>{"Port COM3 is busy", "Port COM3 is busy"}));
    // An assigned handler decides instead of the box.
    std::string handled;
    Application().OnException = [&](TObject*, const std::exception& e) { handled = e.what(); };
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    Application().OnException = nullptr;
    EXPECT_EQ(handled, "Port COM3 is busy");
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(FormsTest, HelpRequestsGoToTheApplicationWithTheNearestContext) {
    std::vector<std::pair<UINT, ULONG_PTR>> requests;
    Application().OnHelp = [&](UINT cmd, ULONG_PTR data, bool& callHelp) {
        // Where the focused control is depends on the focus, which the keys suites check.
        if (cmd != HELP_SETPOPUP_POS)
            requests.emplace_back(cmd, data);
        callHelp = false;
        return true;
    };
    form->HelpContext = 1051;
    auto* panel = new TPanel(form, form, "Page");
    auto* edit = new TEdit(form, panel, "Edit");
    auto* own = new TButton(form, panel, "HelpBtn");
    own->HelpContext = 1054;
    HELPINFO info{};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = edit->Handle();
    SendMessageA(edit->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    info.hItemHandle = own->Handle();
    SendMessageA(form->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    // F1 on the focused control, through the message loop.
    form->Show();
    own->SetFocus();
    PostMessageA(own->Handle(), WM_KEYDOWN, VK_F1, 0);
    test::PumpFor(20ms);
    Application().OnHelp = nullptr;
    using R = std::pair<UINT, ULONG_PTR>;
    EXPECT_EQ(requests, (std::vector<R>{R{HELP_CONTEXT, 1051}, R{HELP_CONTEXT, 1054},
                                        R{HELP_CONTEXT, 1054}}));
}

TEST_F(FormsTest, WindowProcCanBeReplacedAndTheSavedOneStillWorks) {
    auto* label = new TLabel(form, form, "Lbl");
    TWndMethod saved = label->WindowProc;
    std::vector<UINT> seen;
    label->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SETTEXT || m.Msg == WM_DESTROY)
            seen.push_back(m.Msg);
        saved(m);
    };
    label->SetCaption("Hello");
    EXPECT_EQ(label->Caption(), "Hello");
    label->WindowProc = saved;
    label->SetCaption("Again");
    label->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_DESTROY)
            seen.push_back(m.Msg);
        saved(m);
    };
    delete label; // the destroy notice passes through the replacement
    EXPECT_EQ(seen, (std::vector<UINT>{WM_SETTEXT, WM_DESTROY}));
}

TEST_F(FormsTest, ParentReflectsNotificationsAndColoursToTheChild) {
    auto* group = new TGroupBox(form, form, "Group");
    auto* label = new TLabel(form, group, "Lbl");
    TWndMethod saved = label->WindowProc;
    int colourAsks = 0;
    label->WindowProc = [&](TMessage& m) {
        if (m.Msg == CN_CTLCOLORSTATIC)
            ++colourAsks;
        saved(m);
    };
    HDC dc = GetDC(label->Handle());
    LRESULT brush = SendMessageA(group->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(label->Handle()));
    ReleaseDC(label->Handle(), dc);
    EXPECT_EQ(colourAsks, 1);
    EXPECT_NE(brush, 0); // unhandled, it still gets the parent's default answer
    label->WindowProc = saved;
}

TEST_F(FormsTest, FormIsToldOfControlsPlacedAndRemovedAtAnyDepth) {
    TWndMethod saved = form->WindowProc;
    std::vector<std::pair<std::string, LPARAM>> seen;
    form->WindowProc = [&](TMessage& m) {
        if (m.Msg == CM_CONTROLLISTCHANGE)
            seen.emplace_back(reinterpret_cast<TControl*>(m.WParam)->Name(), m.LParam);
        saved(m);
    };
    auto* panel = new TPanel(form, form, "Panel");
    new TButton(form, panel, "Inner");
    delete panel;
    form->WindowProc = saved;
    using S = std::pair<std::string, LPARAM>;
    EXPECT_EQ(seen, (std::vector<S>{S{"Panel", 1}, S{"Inner", 1}, S{"Inner", 0}, S{"Panel", 0}}));
}

TEST_F(FormsTest, MainWindowHooksSeeMessagesInOrderAndCanUnhookThemselves) {
    std::vector<int> seen;
    int second = 0;
    int first = Application().HookMainWindow([&](TMessage& m) {
        if (m.Msg == WM_USER + 7)
            seen.push_back(1);
        return false;
    });
    second = Application().HookMainWindow([&](TMessage& m) {
        if (m.Msg != WM_USER + 7)
            return false;
        seen.push_back(2);
        Application().UnhookMainWindow(second);
        return true;
    });
    SendMessageA(Application().Handle(), WM_USER + 7, 0, 0);
    SendMessageA(Application().Handle(), WM_USER + 7, 0, 0);
    Application().UnhookMainWindow(first);
    SendMessageA(Application().Handle(), WM_USER + 7, 0, 0);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 1}));
}

TEST_F(FormsTest, ClosingAFormAsksFirstAndHidesByDefault) {
    bool allow = false;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->Show();
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form->Visible());
    allow = true;
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form->Visible());
}

// Any process may post any number to a window: the framework's notices and reflected
// notifications, which carry its own pointers, reach a control only when performed on it.
TEST_F(FormsTest, NoticesAndReflectedNotificationsReachAControlOnlyWhenPerformed) {
    auto* button = new TButton(form, form, "OkBtn");
    std::vector<UINT> seen;
    for (TControl* control : {static_cast<TControl*>(form), static_cast<TControl*>(button)}) {
        control->WindowProc = [&seen, saved = control->WindowProc](TMessage& m) {
            if (m.Msg >= CM_BASE && m.Msg <= CN_BASE + WM_CTLCOLORSTATIC)
                seen.push_back(m.Msg); // and no further: their parameters would be read
            else
                saved(m);
        };
    }
    for (UINT notice : {CM_CONTROLLISTCHANGE, CM_MOUSEENTER, CM_FOCUSCHANGED, CN_COMMAND, CN_NOTIFY,
                        CN_DRAWITEM, CN_CTLCOLORBTN, CN_KEYDOWN}) {
        for (HWND wnd : {form->Handle(), button->Handle()}) {
            PostMessageA(wnd, notice, 0x10, 0x10);
            SendMessageA(wnd, notice, 0x10, 0x10);
        }
    }
    Application().ProcessMessages();
    EXPECT_EQ(seen, std::vector<UINT>{});
    form->Perform(CM_FOCUSCHANGED, reinterpret_cast<WPARAM>(button));
    button->Perform(CN_COMMAND, MAKEWPARAM(0, BN_CLICKED));
    EXPECT_EQ(seen, (std::vector<UINT>{CM_FOCUSCHANGED, CN_COMMAND}));
}

TEST_F(FormsTest, ReleaseAloneFreesTheFormAfterQueuedMessages) {
    auto* dialog = test::NewLoadedForm(nullptr, "Dialog");
    HWND wnd = dialog->Handle();
    PostMessageA(wnd, CM_RELEASE, 0, 0); // as any process may
    Application().ProcessMessages();
    ASSERT_TRUE(IsWindow(wnd));
    dialog->Release();
    EXPECT_TRUE(IsWindow(wnd));
    test::PumpFor(20ms);
    EXPECT_FALSE(IsWindow(wnd));
}

struct TimerTest : ::testing::Test {
    TComponent owner{nullptr, "Owner"};
    TTimer* timer = new TTimer(&owner, "IRTimer");
    int ticks = 0;
    TimerTest() {
        timer->SetEnabled(false);
        timer->OnTimer = [this](TObject*) { ++ticks; };
    }
};

TEST_F(TimerTest, IntervalZeroNeverFires) {
    timer->SetInterval(0);
    timer->SetEnabled(true);
    test::PumpFor(80ms);
    EXPECT_EQ(ticks, 0);
}

TEST_F(TimerTest, FiresRepeatedlyAndAHandlerMayStopItsOwnTimer) {
    timer->SetInterval(10);
    timer->OnTimer = [this](TObject* sender) {
        if (++ticks == 3)
            static_cast<TTimer*>(sender)->SetEnabled(false);
    };
    timer->SetEnabled(true);
    EXPECT_TRUE(test::PumpUntil([&] { return ticks >= 3; }, 2000ms));
    test::PumpFor(60ms);
    EXPECT_EQ(ticks, 3);
}

// Neither half fails on a slow or busy machine, where ticks only come late. Enabling the running
// timer again every few milliseconds would hold its tick off for ever if that restarted it. A
// timer stopped and started again cannot tick before a whole interval has passed from there
// (less a little for the clocks' granularity); without the restart it would tick about a third
// of an interval later.
TEST_F(TimerTest, EnablingARunningTimerDoesNotRestartItButDisablingAndEnablingDoes) {
    timer->SetInterval(60);
    timer->SetEnabled(true);
    EXPECT_TRUE(test::PumpUntil(
        [&] {
            timer->SetEnabled(true);
            return ticks > 0;
        },
        5000ms));

    timer->SetEnabled(false);
    timer->SetInterval(150);
    timer->SetEnabled(true);
    test::PumpFor(100ms);
    const auto restart = std::chrono::steady_clock::now();
    timer->SetEnabled(false);
    timer->SetEnabled(true);
    ticks = 0;
    EXPECT_TRUE(test::PumpUntil([&] { return ticks > 0; }, 5000ms));
    EXPECT_GE(std::chrono::steady_clock::now() - restart, 140ms);
}

} // namespace

namespace {

struct Watcher : TComponent {
    using TComponent::TComponent;
    std::vector<std::pair<std::string, TOperation>> seen;
    void Notification(TComponent* c, TOperation op) override {
        if (c->Name().ends_with("Form"))
            seen.emplace_back(c->Name(), op);
        TComponent::Notification(c, op);
    }
};

TEST_F(FormsTest, ComponentsOfEveryFormHearOfTheApplicationsNewForms) {
    auto* watcher = new Watcher(form, "StyleManager1");
    auto* owned = test::NewLoadedForm(nullptr, "SettingsForm");
    auto* unowned = test::NewLoadedForm(form, "ActionForm");
    delete owned;
    using S = std::pair<std::string, TOperation>;
    EXPECT_EQ(watcher->seen, (std::vector<S>{S{"SettingsForm", TOperation::Insert},
                                             S{"ActionForm", TOperation::Insert},
                                             S{"SettingsForm", TOperation::Remove}}));
    (void)unowned; // freed with `form`
}

TEST_F(FormsTest, KeysReachPreviewThenMenuShortcutsBeforeTheFocusedControl) {
    auto* menu = new TMainMenu(form, "MainMenu1");
    auto* commands = new TMenuItem(form, menu, "CommandsMenu");
    auto* rename = new TMenuItem(form, commands, "RenameMenu");
    rename->SetShortCut(ShortCut(VK_F5, 0));
    form->SetMenu(menu);
    auto* edit = new TEdit(form, form, "Edit");
    std::vector<std::string> seen;
    rename->OnClick = [&](TObject*) { seen.push_back("rename"); };
    edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        seen.push_back(std::to_string(key));
    };
    form->KeyPreview = true;
    form->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
        if (key == VK_F2) {
            seen.push_back("preview F2");
            key = 0;
        }
    };
    form->Show();
    edit->SetFocus();
    for (int key : {VK_F2, VK_F5, int{'A'}})
        PostMessageA(edit->Handle(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
    test::PumpFor(30ms);
    EXPECT_EQ(seen, (std::vector<std::string>{"preview F2", "rename", "65"}));
}

TEST_F(FormsTest, TimerHandlerExceptionsReachTheApplication) {
    std::vector<std::string> shown;
    Scoped box(TApplication::ShowException,
               std::function<void(const std::string&)>(
                   [&](const std::string& text) { shown.push_back(text); }));
    auto* timer = new TTimer(form, "Failing");
    timer->SetInterval(5);
    timer->OnTimer = [](TObject* sender) {
        static_cast<TTimer*>(sender)->SetEnabled(false);
        throw std::runtime_error("tick failed");
    };
    EXPECT_TRUE(test::PumpUntil([&] { return !shown.empty(); }, 2000ms));
    EXPECT_EQ(shown.front(), "tick failed");
}

TEST_F(FormsTest, HourglassCursorShowsOverTheProgramsWindows) {
    form->Show();
    Application().SetCursor(TCursor::HourGlass);
    LRESULT handled = SendMessageA(form->Handle(), WM_SETCURSOR,
                                   reinterpret_cast<WPARAM>(form->Handle()), HTCLIENT);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    Application().SetCursor(TCursor::Default);
    EXPECT_TRUE(handled);
    EXPECT_FALSE(SendMessageA(form->Handle(), WM_SETCURSOR,
                              reinterpret_cast<WPARAM>(form->Handle()), HTCLIENT) &&
                 GetCursor() == LoadCursorA(nullptr, IDC_WAIT));
}

} // namespace

namespace {

bool CentredOn(HWND wnd, const RECT& around) {
    RECT r{};
    GetWindowRect(wnd, &r);
    return std::abs((r.left + r.right) - (around.left + around.right)) <= 2 &&
           std::abs((r.top + r.bottom) - (around.top + around.bottom)) <= 2;
}

TEST_F(FormsTest, FormsTakeTheirPositionWhenShownAndAModalOneMayAskToBeFreed) {
    form->SetClientSize(500, 360);
    form->Position = TPosition::ScreenCenter;
    form->Show();
    RECT work{}, owner{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(CentredOn(form->Handle(), work));
    SetWindowPos(form->Handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(form->Handle(), &owner);
    SetActiveWindow(form->Handle());

    auto* dialog = test::NewLoadedForm(nullptr, "Dialog");
    dialog->SetClientSize(200, 100);
    dialog->Position = TPosition::OwnerFormCenter;
    dialog->OnShow = [&](TObject*) {
        EXPECT_TRUE(CentredOn(dialog->Handle(), owner));
        dialog->ModalResult = mrOk;
    };
    dialog->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::Free; };
    HWND wnd = dialog->Handle();
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(IsWindow(wnd)) << "released, not freed under the caller's feet";
    test::PumpFor(20ms);
    EXPECT_FALSE(IsWindow(wnd));
}

} // namespace
