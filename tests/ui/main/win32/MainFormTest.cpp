#include "ui/main/win32/MainForm.h"

#include "components/TempPath.h"
#include "framework/win32/Seams.h"
#include "framework/win32/TestRegistryKey.h"
#include "ui/main/win32/MainFormKey.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tav;

namespace {

struct MainFormTest : ::testing::Test {
    test::MainFormKey key;
    TMainForm* form = new TMainForm(nullptr, key.Path());
    ~MainFormTest() override { delete form; }

    void Click(TMenuItem* item) { SendMessageA(form->Handle(), WM_COMMAND, item->Command(), 0); }
};

TEST_F(MainFormTest, FileMenuItemsAreFoundByNameAndExitCloses) {
    const std::pair<const char*, const char*> items[] = {
        {"FileMenu", "&File"},
        {"NewMenu", "&New"},
        {"OpenMenu", "&Open..."},
        {"SaveMenu", "&Save"},
        {"SaveAsMenu", "Save &As..."},
        {"ImportMenu", "&Import commands..."},
        {"SettingsMenu", "S&ettings..."},
        {"ExitMenu", "E&xit"},
    };
    for (const auto& [name, caption] : items) {
        TComponent* item = form->FindComponent(name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->FindProperty("Caption")->getString(), caption);
    }
    EXPECT_EQ(form->FileMenu->Count(), 7);
    EXPECT_FALSE(form->SaveMenu->Enabled()); // nothing modified yet
    EXPECT_EQ(form->Caption(), "Tavrilo 4.0b");
    form->Show();
    Click(form->ExitMenu);
    EXPECT_FALSE(form->Visible()); // not the program's main form here: closing hides it
}

// The window asks itself about giving way only for a newer start that waits on the answer; any
// process may post the number of that request.
TEST_F(MainFormTest, ARequestToGiveWayThatNoStartWaitsOnEndsNothing) {
    PostMessageA(form->Handle(), WM_APP + 0x41, 0x10, 0x10);
    Application().ProcessMessages();
    EXPECT_FALSE(Application().Terminated());
}

TEST_F(MainFormTest, OnlyTheReceiverPortKeepsDtrRaisedWhileOpen) {
    EXPECT_EQ(form->ComPort->FlowControl().ControlDTR(), TDTRFlowControl::dtrEnable);
    EXPECT_EQ(form->ComPort2->FlowControl().ControlDTR(), TDTRFlowControl::dtrDisable);
    EXPECT_EQ(form->ComPortData->FlowControl().ControlDTR(), TDTRFlowControl::dtrDisable);
}

TEST_F(MainFormTest, FirstShowStoresTheDefaultsAndOpensTheFileUsedLast) {
    test::TempPath file(".tvr");
    form->Document().AddRemote("TV");
    TSeamScope saveAs(SaveFileDialogSeam(), [&](const TFileDialogRequest& request) {
        EXPECT_EQ(request.DefaultExt, "tvr");
        return std::optional<std::string>(file.str());
    });
    form->Document().SetModified(true);
    Click(form->SaveAsMenu);
    ASSERT_TRUE(std::filesystem::exists(file.str()));
    EXPECT_FALSE(form->SaveMenu->Enabled());

    // A new window on the same settings comes up with the remembered file.
    auto* second = new TMainForm(nullptr, key.Path());
    second->Show();
    EXPECT_EQ(key.TypeOf("Tolerance"), REG_DWORD);
    EXPECT_EQ(key.TypeOf("Version"), REG_SZ);
    EXPECT_EQ(second->StatBar->PanelText(0), file.str());
    ASSERT_EQ(second->Document().Tree().Count(), 1);
    EXPECT_EQ(second->Document().Tree().Remotes().front()->Text, "TV");
    // The open routine with the Import item as sender imports: the file's remote comes again.
    TSeamScope open(OpenFileDialogSeam(), [&](const TFileDialogRequest&) {
        return std::optional<std::string>(file.str());
    });
    second->OpenMenuClick(second->ImportMenu);
    EXPECT_EQ(second->Document().Tree().Count(), 2);
    delete second;
}

TEST_F(MainFormTest, ClosingAModifiedDocumentAsksAndCancelKeepsTheWindow) {
    form->Show();
    form->Document().AddRemote("TV");
    int asked = 0;
    TSeamScope answer(MessageBoxSeam(),
                      [&](const std::string& text, const std::string& caption, UINT flags) {
                          ++asked;
                          EXPECT_EQ(text, "Save changes to the configuration file?");
                          EXPECT_EQ(caption, "Tavrilo");
                          EXPECT_EQ(flags, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION));
                          return IDCANCEL;
                      });
    form->Close();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form->Visible());
}

TEST(MainFormStart, AnUnreadableLastFileIsToldByABoxThatComesWithTheShownWindow) {
    test::MainFormKey key;
    test::TempPath file(".tvr");
    {
        std::ofstream out(file.str(), std::ios::binary);
        out << "[File information]\r\nVersion=99\r\n";
    }
    TRegistryStore(key.Path()).WriteStrSetting("LastTVRFile", file.str());
    bool withWindow = false;
    TSeamScope box(MessageBoxSeam(), [&](const std::string&, const std::string&, UINT) {
        withWindow = IsWindowVisible(GetActiveWindow()) &&
                     TControl::FromHandle(GetActiveWindow())->Name() == "MainForm";
        return IDOK;
    });
    TMainForm form(nullptr, key.Path());
    form.Show();
    EXPECT_TRUE(withWindow);
}

} // namespace
