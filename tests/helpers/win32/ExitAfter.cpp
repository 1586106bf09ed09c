// A program for tests that start one: it ends, with exit code 0, after the number of
// milliseconds its command line names.

#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    Sleep(static_cast<DWORD>(std::strtoul(commandLine, nullptr, 10)));
    return 0;
}
