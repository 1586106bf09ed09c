// Help in the whole program under Wine: started with -DEBUG it logs its help with the log's
// header and a line per step of every request while Wine's help control opens the help file
// beside it, and it still opens the configuration file used last; without a help control a
// request says so.

#include "ProgramProcess.h"

#include "components/TempPath.h"
#include "engine/config/ConfigFile.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>

using namespace tav;
using tav::test::ProgramProcess;

namespace {

const std::string kLog = TAVRILO_EXE_DIR "/HelpDebug.txt";

// A shown top-level window of process `pid` of the window class `className`.
HWND FindProcessClass(DWORD pid, const char* className) {
    return test::FindProcessWindowWhere(pid, [className](HWND wnd) {
        char name[64] = {};
        GetClassNameA(wnd, name, sizeof name);
        return std::string(name) == className && IsWindowVisible(wnd);
    });
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

// Whether a line of the log, without its time, is `text`.
bool Logged(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.size() > text.size() && line.ends_with("   " + text);
    });
}

struct ProgramHelp : ::testing::Test {
    ProgramHelp() {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Tavrilo");
        DeleteFileA(kLog.c_str());
    }
    ~ProgramHelp() override { DeleteFileA(kLog.c_str()); }
};

} // namespace

TEST_F(ProgramHelp, StartedWithDebugItLogsEveryHelpRequestAndOpensItsLastFile) {
    test::TempPath file(".tvr");
    TDocument doc;
    doc.AddRemote("TV");
    ASSERT_TRUE(SaveConfigFile(doc, file.str(), {}).Ok);
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Tavrilo", "LastTVRFile", REG_SZ,
                    file.str().c_str(), static_cast<DWORD>(file.str().size() + 1));

    ProgramProcess program("-DEBUG");
    HWND main = program.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    // The switch is no file to open: the one used last is opened.
    HWND bar = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
    EXPECT_TRUE(test::WaitForWindow(
        [&] {
            return LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0)) == file.str().size()
                       ? main
                       : nullptr;
        },
        10000));
    // F1 in the main window, twice: Wine's viewer opens the help file.
    PostMessageA(main, WM_KEYDOWN, VK_F1, 1);
    const DWORD pid = program.info.dwProcessId;
    EXPECT_NE(test::WaitForWindow([&] { return FindProcessClass(pid, "HH Parent"); }, 10000),
              nullptr);
    PostMessageA(main, WM_KEYDOWN, VK_F1, 1);
    EXPECT_EQ(program.CloseAndWait(main), 0);

    const std::vector<std::string> lines = ReadLines(kLog);
    ASSERT_GT(lines.size(), 27u);
    EXPECT_EQ(lines[0], std::string(79, '='));
    EXPECT_EQ(lines[11], "Cmdline Param(s) =  \t-DEBUG");
    EXPECT_EQ(lines[26], std::string(79, '='));
    std::string helpFile = std::string("Z:") + TAVRILO_EXE_DIR + "\\tvrlhelp.chm";
    std::replace(helpFile.begin(), helpFile.end(), '/', '\\');
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                                return line.ends_with("   THelpRequestHook.HelpHook(1 "
                                                      "(HELP_CONTEXT), 1000)");
                            }),
              2);
    EXPECT_TRUE(Logged(lines, "  returned - 0"));
    EXPECT_TRUE(Logged(lines, "THelpRequestHook.Destroy"));
    EXPECT_TRUE(lines.back().ends_with("   THelpRequestHook.Destroy")) << lines.back();
    EXPECT_TRUE(Logged(lines, "HHHelpContext(\"" + helpFile + "\", 1000, \"\", 0)"));
}

TEST_F(ProgramHelp, WithoutTheHelpControlARequestSaysItIsNotInstalled) {
    // Wine loads no help control into the program while this says so.
    const char* const overrides = "Software\\Wine\\AppDefaults\\Tavrilo.exe\\DllOverrides";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, overrides, "hhctrl.ocx", REG_SZ, "", 1),
              ERROR_SUCCESS);
    ProgramProcess program("-DEBUG");
    HWND main = program.WaitForMainWindow();
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Tavrilo.exe");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_KEYDOWN, VK_F1, 1);
    const DWORD pid = program.info.dwProcessId;
    HWND box = test::WaitForWindow([&] { return FindProcessClass(pid, "#32770"); }, 10000);
    ASSERT_NE(box, nullptr);
    char caption[64] = {};
    GetWindowTextA(box, caption, sizeof caption);
    EXPECT_STREQ(caption, "Tavrilo");
    std::string texts;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char text[256] = {};
        GetWindowTextA(child, text, sizeof text);
        texts += std::string(text) + "|";
    }
    EXPECT_NE(texts.find("MS Html Help is not installed on this PC."), std::string::npos) << texts;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.CloseAndWait(main), 0);
    const std::vector<std::string> lines = ReadLines(kLog);
    EXPECT_TRUE(Logged(lines, "HHShowError(1), \"MS Html Help is not installed on this PC.\""));
}
