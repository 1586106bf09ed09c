#include "support/help/HelpRequestHook.h"

#include "support/help/HelpLog.h"
#include "ui/lang/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

using namespace tav;
using namespace tav::help;

namespace {

struct FakeSlot : IHelpEventSlot {
    THelpEvent event;
    THelpEvent Exchange(THelpEvent e) override { return std::exchange(event, std::move(e)); }
    // Asks as the application does: the hook decides, and says whether to go on.
    std::pair<bool, bool> Ask(unsigned command, THelpData data) {
        bool callHelp = true;
        const bool result = event(command, data, callHelp);
        return {result, callHelp};
    }
};

struct FakeViewer : IHtmlHelpViewer {
    bool installed = true;
    bool opens = true;                 // the control shows the file
    std::vector<std::string> programs; // what the Windows folder holds
    std::vector<std::pair<std::string, int>> shown;
    std::vector<std::string> opened;
    std::vector<std::string> errors;
    int closes = 0;

    bool Installed() const override { return installed; }
    bool ShowContext(const std::string& path, int context) override {
        shown.emplace_back(path, context);
        return opens;
    }
    void CloseAll() override { ++closes; }
    std::string WindowsFolder() const override { return "C:\\WINDOWS"; }
    bool FileExists(const std::string& path) const override {
        return std::find(programs.begin(), programs.end(), path) != programs.end();
    }
    bool OpenWithShell(const std::string& program, const std::string& parameters) override {
        opened.push_back(program + " " + parameters);
        return true;
    }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    std::string Translate(const std::string& english) const override { return "<" + english + ">"; }
};

const std::string kFile = "C:\\Tavrilo\\tvrlhelp.chm";

} // namespace

TEST(HelpRequestHook, ContextsAreShownAndOtherCommandsAreLeftToTheApplication) {
    FakeSlot slot;
    bool previousAsked = false;
    slot.event = [&](unsigned, THelpData, bool&) { return previousAsked = true; };
    FakeViewer viewer;
    {
        THelpRequestHook hook(kFile, "", THelpViewerKind::HtmlHelp, slot, viewer);
        EXPECT_EQ(slot.Ask(helpcmd::Context, 1000), std::make_pair(true, false));
        EXPECT_EQ(slot.Ask(helpcmd::ContextPopup, 1053), std::make_pair(true, false));
        EXPECT_EQ(slot.Ask(helpcmd::SetPopupPos, 200u << 16 | 100u), std::make_pair(true, false));
        EXPECT_EQ(hook.PopupPos(), (THelpPoint{100, 200}));
        const std::string key = "Layouts";
        EXPECT_EQ(slot.Ask(helpcmd::Key, reinterpret_cast<THelpData>(key.c_str())),
                  std::make_pair(true, true));
        EXPECT_EQ(viewer.shown,
                  (std::vector<std::pair<std::string, int>>{{kFile, 1000}, {kFile, 1053}}));
        EXPECT_TRUE(viewer.errors.empty());
        EXPECT_FALSE(previousAsked);
        // A context below 0 is an error of the program, not a page.
        EXPECT_THROW(slot.Ask(helpcmd::Context, static_cast<THelpData>(-1)), std::out_of_range);
        EXPECT_EQ(viewer.shown.size(), 2u);
    }
    // Gone: the help windows are closed and the application has its event back.
    EXPECT_EQ(viewer.closes, 1);
    slot.Ask(helpcmd::Context, 1000);
    EXPECT_TRUE(previousAsked);
}

TEST(HelpRequestHook, AnEventKeptBeyondTheHooksLifeNoLongerReachesIt) {
    FakeSlot slot;
    FakeViewer viewer;
    THelpEvent kept;
    {
        THelpRequestHook hook(kFile, "", THelpViewerKind::HtmlHelp, slot, viewer);
        kept = slot.event;
    }
    bool callHelp = true;
    EXPECT_FALSE(kept(helpcmd::Context, 1000, callHelp));
    EXPECT_TRUE(viewer.shown.empty());
}

TEST(HelpRequestHook, AMissingViewerOrAFileItCannotShowIsToldInTheUsersLanguage) {
    FakeSlot slot;
    FakeViewer viewer;
    THelpRequestHook hook(kFile, "", THelpViewerKind::HtmlHelp, slot, viewer);
    viewer.installed = false;
    EXPECT_EQ(hook.ShowHelpContext(1012), THelpResult::NotInstalled);
    EXPECT_TRUE(viewer.shown.empty());
    viewer.installed = true;
    viewer.opens = false; // a damaged help file
    EXPECT_EQ(hook.ShowHelpContext(1012), THelpResult::NotOpened);
    EXPECT_EQ(viewer.errors,
              (std::vector<std::string>{"<MS Html Help is not installed on this PC.>",
                                        "<Unknown error returned by HHHelpContext>"}));
}

TEST(HelpRequestHook, TheHelpProgramsOfTheWindowsFolderGetTheContextOnTheirCommandLine) {
    FakeSlot slot;
    FakeViewer viewer;
    THelpRequestHook keyhh(kFile, "", THelpViewerKind::KeyHH, slot, viewer);
    EXPECT_EQ(keyhh.ShowHelpContext(1000), THelpResult::NoKeyHH);
    EXPECT_EQ(viewer.errors.back(), "<System file KeyHH.EXE was not found in the Windows folder.>");
    viewer.programs = {"C:\\WINDOWS\\KeyHH.EXE", "C:\\WINDOWS\\HH.EXE"};
    EXPECT_EQ(keyhh.ShowHelpContext(1000), THelpResult::Shown);
    THelpRequestHook hh(kFile, "", THelpViewerKind::HH, slot, viewer);
    EXPECT_EQ(hh.ShowHelpContext(1041), THelpResult::Shown);
    EXPECT_EQ(viewer.opened,
              (std::vector<std::string>{
                  "C:\\WINDOWS\\KeyHH.EXE -win -#mapid 1000 C:\\Tavrilo\\tvrlhelp.chm",
                  "C:\\WINDOWS\\HH.EXE -mapid 1041 mk:@MSITStore:C:\\Tavrilo\\tvrlhelp.chm"}));
    EXPECT_EQ(viewer.errors.size(), 1u);
}

TEST(HelpRequestHook, WithTheLogOnEveryStepOfARequestIsALine) {
    test::TempFolder folder;
    THelpLogServices services;
    services.LogFolder = folder.Path().string();
    THelpLogFile log({{}, true, false, false, false}, services);
    SetHelpLog(&log);
    FakeSlot slot;
    FakeViewer viewer;
    viewer.installed = false;
    {
        THelpRequestHook hook(kFile, "", THelpViewerKind::HtmlHelp, slot, viewer);
        slot.Ask(helpcmd::Context, 1051);
    }
    SetHelpLog(nullptr);
    std::ifstream in(log.LogFileName(), std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(text, "THelpRequestHook.Create(\"" + kFile +
                        "\",\"\", 0)\r\n"
                        "THelpRequestHook.HelpHook(1 (HELP_CONTEXT), 1051)\r\n"
                        "HHHelpContext(\"" +
                        kFile +
                        "\", 1051, \"\", 0)\r\n"
                        "ShowContext(\"" +
                        kFile +
                        "\", 0)\r\n"
                        "  returned - 1\r\n"
                        "HHShowError(1), \"<MS Html Help is not installed on this PC.>\"\r\n"
                        "THelpRequestHook.Destroy\r\n");
}
