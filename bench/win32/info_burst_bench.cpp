// Time the running program takes to read one long line that a peer sends to its info port, whose
// text goes to the on-screen display: from the first byte sent to the program's close of the
// connection, which comes once it has read everything after the peer's end of sending.
// Usage: info_burst_bench <path of Tavrilo.exe> [MiB]; prints the time.
// It changes the program's stored settings for the run and puts them back afterwards.

#include "BenchPeers.h"

#include <winsock2.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace tav::bench;

constexpr char kSavedSettingsKey[] = "Software\\Tavrilo.info-burst-bench";

// The info server on `port` as the one peer socket.
void StoreSettings(int port) {
    const HKEY key = CreateRunSettings();
    WriteBool(key, "TCP/IP info send command", true);
    WriteInt(key, "TCP/IP info type", 0);
    WriteInt(key, "TCP/IP info port", static_cast<DWORD>(port));
    RegCloseKey(key);
}

// Milliseconds from the first byte of `line` to the program's close; negative when the program
// did not read it all within two minutes.
double TimeLine(SOCKET s, const std::string& line) {
    const DWORD limitMs = 120000;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limitMs), sizeof limitMs);
    const double start = Now();
    if (send(s, line.data(), static_cast<int>(line.size()), 0) != static_cast<int>(line.size()))
        return -1;
    shutdown(s, SD_SEND);
    char ignored[16];
    return recv(s, ignored, sizeof ignored, 0) == 0 ? Now() - start : -1;
}

} // namespace

int main(int argc, char** argv) {
    WSADATA wsa{};
    WSAStartup(MAKEWORD(2, 2), &wsa);
    if (argc < 2) {
        std::fprintf(stderr, "usage: info_burst_bench <Tavrilo.exe> [MiB]\n");
        return 2;
    }
    const int mebibytes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    std::string line;
    while (line.size() < (static_cast<std::size_t>(mebibytes) << 20))
        line += "Tavrilo info ";
    line.resize((static_cast<std::size_t>(mebibytes) << 20) - 2);
    line += "\r\n";

    const int port = FreePort();
    SaveUserSettings(kSavedSettingsKey);
    StoreSettings(port);
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    int status = 0;
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        RestoreUserSettings(kSavedSettingsKey);
        return 1;
    }
    const SOCKET s = ConnectTo(port, 30000);
    if (s == INVALID_SOCKET) {
        std::fprintf(stderr, "the program did not listen on its info port\n");
        status = 1;
    } else {
        Sleep(500); // the program has finished starting
        const double ms = TimeLine(s, line);
        if (ms < 0) {
            std::fprintf(stderr, "the program did not read the line\n");
            status = 1;
        } else {
            std::printf("a %d MiB line on the info port: read in %.0f ms\n", mebibytes, ms);
        }
        closesocket(s);
    }
    EndProcess(info, FindProgramWindow(info.dwProcessId, false));
    RestoreUserSettings(kSavedSettingsKey);
    return status;
}
