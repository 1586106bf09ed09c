// A suite whose name ends in "Dpi" also runs at 144 DPI (see CMakeLists.txt); this one makes
// sure each run really sees its DPI.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Newer than the Windows version the program targets, so looked up as the program must.
template <typename Fn> Fn* User32(const char* name) {
    return reinterpret_cast<Fn*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

} // namespace

TEST(ProcessDpi, SeesTheDpiOfItsRunAndIsPerMonitorAware) {
    const char* expected = std::getenv("TAVRILO_EXPECTED_DPI");
    if (!expected)
        GTEST_SKIP() << "TAVRILO_EXPECTED_DPI names the DPI of the run; ctest sets it";
    const int dpi = std::atoi(expected);

    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi);
    ReleaseDC(nullptr, screen);

    // A window of an unaware process would be given 96 whatever the monitor has.
    auto* getDpiForWindow = User32<UINT WINAPI(HWND)>("GetDpiForWindow");
    auto* threadContext = User32<DPI_AWARENESS_CONTEXT WINAPI()>("GetThreadDpiAwarenessContext");
    auto* awarenessOf =
        User32<DPI_AWARENESS WINAPI(DPI_AWARENESS_CONTEXT)>("GetAwarenessFromDpiAwarenessContext");
    ASSERT_TRUE(getDpiForWindow && threadContext && awarenessOf);
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    EXPECT_EQ(getDpiForWindow(window), static_cast<UINT>(dpi));
    DestroyWindow(window);
    EXPECT_EQ(awarenessOf(threadContext()), DPI_AWARENESS_PER_MONITOR_AWARE);

    // Wine makes every process per-monitor aware whatever it declares, so ask the loader
    // whether the executable declares it as the program does.
    wchar_t declared[64] = {};
    ASSERT_TRUE(QueryActCtxSettingsW(0, nullptr,
                                     L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                     L"dpiAwareness", declared, 64, nullptr));
    EXPECT_STREQ(declared, L"PerMonitorV2, PerMonitor");
}
