#include "engine/RecognitionFakes.h"
#include "engine/recognition/win32/Win32Ports.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>

using namespace tav;
using namespace tav::testing;

namespace {

const char kProbeClass[] = "TavriloLayoutProbe";

// A real top-level window brought to the foreground.
struct ForegroundProbe {
    HWND wnd = nullptr;
    explicit ForegroundProbe(const char* title) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kProbeClass;
        RegisterClassA(&wc);
        wnd = CreateWindowExA(0, kProbeClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                              100, nullptr, nullptr, wc.hInstance, nullptr);
        SetForegroundWindow(wnd);
        for (int i = 0; i < 50 && GetForegroundWindow() != wnd; ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(20);
            SetForegroundWindow(wnd);
        }
    }
    ~ForegroundProbe() { DestroyWindow(wnd); }
};

// Each test process has its own folder: ctest runs the tests side by side.
std::string TempFolder() {
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    std::string folder =
        std::string(path) + "tavrilo-log-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Win32Recognition : ::testing::Test {
    TDocument doc;
    FakePorts fake;
    TWin32ForegroundWindow foreground;
    std::string folder = TempFolder();
    TWin32LogWriter log{folder};
    TRecognizer engine{doc, Ports()};

    TRecognitionPorts Ports() {
        TRecognitionPorts ports = fake.Ports();
        ports.Foreground = &foreground;
        ports.Log = &log;
        return ports;
    }
    ~Win32Recognition() override {
        DeleteFileA((folder + "fired.log").c_str());
        RemoveDirectoryA(folder.c_str());
    }
};

} // namespace

TEST_F(Win32Recognition, AFedCodeFiresInTheForegroundWindowsLayout) {
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* play = doc.AddCommand(tv, "Play");
    Learn(doc, *play->Data(), {0x10, 0x20, 0x30});
    TLayout* byTitle = doc.AddLayout("By title", "Probe Title", "");
    TLayout* byClass = doc.AddLayout("By class", "", "LayoutProbe");
    TAction* titleItem = doc.AddAction(byTitle, "title");
    TAction* classItem = doc.AddAction(byClass, "class");
    for (TAction* item : {titleItem, classItem}) {
        doc.AddTrigger(item, play);
        item->TrigType = 1;
        item->ActionStrings.push_back("x");
    }
    fake.settings.values.LogEnabled = true;
    fake.settings.values.LogFile = "fired.log";

    {
        ForegroundProbe probe("A Probe Title window");
        ASSERT_EQ(GetForegroundWindow(), probe.wnd);
        EXPECT_EQ(foreground.Names().ClassName, kProbeClass);
        Feed(doc, {0x10, 0x20, 0x30});
        engine.ProcessReceivedCode();
        engine.TypematicTimerTimer();
    }
    {
        ForegroundProbe probe("Untitled");
        ASSERT_EQ(GetForegroundWindow(), probe.wnd);
        Feed(doc, {0x10, 0x20, 0x30});
        engine.ProcessReceivedCode();
    }
    EXPECT_EQ(fake.actions.ran, (std::vector<TAction*>{titleItem, classItem}));
    EXPECT_EQ(ReadFile(folder + "fired.log"), "TV,Play\r\nTV,Play\r\n");
    EXPECT_TRUE(fake.errors.shown.empty());
}

TEST(Win32LogWriter, NamesWithAFolderAreKeptAndErrorsAreReported) {
    const std::string folder = TempFolder();
    TWin32LogWriter log(folder.substr(0, folder.size() - 1));
    EXPECT_EQ(log.PathOf("a.log"), folder + "a.log");
    EXPECT_EQ(log.PathOf("D:\\x\\a.log"), "D:\\x\\a.log");
    EXPECT_EQ(log.AppendLine(folder + "b.log", "R,C\r\n"), std::nullopt);
    EXPECT_EQ(ReadFile(folder + "b.log"), "R,C\r\n");
    DeleteFileA((folder + "b.log").c_str());
    const auto error = log.AppendLine(folder + "no such folder\\c.log", "R,C\r\n");
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("c.log"), std::string::npos);
    RemoveDirectoryA(folder.c_str());

    TWin32LogWriter beside;
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string exeFolder(exe);
    exeFolder.resize(exeFolder.find_last_of('\\') + 1);
    EXPECT_EQ(beside.PathOf("tv.log"), exeFolder + "tv.log");
}
