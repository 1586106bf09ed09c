#include "support/help/HelpLog.h"

#include "framework/PlatformFiles.h"
#include "ui/lang/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tav;
using namespace tav::help;

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << "no CR LF: " << line;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

struct HelpLogTest : ::testing::Test {
    test::TempFolder folder;
    std::string program = folder.Path().string();
    std::vector<std::string> reports;

    THelpLogServices Services() {
        THelpLogServices services;
        services.LogFolder = program;
        services.TempFolder = folder.Write("temp/keep", "");
        services.TempFolder.resize(services.TempFolder.size() - 5);
        services.TimeOfDay = [] { return std::string("21:05:07"); };
        services.Header = [] {
            THelpLogHeader header;
            header.DateTime = "09.12.2026 21:05:07";
            header.System = {true, 5, 1, 2600, ""};
            header.DefaultLcid = 0x0409;
            header.DecimalSeparator = ",";
            header.ExePath = "C:\\Tavrilo\\Tavrilo.exe";
            header.Parameters = {"-DEBUG", "my.tvr"};
            header.HelpCtlInstalled = true;
            header.HelpCtlVerStr = "5.2.3790.2847";
            header.HelpCtlFriendlyVerStr = "> 1.4a";
            return header;
        };
        services.ShowReport = [this](const std::string& text) { reports.push_back(text); };
        return services;
    }
    std::string LogPath() const { return program + kPathDelim + "HelpDebug.txt"; }
};

} // namespace

TEST_F(HelpLogTest, TheHeaderDescribesTheProgramAndEveryLaterLineHasTheTime) {
    THelpLogFile log({{}, true, true, true, false}, Services());
    ASSERT_EQ(log.LogFileName(), LogPath());
    log.LogIfActive("ShowContext(\"%s\", %d)", "C:\\Tavrilo\\tvrlhelp.chm", 0);
    log.LogIfActive("-");

    const std::vector<std::string> lines = ReadLines(LogPath());
    ASSERT_EQ(lines.size(), 29u);
    EXPECT_EQ(lines[0], std::string(79, '='));
    EXPECT_EQ(lines[1], "Log File:             \t" + LogPath());
    EXPECT_EQ(lines[3], "Operating System:      \tWindows XP 5.1 (Build 2600) No Service Pack");
    EXPECT_EQ(lines[4], "SysLocale.DefaultLCID: \t0x0409 (1033)");
    EXPECT_EQ(lines[5], "SysLocale.PriLangID:   \t0x0009 (9)");
    EXPECT_EQ(lines[6], "SysLocale.SubLangID:   \t0x0001 (1)");
    EXPECT_EQ(lines[8], std::string(79, '-'));
    EXPECT_EQ(lines[11], "Cmdline Param(s) =  \t-DEBUG | my.tvr");
    EXPECT_EQ(lines[19], "HelpCtlInstalled =      \tYES");
    EXPECT_EQ(lines[21], "HelpCtlFriendlyVerStr = \t> 1.4a");
    EXPECT_EQ(lines[23], "BrowserInstalled =      \tNO");
    EXPECT_EQ(lines[26], std::string(79, '='));
    for (std::size_t i = 0; i < 27; ++i)
        EXPECT_EQ(lines[i].find("21:05:07   "), std::string::npos) << lines[i];
    EXPECT_EQ(lines[27], "21:05:07   ShowContext(\"C:\\Tavrilo\\tvrlhelp.chm\", 0)");
    EXPECT_EQ(lines[28], std::string(79, '-'));
}

TEST_F(HelpLogTest, AnOldLogIsReplacedOnlyWhileLogging) {
    folder.Write("HelpDebug.txt", "the last session's lines\r\n");
    {
        THelpLogFile quiet({{}, false, true, true, false}, Services());
        quiet.LogIfActive("HHShowError(%d)", 1);
        // Reported whatever the switch, written only while logging.
        quiet.ReportAndLog("Function ShellExecute(%s)", "HH.EXE");
    }
    EXPECT_EQ(ReadLines(LogPath()), std::vector<std::string>{"the last session's lines"});
    EXPECT_EQ(reports, std::vector<std::string>{"Function ShellExecute(HH.EXE)"});

    THelpLogFile active({{}, true, false, false, false}, Services());
    active.ReportAndLog("Function ShellExecute(%s)", "HH.EXE");
    EXPECT_EQ(ReadLines(LogPath()), std::vector<std::string>{"Function ShellExecute(HH.EXE)"});
}

TEST_F(HelpLogTest, ALogWhoseFolderIsMissingGoesToTheTemporaryFolder) {
    const std::string missing = program + kPathDelim + "gone" + kPathDelim + "HelpDebug.txt";
    THelpLogFile log({missing, true, false, false, false}, Services());
    log.LogIfActive("THelpRequestHook.Destroy");
    EXPECT_EQ(log.LogFileName(),
              folder.Path().string() + kPathDelim + "temp" + kPathDelim + "HelpDebug.txt");
    EXPECT_EQ(ReadLines(log.LogFileName()), std::vector<std::string>{"THelpRequestHook.Destroy"});
}

TEST_F(HelpLogTest, TheWritabilityProbeNeverTouchesAFileOfTheUser) {
    // The name a fixed probe would take, with the user's data in it.
    folder.Write("~wrtest.tmp", "mine");
    EXPECT_TRUE(FolderIsWritable(program + kPathDelim));
    std::ifstream in(folder.Path() / "~wrtest.tmp", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mine");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    EXPECT_FALSE(FolderIsWritable(program + kPathDelim + "gone"));
}
