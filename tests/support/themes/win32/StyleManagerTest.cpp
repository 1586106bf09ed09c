// The theme manager taking over the controls of forms, under Wine's own visual-style library
// with the prefix's active "Light" style.

#include "support/themes/win32/StyleManager.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/ListView.h"
#include "framework/win32/Pump.h"
#include "framework/win32/StdCtrls.h"
#include "support/themes/win32/ThemeServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace tav;
using namespace tav::themes;

namespace {

struct StyleManagerTest : ::testing::Test {
    // How often the styles' state was read.
    int stateReads = 0;
    TSeamScope<ComCtlVersionFn> version{ComCtlVersionSeam(), [this] {
                                            ++stateReads;
                                            return DWORD{0x60000};
                                        }};
    std::unique_ptr<TStyleManager> manager;
    TForm* form = nullptr;

    StyleManagerTest() {
        GetThemeServices().RefreshThemeState();
        manager.reset(new TStyleManager(&Application()));
    }
    ~StyleManagerTest() override {
        delete form;
        manager.reset();
    }
    // A form with a page, a group box on it and a few controls, learnt by the manager.
    void MakeForm() {
        form = test::NewLoadedForm(nullptr, "Themed");
        pages = new TPageControl(form, form, "Pages");
        sheet = new TTabSheet(form, pages, "Sheet");
        group = new TGroupBox(form, sheet, "Group");
        check = new TCheckBox(form, group, "Check");
        label = new TLabel(form, sheet, "Caption");
        edit = new TEdit(form, sheet, "Edit");
        test::PumpFor(std::chrono::milliseconds(20));
    }
    // How often each control of the form heard of a theme change while `change` ran.
    std::string TimesTold(const std::function<void()>& change) {
        std::vector<TControl*> told;
        manager->OnControlMessage = [&](TStyleManager*, TControl* c, TMessage& m, bool&) {
            if (m.Msg == WM_THEMECHANGED)
                told.push_back(c);
        };
        change();
        manager->OnControlMessage = nullptr;
        std::string text;
        for (TControl* c : std::vector<TControl*>{form, pages, sheet, group, check, label, edit})
            text += c->Name() + ":" + std::to_string(std::count(told.begin(), told.end(), c)) + " ";
        return text;
    }
    static constexpr const char* kOnceEach =
        "Themed:1 Pages:1 Sheet:1 Group:1 Check:1 Caption:1 Edit:1 ";
    TPageControl* pages = nullptr;
    TTabSheet* sheet = nullptr;
    TGroupBox* group = nullptr;
    TCheckBox* check = nullptr;
    TLabel* label = nullptr;
    TEdit* edit = nullptr;
};

TEST_F(StyleManagerTest, EveryControlOfANewFormIsTakenOverInTheListOfItsKind) {
    ASSERT_TRUE(GetThemeServices().ThemesActive());
    ASSERT_EQ(MainStyleManager(), manager.get());
    MakeForm();
    EXPECT_TRUE(manager->List(TControlKind::Form).FindControl(form));
    EXPECT_TRUE(manager->List(TControlKind::TabSheet).FindControl(sheet));
    EXPECT_TRUE(manager->List(TControlKind::GroupBox).FindControl(group));
    EXPECT_TRUE(manager->List(TControlKind::Button).FindControl(check));
    EXPECT_TRUE(manager->List(TControlKind::WinControl).FindControl(pages));
    EXPECT_TRUE(manager->List(TControlKind::WinControl).FindControl(label));
    EXPECT_TRUE(manager->List(TControlKind::WinControl).FindControl(edit));
    EXPECT_TRUE(manager->PendingForms().empty());
    EXPECT_EQ(manager->TakenOverCount(), 7);
}

TEST_F(StyleManagerTest, AControlPlacedLaterIsTakenOverAndItsEndLeavesTheListsEmpty) {
    MakeForm();
    auto* later = new TRadioButton(form, group, "Later");
    EXPECT_TRUE(manager->List(TControlKind::Button).FindControl(later)) << "at once";
    // A list view hears its columns inserted through the manager: taken over before them.
    std::vector<UINT> seen;
    manager->OnControlMessage = [&](TStyleManager*, TControl* c, TMessage& m, bool&) {
        if (c->Name() == "Rows" && m.Msg == LVM_INSERTCOLUMNA)
            seen.push_back(m.Msg);
    };
    auto* rows = new TListView(form, sheet, "Rows");
    rows->AddColumn("Name", 80);
    rows->AddItem()->SetCaption("kept");
    EXPECT_EQ(seen.size(), 1u);
    SendMessageA(Application().Handle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(SendMessageA(rows->Handle(), LVM_GETITEMCOUNT, 0, 0), 1)
        << "a theme change does not make the list again";
    delete later;
    EXPECT_FALSE(manager->TakenOver(later));
    delete form;
    form = nullptr;
    EXPECT_EQ(manager->TakenOverCount(), 0);
}

TEST_F(StyleManagerTest, ARefusingControlAndAnOptionLeftOutKeepTheControlsOwnProcedure) {
    manager->OnAllowSubclassing = [](TStyleManager*, TControl* c, bool& allow) {
        allow = c->Name() != "Refused";
    };
    manager->SetOptions(manager->Options() & ~Option(soTakeOverGroupBox));
    MakeForm();
    auto* refused = new TCheckBox(form, sheet, "Refused");
    EXPECT_FALSE(manager->TakenOver(refused));
    EXPECT_FALSE(manager->TakenOver(group));
    EXPECT_TRUE(manager->TakenOver(check)) << "inside the group box all the same";
}

TEST_F(StyleManagerTest, ASecondManagerTakesOverNothingAndPassesItsOptionsToTheMainOne) {
    TStyleManager second(&Application(), "StyleManager2");
    EXPECT_TRUE(second.SubclassingOff());
    EXPECT_EQ(second.Options(), manager->Options());
    second.SetOptions(kDefaultStyleOptions | Option(soAlternateTabSheetDraw));
    EXPECT_TRUE(Has(manager->Options(), soAlternateTabSheetDraw));
    MakeForm();
    EXPECT_EQ(second.TakenOverCount(), 0);
    EXPECT_GT(manager->TakenOverCount(), 0);
}

TEST_F(StyleManagerTest, WhenTheMainManagerGoesTheOtherTakesOverEveryForm) {
    MakeForm();
    std::unique_ptr<TStyleManager> second(new TStyleManager(&Application(), "StyleManager2"));
    manager.reset();
    EXPECT_EQ(MainStyleManager(), second.get());
    EXPECT_FALSE(second->SubclassingOff());
    EXPECT_TRUE(second->TakenOver(check));
    EXPECT_TRUE(second->TakenOver(form));
    delete form;
    form = nullptr;
    EXPECT_EQ(second->TakenOverCount(), 0);
}

TEST_F(StyleManagerTest, AManagerBecomingMainTakesEveryControlFromTheOldOneAlsoWithoutStyles) {
    TSeamScope<ComCtlVersionFn> older{ComCtlVersionSeam(), [] { return DWORD{0x50052}; }};
    GetThemeServices().RefreshThemeState();
    ASSERT_FALSE(GetThemeServices().ThemesActive());
    MakeForm();
    std::unique_ptr<TStyleManager> second(new TStyleManager(&Application(), "StyleManager2"));
    second->BecomeMainManager();
    EXPECT_EQ(manager->TakenOverCount(), 0);
    EXPECT_TRUE(second->TakenOver(check));
    manager.reset();
    auto* later = new TCheckBox(form, group, "Later");
    EXPECT_TRUE(second->TakenOver(later)) << "the form still tells the new main manager";
    delete form;
    form = nullptr;
    EXPECT_EQ(second->TakenOverCount(), 0);
}

// What the main window's end of loading does, and a hand-over: every control is released and
// taken over again. A procedure installed over the manager's stays where it is.
TEST_F(StyleManagerTest, ProceduresOverTakenOverControlsOutliveTheirReleaseAndAHandOver) {
    MakeForm();
    std::vector<std::string> seen;
    for (TControl* c : std::vector<TControl*>{form, check})
        c->HookWindowProc([&seen, c](TMessage& m, const TWndMethod& below) {
            if (m.Msg == WM_APP)
                seen.push_back(c->Name());
            below(m);
        });
    const auto ping = [&] {
        seen.clear();
        form->Perform(WM_APP);
        check->Perform(WM_APP);
        return seen;
    };
    const std::vector<std::string> both{"Themed", "Check"};
    manager->CollectForms();
    EXPECT_EQ(ping(), both);
    EXPECT_TRUE(manager->TakenOver(check));
    {
        TStyleManager second(&Application(), "StyleManager2");
        second.BecomeMainManager();
        EXPECT_EQ(ping(), both);
        EXPECT_TRUE(second.TakenOver(check));
    }
    EXPECT_EQ(ping(), both) << "the old manager took them over again";
    delete form;
    form = nullptr;
}

TEST_F(StyleManagerTest, ADesktopThemeChangeIsTakenInOnceAndHandlesOpenAgain) {
    MakeForm();
    form->Show();
    UpdateWindow(form->Handle());
    TThemeServices& services = GetThemeServices();
    ASSERT_NE(services.Theme(tcButton), nullptr);
    int changes = 0;
    manager->OnThemeChange = [&](TObject*) { ++changes; };
    stateReads = 0;
    // As the desktop does: every window hears of it, the application's first.
    const std::string told = TimesTold([&] {
        SendMessageA(Application().Handle(), WM_THEMECHANGED, 0, 0);
        SendMessageA(form->Handle(), WM_THEMECHANGED, 0, 0);
        EnumChildWindows(
            form->Handle(),
            [](HWND wnd, LPARAM) { return SendMessageA(wnd, WM_THEMECHANGED, 0, 0), TRUE; }, 0);
    });
    EXPECT_EQ(told, kOnceEach) << "the desktop's notices alone";
    EXPECT_EQ(stateReads, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(services.CachedTheme(tcButton), nullptr) << "closed at the change";
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_NE(services.CachedTheme(tcButton), nullptr) << "the group box opened it to paint";
}

TEST_F(StyleManagerTest, NewOptionsAreTakenInOnceAndEveryControlHearsOfThemOnce) {
    MakeForm();
    int changes = 0;
    manager->OnThemeChange = [&](TObject*) { ++changes; };
    stateReads = 0;
    EXPECT_EQ(TimesTold([&] {
                  manager->SetOptions(manager->Options() | Option(soAlternateTabSheetDraw));
              }),
              kOnceEach);
    EXPECT_EQ(stateReads, 1);
    EXPECT_EQ(changes, 1);
}

} // namespace

namespace {

// How often the page control was asked to paint into another window's context while `control`
// was drawn again.
int PageAsksWhileRedrawing(TStyleManager& manager, TPageControl* pages, TControl* control) {
    int asks = 0;
    manager.OnControlMessage = [&](TStyleManager*, TControl* c, TMessage& m, bool&) {
        if (c == pages && m.Msg == WM_PRINTCLIENT)
            ++asks;
    };
    RedrawWindow(control->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
    manager.OnControlMessage = nullptr;
    return asks;
}

TEST_F(StyleManagerTest, CheckBoxesAndLabelsInAGroupBoxShowTheTabBodyUnderThem) {
    MakeForm();
    auto* inGroup = new TLabel(form, group, "InGroup");
    form->Show();
    test::PumpFor(std::chrono::milliseconds(20));
    EXPECT_GT(PageAsksWhileRedrawing(*manager, pages, check), 0);
    EXPECT_GT(PageAsksWhileRedrawing(*manager, pages, inGroup), 0);
    EXPECT_GT(PageAsksWhileRedrawing(*manager, pages, sheet), 0);
    EXPECT_EQ(PageAsksWhileRedrawing(*manager, pages, edit), 0) << "an edit fills its own";
}

} // namespace
