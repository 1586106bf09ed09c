// Times of the whole program under Windows: from process start to the main window's first
// paint, and from the close request to the process's end while a pipe client keeps calling.
// Usage: program_bench <path of Tavrilo.exe> [runs]; prints the median of each.

#include "BenchProgram.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

using tav::bench::Now;

// The main window once it is shown and its message loop has answered after the first paint.
HWND WaitForFirstPaint(DWORD process) {
    for (;;) {
        const HWND window = tav::bench::FindProgramWindow(process, true);
        DWORD_PTR answer = 0;
        if (window != nullptr &&
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &answer) != 0)
            return window;
        Sleep(1);
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: program_bench <Tavrilo.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<double> starts, exits;
    for (int run = 0; run < runs; ++run) {
        std::string command = std::string("\"") + argv[1] + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        const double started = Now();
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info)) {
            std::fprintf(stderr, "cannot start %s\n", argv[1]);
            return 1;
        }
        HWND main = WaitForFirstPaint(info.dwProcessId);
        starts.push_back(Now() - started);

        std::atomic<bool> calling{true};
        std::thread client([&] {
            char reply[1024];
            DWORD got = 0;
            while (calling)
                CallNamedPipeA("\\\\.\\pipe\\TVRLPipe", const_cast<char*>("cmd:GetCommands"), 15,
                               reply, sizeof reply, &got, 100);
        });
        Sleep(200);
        const double closing = Now();
        PostMessageA(main, WM_CLOSE, 0, 0);
        WaitForSingleObject(info.hProcess, INFINITE);
        exits.push_back(Now() - closing);
        calling = false;
        client.join();
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    std::printf("start to first paint: %.1f ms (median of %d)\n", Median(starts), runs);
    std::printf("exit with a pipe client calling: %.1f ms (median of %d)\n", Median(exits), runs);
    return 0;
}
