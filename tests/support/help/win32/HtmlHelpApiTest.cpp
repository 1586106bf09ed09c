// The help control of Wine, found, loaded and called for real with the help file built beside
// the program.

#include "support/help/win32/HtmlHelpApi.h"
#include "support/help/HelpContexts.h"
#include "support/help/win32/HelpModules.h"
#include "support/help/win32/ProgramHelp.h"

#include "components/TempPath.h"

#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tav;
using namespace tav::help;
using namespace std::chrono_literals;

namespace {

const std::string kHelpFile = "Z:" TAVRILO_EXE_DIR "/tvrlhelp.chm";

// The viewer windows this process shows.
int ViewerWindows() {
    struct Count {
        int windows = 0;
    } count;
    EnumWindows(
        [](HWND wnd, LPARAM param) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(wnd, &pid);
            char name[32] = {};
            GetClassNameA(wnd, name, sizeof name);
            if (pid == GetCurrentProcessId() && std::string(name) == "HH Parent" &&
                IsWindowVisible(wnd))
                ++reinterpret_cast<Count*>(param)->windows;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

} // namespace

TEST(HtmlHelpApi, TheModulesFindTheControlAndItsVersion) {
    THelpModules modules({TAVRILO_EXE_DIR "/win32_tests.exe"});
    EXPECT_TRUE(HtmlHelpLoaded());
    EXPECT_TRUE(GenericHelpEntryBound());
    EXPECT_NE(HtmlHelpWEntry(), nullptr);
    EXPECT_TRUE(std::filesystem::exists(GetHHCtrlPath())) << GetHHCtrlPath();
    const THelpEnvironment& env = HelpEnvironment();
    EXPECT_TRUE(env.HelpCtlInstalled);
    EXPECT_EQ(env.HelpCtlVerStr, VersionText(env.HelpCtlVersion));
    EXPECT_FALSE(env.HelpCtlFriendlyVerStr.empty());
    EXPECT_EQ(env.ModuleName, "win32_tests.exe");
    EXPECT_EQ(env.ModulePath, env.ModuleDir + "\\" + env.ModuleName);
    EXPECT_FALSE(env.DebugSwitch);
}

TEST(HtmlHelpApi, TheControlOpensEveryContextOfTheProgramAndClosesItsWindowsAgain) {
    THelpModules modules({TAVRILO_EXE_DIR "/win32_tests.exe"});
    for (const int context : kProgramHelpContexts) {
        HWND viewer = CallHtmlHelp(GetDesktopWindow(), kHelpFile.c_str(), kHHHelpContext, context);
        EXPECT_NE(viewer, nullptr) << context;
    }
    test::PumpFor(50ms);
    EXPECT_EQ(ViewerWindows(), 1);
    HHCloseAll();
    test::PumpFor(50ms);
    EXPECT_EQ(ViewerWindows(), 0);
    // A context the file does not map opens nothing.
    EXPECT_EQ(CallHtmlHelp(GetDesktopWindow(), kHelpFile.c_str(), kHHHelpContext, 4242), nullptr);
}

TEST(HtmlHelpApi, TheViewerTellsWhetherTheControlShowedTheFile) {
    THelpModules modules({TAVRILO_EXE_DIR "/win32_tests.exe"});
    test::TempPath damaged(".chm");
    test::WriteBytes(damaged.str(), "ITSF, and then nothing a help file holds");
    TWin32HtmlHelpViewer viewer(nullptr);
    EXPECT_FALSE(viewer.ShowContext(damaged.str(), kProgramHelpContexts[0]));
    EXPECT_TRUE(viewer.ShowContext(kHelpFile, kProgramHelpContexts[0]));
    HHCloseAll();
    test::PumpFor(50ms);
    EXPECT_EQ(ViewerWindows(), 0);
}

TEST(HtmlHelpApi, AModulePathLongerThanTheFirstBufferComesBackWhole) {
    const std::string path = ModuleFileName(nullptr);
    EXPECT_EQ(ModuleFileName(nullptr, 8), path);
    EXPECT_GT(path.size(), 8u);
    EXPECT_TRUE(path.ends_with("\\win32_tests.exe")) << path;
}
