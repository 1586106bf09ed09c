// Runs beside a whole test run in each Wine prefix and keeps the session's window station and
// desktop in use. Between two test processes that run one at a time nothing else holds them,
// and Wine takes the desktop down then: a test process that starts while it goes cannot
// register a window class, and hangs at its exit.

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Joins the desktop without showing anything: no test can see or focus this process.
    if (GetDesktopWindow() == nullptr)
        return 1;
    Sleep(INFINITE);
    return 0;
}
