// The layouts dialog on the real desktop: the tree of running applications with windows this
// test makes, Add from a window, and the main window's layouts after the dialog.

#include "ui/layouts/win32/LayoutsForm.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "ui/layouts/win32/LayoutPropForm.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace tav;

namespace {

// Top-level windows of a class of this test process only (tests run side by side).
struct TestWindows {
    std::string ClassName = "TavLayoutsTest" + std::to_string(GetCurrentProcessId());
    std::vector<HWND> made;

    TestWindows() {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = ClassName.c_str();
        RegisterClassExA(&wc);
    }
    ~TestWindows() {
        for (HWND w : made)
            DestroyWindow(w);
        UnregisterClassA(ClassName.c_str(), GetModuleHandleA(nullptr));
    }
    HWND Make(const std::string& title, bool visible, HWND owner = nullptr) {
        HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, ClassName.c_str(), title.c_str(),
                                 WS_POPUP | WS_CAPTION | (visible ? WS_VISIBLE : 0), 0, 0, 200, 80,
                                 owner, nullptr, GetModuleHandleA(nullptr), nullptr);
        made.insert(made.begin(), w); // owned ones go first
        return w;
    }
};

TTreeNode* NodeWithText(const TTreeView& tree, const std::string& text) {
    for (TTreeNode* node = tree.GetFirstNode(); node != nullptr; node = node->GetNext())
        if (node->Text() == text)
            return node;
    return nullptr;
}

struct LayoutsDialog : ::testing::Test {
    TestWindows windows;
    TDocument doc{[] { return std::string("Default"); }};
};

TEST_F(LayoutsDialog, HiddenWindowsAndTheirOwnedOnesAreListedOnlyWithShowInvisibleWindows) {
    HWND hidden = windows.Make("Hidden tool", false);
    windows.Make("Palette", true, hidden);
    TLayoutsForm form(nullptr, doc, "");
    const std::string root = "Hidden tool; " + windows.ClassName;
    const std::string owned = "Palette;" + windows.ClassName;
    EXPECT_EQ(NodeWithText(*form.AppsTreeList, root), nullptr);
    EXPECT_EQ(NodeWithText(*form.AppsTreeList, owned), nullptr);
    form.ShowAllChBx->SetChecked(true);
    ASSERT_NE(NodeWithText(*form.AppsTreeList, root), nullptr);
    TTreeNode* palette = NodeWithText(*form.AppsTreeList, owned);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->Parent(), NodeWithText(*form.AppsTreeList, root));
    form.ShowAllChBx->SetChecked(false);
    EXPECT_EQ(NodeWithText(*form.AppsTreeList, root), nullptr);
}

TEST_F(LayoutsDialog, AnOwnedWindowAppearsIndentedUnderItsOwner) {
    HWND owner = windows.Make("Editor", true);
    windows.Make("Find", true, owner);
    TLayoutsForm form(nullptr, doc, "");
    form.Show();
    TTreeNode* editor = NodeWithText(*form.AppsTreeList, "Editor; " + windows.ClassName);
    TTreeNode* find = NodeWithText(*form.AppsTreeList, "Find;" + windows.ClassName);
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->Parent(), editor);
    find->MakeVisible();
    auto textLeft = [&](TTreeNode* node) {
        RECT r{};
        const HTREEITEM item = node->ItemId();
        std::memcpy(&r, &item, sizeof item); // the message takes the item in the rectangle
        SendMessageA(form.AppsTreeList->Handle(), TVM_GETITEMRECT, TRUE,
                     reinterpret_cast<LPARAM>(&r));
        return r.left;
    };
    EXPECT_GT(textLeft(find), textLeft(editor));
}

TEST_F(LayoutsDialog, AddTakesTitleAndClassFromTheWindowWhateverItsTitleHolds) {
    HWND owner = windows.Make("Reports; 2026", true);
    windows.Make("Find;Replace", true, owner);
    doc.SetModified(false);
    TLayoutsForm form(nullptr, doc, "");
    EXPECT_FALSE(form.AddBtn->Enabled());
    form.AppsTreeList->SetSelected(
        NodeWithText(*form.AppsTreeList, "Find;Replace;" + windows.ClassName));
    EXPECT_TRUE(form.AddBtn->Enabled());
    form.AddBtn->Click();
    form.AppsTreeList->SetSelected(
        NodeWithText(*form.AppsTreeList, "Reports; 2026; " + windows.ClassName));
    form.AddBtn->Click();
    ASSERT_EQ(form.LayoutList->ItemCount(), 3);
    EXPECT_EQ(form.LayoutList->Item(1)->Caption(), "Reports; 2026");
    EXPECT_EQ(form.LayoutList->Item(1)->SubItems(),
              (StringList{"Find;Replace", windows.ClassName}));
    EXPECT_EQ(form.LayoutList->Item(2)->SubItems(),
              (StringList{"Reports; 2026", windows.ClassName}));
    EXPECT_EQ(doc.Layouts().size(), 1u) << "only Accept makes the layouts";
    form.AcceptBtn->Click();
    ASSERT_EQ(doc.Layouts().size(), 3u);
    EXPECT_EQ(doc.Layouts()[1]->Application, windows.ClassName);
    EXPECT_EQ(doc.Layouts()[2]->WndTitle, "Reports; 2026");
}

