// The keyboard-hook library as built: it posts each key transition to the window that started
// it, stops only what it started, and reports a failed start through the last error.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint32_t> posted; // the keystroke flags of each message

LRESULT CALLBACK Record(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER + 1 && wParam == 'K')
        posted.push_back(static_cast<std::uint32_t>(lParam));
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

void TypeAndPump() {
    keybd_event('K', 0x25, 0, 0);
    keybd_event('K', 0x25, KEYEVENTF_KEYUP, 0);
    MSG msg;
    for (DWORD end = GetTickCount() + 250; static_cast<LONG>(end - GetTickCount()) > 0; Sleep(5))
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
}

struct VardokKeys : ::testing::Test {
    HMODULE library = LoadLibraryA(TAVRILO_EXE_DIR "/Vardok.dll");
    void(WINAPI* start)(HWND) = reinterpret_cast<void(WINAPI*)(HWND)>(
        reinterpret_cast<void*>(GetProcAddress(library, "Vardok_Start")));
    void(WINAPI* stop)() = reinterpret_cast<void(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(library, "Vardok_Stop")));
    HWND window = nullptr;

    void SetUp() override {
        ASSERT_TRUE(start && stop && GetProcAddress(library, "KeyCounter"));
        WNDCLASSA wc{};
        wc.lpfnWndProc = Record;
        wc.lpszClassName = "VardokKeysTarget";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(window);
        posted.clear();
    }
    void TearDown() override {
        DestroyWindow(window);
        FreeLibrary(library);
    }
};

TEST_F(VardokKeys, EveryKeyTransitionReachesTheWindowWhileTheHookRuns) {
    stop(); // before any start: nothing to stop, nothing breaks
    start(window);
    ASSERT_EQ(GetLastError(), 0u);
    // The shared words: the window, then the hook, each in 32 bits.
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, "KeyCountData");
    const auto* words =
        static_cast<const std::uint32_t*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 8));
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(words[0], static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)));
    EXPECT_NE(words[1], 0u);
    UnmapViewOfFile(words);
    CloseHandle(mapping);

    TypeAndPump();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0] & 0x80FF0000u, 0x00250000u) << "a press";
    EXPECT_EQ(posted[1] & 0x80FF0000u, 0x80250000u) << "a release";
    stop();
    TypeAndPump();
    EXPECT_EQ(posted.size(), 2u);
}

TEST_F(VardokKeys, AStartThatCannotMakeItsSharedMemorySaysWhyAndInstallsNothing) {
    HANDLE squatter = CreateMutexA(nullptr, FALSE, "KeyCountData"); // another kind of object
    start(window);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    stop();
    TypeAndPump();
    EXPECT_TRUE(posted.empty());
    CloseHandle(squatter);
}

} // namespace
