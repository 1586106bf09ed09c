#include "framework/win32/Menus.h"
#include "Pump.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

std::string MenuText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

UINT MenuState(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_FTYPE;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return info.fState | info.fType;
}

struct MenusTest : ::testing::Test {
    TForm* form = test::NewLoadedForm(nullptr, "TestForm");
    TMainMenu* menu = new TMainMenu(form, "MainMenu1");
    TMenuItem* commands = new TMenuItem(form, menu, "CommandsMenu");
    TMenuItem* enable = new TMenuItem(form, commands, "EnableOriginMenu");
    TMenuItem* separator = new TMenuItem(form, commands, "N1");
    TMenuItem* learn = new TMenuItem(form, commands, "LearnMenu");
    MenusTest() {
        commands->SetCaption("&Commands");
        enable->SetCaption("&Enable origin");
        separator->SetCaption("-");
        learn->SetCaption("&Learn...");
        learn->SetShortCut(ShortCut('L', scCtrl));
        form->SetMenu(menu);
    }
    ~MenusTest() override { delete form; }
};

TEST_F(MenusTest, TheModelIsRenderedAndRefreshedWhenASubmenuOpens) {
    HMENU bar = GetMenu(form->Handle());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(MenuText(bar, 0), "&Commands");
    HMENU sub = GetSubMenu(bar, 0);
    ASSERT_EQ(sub, commands->Handle());
    EXPECT_EQ(MenuText(sub, 2), "&Learn...\tCtrl+L");
    EXPECT_TRUE(MenuState(sub, 1) & MFT_SEPARATOR);
    // Opening runs the item's handler first, which may change the states shown.
    commands->OnClick = [&](TObject*) {
        enable->SetChecked(true);
        learn->SetEnabled(false);
    };
    SendMessageA(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), 0);
    EXPECT_TRUE(MenuState(sub, 0) & MFS_CHECKED);
    EXPECT_TRUE(MenuState(sub, 2) & MFS_GRAYED);
    // Top-level captions show at once; translation reaches them by name.
    form->FindComponent("commandsmenu")->FindProperty("Caption")->setString("&Befehle");
    EXPECT_EQ(MenuText(GetMenu(form->Handle()), 0), "&Befehle");
}

TEST_F(MenusTest, CommandsAndShortcutsRunTheItemsHandler) {
    std::vector<std::string> seen;
    commands->OnClick = [&](TObject*) { seen.push_back("commands"); };
    learn->OnClick = [&](TObject* sender) {
        seen.push_back(static_cast<TMenuItem*>(sender)->Name());
    };
    SendMessageA(form->Handle(), WM_COMMAND, learn->Command(), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"LearnMenu"}));
    // The parents update first, as when the menu is opened.
    seen.clear();
    EXPECT_TRUE(menu->Items()->DispatchShortCut(ShortCut('L', scCtrl)));
    EXPECT_EQ(seen, (std::vector<std::string>{"commands", "LearnMenu"}));
    // A parent that disables the item stops it.
    seen.clear();
    commands->OnClick = [&](TObject*) { learn->SetEnabled(false); };
    menu->Items()->DispatchShortCut(ShortCut('L', scCtrl));
    SendMessageA(form->Handle(), WM_COMMAND, learn->Command(), 0);
    EXPECT_TRUE(seen.empty());
}

TEST_F(MenusTest, ItemsMoveFreeAndRadioItemsShowTheirKind) {
    auto* popup = new TPopupMenu(form, "CommandsPopUpMenu");
    auto* copy = new TMenuItem(form, popup, "SoundMenuCopy");
    copy->SetRadioItem(true);
    learn->SetDefault(true);
    commands->Insert(0, copy);
    EXPECT_EQ(popup->Items()->Count(), 0);
    EXPECT_EQ(commands->IndexOf(copy), 0);
    SendMessageA(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(commands->Handle()), 0);
    EXPECT_TRUE(MenuState(commands->Handle(), 0) & MFT_RADIOCHECK);
    EXPECT_TRUE(MenuState(commands->Handle(), 3) & MFS_DEFAULT);
    const UINT command = copy->Command();
    delete copy;
    EXPECT_EQ(commands->Count(), 3);
    EXPECT_FALSE(TMenuItem::DispatchCommand(command));
    commands->Clear();
    EXPECT_EQ(form->FindComponent("LearnMenu"), nullptr);
}

} // namespace

namespace {

TEST_F(MenusTest, PopupMenuShowsAFreshCopyAndRunsTheChosenItem) {
    auto* popup = new TPopupMenu(form, "TrayPopUpMenu");
    auto* restore = new TMenuItem(form, popup, "RestoreMenu");
    restore->SetCaption("&Restore");
    TObject* clickedBy = nullptr;
    restore->OnClick = [&](TObject* sender) { clickedBy = sender; };
    popup->OnPopup = [&](TObject*) { restore->SetChecked(true); };
    auto saved = TPopupMenu::Track;
    std::string shown;
    TPopupMenu::Track = [&](HMENU menu, int, int) -> UINT {
        shown = MenuText(menu, 0);
        EXPECT_TRUE(MenuState(menu, 0) & MFS_CHECKED); // OnPopup ran before
        return restore->Command();
    };
    popup->Popup(10, 10, form);
    TPopupMenu::Track = saved;
    EXPECT_EQ(shown, "&Restore");
    EXPECT_EQ(clickedBy, restore);
    EXPECT_EQ(popup->PopupComponent, form);
}

} // namespace