TEST_F(LayoutsDialog, ALayoutWithAnEmptyNameIsRefusedFromTheDialogAndFromAWindow) {
    windows.Make("  ", true);
    TLayoutsForm form(nullptr, doc, "");
    form.Show();
    std::vector<std::string> refusals;
    TSeamScope box(MessageBoxSeam(), [&](const std::string& text, const std::string&, UINT) {
        refusals.push_back(text);
        return IDOK;
    });
    TForm::ModalHook = [](TForm& shown) {
        auto& props = dynamic_cast<TLayoutPropForm&>(shown);
        props.Show();
        props.LayoutNameEdBx->SetText("");
        props.AcceptBtn->Click();
        EXPECT_EQ(props.ActiveControl(), props.LayoutNameEdBx);
        // Still open: the user gives up.
        return props.ModalResult == mrNone ? static_cast<int>(mrCancel) : props.ModalResult;
    };
    form.NewLayoutBtn->Click();
    TForm::ModalHook = nullptr;
    form.AppsTreeList->SetSelected(NodeWithText(*form.AppsTreeList, "  ; " + windows.ClassName));
    form.AddBtn->Click();
    EXPECT_EQ(refusals, std::vector<std::string>(2, "A name cannot be empty."));
    EXPECT_EQ(form.LayoutList->ItemCount(), 1);
}

// The main window opens the dialog from its menu; the dialogs are answered here.
struct MainWindowLayouts : ::testing::Test {
    test::MainFormKey key;
    TSeamScope<ShellNotifyIconFn> tray{ShellNotifyIconSeam(),
                                       [](DWORD, const NOTIFYICONDATAA&) { return true; }};
    std::vector<std::string> questions;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(),
                                 [this](const std::string& text, const std::string&, UINT) {
                                     questions.push_back(text);
                                     return IDYES;
                                 }};
    std::unique_ptr<TMainForm> form;
    TDocument* doc = nullptr;
    TLayout* first = nullptr;
    TLayout* second = nullptr;

    MainWindowLayouts() {
        TRegistryStore(key.Path()).WriteBoolSetting("Hide splashscreen", true);
        form = std::make_unique<TMainForm>(nullptr, key.Path());
        doc = &form->Document();
        form->Settings().SetBool("Use serial port", false);
        form->Show();
        // Two layouts of one name: only the second is shown.
        first = doc->AddLayout("Player", "Media", "");
        second = doc->AddLayout("Player", "Winamp", "");
        doc->AddAction(second, "Louder");
        doc->SetModified(false);
        form->ShowActionItem();
        form->LayoutCoBx->SetItemIndex(2);
        form->LayoutCoBxChange(form->LayoutCoBx);
    }
    ~MainWindowLayouts() override { TForm::ModalHook = nullptr; }
    // Runs the dialog from the menu with `inDialog` as the user; its answer closes it.
    void RunDialog(std::function<int(TLayoutsForm&)> inDialog) {
        TForm::ModalHook = [inDialog](TForm& shown) {
            return inDialog(dynamic_cast<TLayoutsForm&>(shown));
        };
        form->LayoutSetupMenuClick(form->LayoutSetupMenu);
        TForm::ModalHook = nullptr;
    }
};

TEST_F(MainWindowLayouts, RenamingTheShownLayoutKeepsItShown) {
    RunDialog([](TLayoutsForm& dialog) {
        dialog.LayoutList->SetItemIndex(2);
        TForm::ModalHook = [](TForm& shown) {
            auto& props = dynamic_cast<TLayoutPropForm&>(shown);
            EXPECT_EQ(props.WinTitleEdBx->Text(), "Winamp");
            props.LayoutNameEdBx->SetText("Jukebox");
            return static_cast<int>(mrOk);
        };
        dialog.PropLayoutBtn->Click();
        dialog.AcceptBtn->Click();
        return dialog.ModalResult;
    });
    EXPECT_EQ(second->Name, "Jukebox");
    EXPECT_EQ(doc->CurLayout(), second);
    EXPECT_EQ(form->LayoutCoBx->ItemIndex(), 2);
    EXPECT_EQ(form->LayoutCoBx->Item(2), "Jukebox");
    EXPECT_EQ(form->ActionCoBx->ItemIndex(), 0);
    EXPECT_TRUE(form->SaveMenu->Enabled());
}

TEST_F(MainWindowLayouts, ADeletionSurvivesCancelReachesSaveAndTheDefaultLayoutIsShown) {
    RunDialog([](TLayoutsForm& dialog) {
        dialog.LayoutList->SetItemIndex(2);
        dialog.DeleteLayoutBtn->Click();
        EXPECT_FALSE(dialog.DeleteLayoutBtn->Enabled());
        return static_cast<int>(mrCancel);
    });
    EXPECT_EQ(questions,
              std::vector<std::string>{
                  "Are you sure you want to delete the layout 'Player' and all its actions?"});
    ASSERT_EQ(doc->Layouts().size(), 2u);
    EXPECT_EQ(doc->Layouts()[1].get(), first);
    EXPECT_EQ(doc->CurLayout(), doc->DefaultLayout());
    EXPECT_EQ(form->LayoutCoBx->ItemIndex(), 0);
    EXPECT_EQ(form->LayoutCoBx->ItemCount(), 2);
    EXPECT_TRUE(form->SaveMenu->Enabled());
}

} // namespace
