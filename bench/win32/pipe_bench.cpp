// Round trips of the pipe request "cmd:GetCommands" against the running program holding 1,000
// commands, for a client that takes the reply in one read and for one that reads it in
// 1024-byte pieces as the plug-in library does. Every reply must be the whole list. The list is
// far longer than the pipe's 1024-byte buffers but still goes as one message; a client that
// reads it once into 1024 bytes gets it cut, told by ERROR_MORE_DATA.
// Usage: pipe_bench <path of Tavrilo.exe> [requests]; prints the median and the worst of each.

#include "engine/config/ConfigFile.h"
#include "engine/network/PipeRequest.h"

#include "BenchProgram.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr char kPipe[] = "\\\\.\\pipe\\TVRLPipe";
constexpr char kRequest[] = "cmd:GetCommands";
constexpr int kRemotes = 10;
constexpr int kCommandsPerRemote = 100;
constexpr DWORD kPiece = 1024; // the pipe's buffer, and the plug-in library's piece

using tav::bench::Now;

void BuildDocument(tav::TDocument& doc) {
    for (int r = 0; r < kRemotes; ++r) {
        tav::TCommandNode* remote = doc.AddRemote("Remote " + std::to_string(r));
        for (int c = 0; c < kCommandsPerRemote; ++c)
            doc.AddCommand(remote, "Button " + std::to_string(r) + "." + std::to_string(c));
    }
}

struct Reply {
    bool ok = false;
    DWORD error = 0;
    std::string text;
};

// One read into a buffer of `size` bytes, as CallNamedPipe does it.
Reply CallOnce(DWORD size) {
    Reply reply;
    std::string buffer(size, '\0');
    DWORD got = 0;
    reply.ok = CallNamedPipeA(kPipe, const_cast<char*>(kRequest), sizeof kRequest - 1,
                              buffer.data(), size, &got, 1000);
    reply.error = reply.ok ? 0 : GetLastError();
    reply.text = buffer.substr(0, got);
    return reply;
}

Reply CallWhole() {
    return CallOnce(64 * 1024);
}

// The plug-in library's way: the first piece with the request, the rest read while more data.
Reply CallInPieces() {
    Reply reply;
    HANDLE pipe = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 2 && pipe == INVALID_HANDLE_VALUE; ++attempt) {
        pipe =
            CreateFileA(kPipe, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE && !WaitNamedPipeA(kPipe, 1000))
            break;
    }
    if (pipe == INVALID_HANDLE_VALUE) {
        reply.error = GetLastError();
        return reply;
    }
    DWORD mode = PIPE_READMODE_MESSAGE;
    SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr);
    char piece[kPiece];
    DWORD got = 0;
    BOOL done = TransactNamedPipe(pipe, const_cast<char*>(kRequest), sizeof kRequest - 1, piece,
                                  kPiece, &got, nullptr);
    reply.text.assign(piece, got);
    while (!done && GetLastError() == ERROR_MORE_DATA) {
        got = 0;
        done = ReadFile(pipe, piece, kPiece, &got, nullptr);
        reply.text.append(piece, got);
    }
    reply.ok = done;
    reply.error = done ? 0 : GetLastError();
    CloseHandle(pipe);
    return reply;
}

struct Figures {
    double median = 0, worst = 0;
    int incomplete = 0;
};

Figures Time(const std::function<Reply()>& call, const std::string& expected, int requests) {
    std::vector<double> times;
    Figures figures;
    for (int i = 0; i < requests; ++i) {
        const double start = Now();
        const Reply reply = call();
        times.push_back(Now() - start);
        if (!reply.ok || reply.text != expected)
            ++figures.incomplete;
    }
    std::sort(times.begin(), times.end());
    figures.median = times[times.size() / 2];
    figures.worst = times.back();
    return figures;
}

void Print(const char* client, const Figures& f, int requests) {
    std::printf("  %-18s median %.2f ms, worst %.2f ms (%d requests, %d incomplete)\n", client,
                f.median, f.worst, requests, f.incomplete);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: pipe_bench <Tavrilo.exe> [requests]\n");
        return 2;
    }
    const int requests = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    tav::TDocument doc;
    BuildDocument(doc);
    const std::string expected = tav::ListCommandNames(doc);
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "tavrilo_pipe_bench.tvr";
    if (!tav::SaveConfigFile(doc, file, {}).Ok) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
    }

    std::string command = std::string("\"") + argv[1] + "\" \"" + file + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    // The pipe serves from the start, but its replies stay empty until the document is loaded.
    bool ready = false;
    for (const double start = Now(); !ready && Now() - start < 30000; Sleep(10))
        ready = !CallWhole().text.empty();

    int status = 0;
    if (!ready) {
        std::fprintf(stderr, "the program did not answer\n");
        status = 1;
    } else {
        std::printf("pipe round trip of %s with %d commands (a reply of %zu bytes):\n", kRequest,
                    kRemotes * kCommandsPerRemote, expected.size());
        Print("one read:", Time(CallWhole, expected, requests), requests);
        Print("1024-byte pieces:", Time(CallInPieces, expected, requests), requests);
        const Reply cut = CallOnce(kPiece);
        std::printf("  one read into %lu bytes: %zu of the %zu bytes (error %lu)\n",
                    static_cast<unsigned long>(kPiece), cut.text.size(), expected.size(),
                    static_cast<unsigned long>(cut.error));
    }
    tav::bench::EndProcess(info, tav::bench::FindProgramWindow(info.dwProcessId, false));
    DeleteFileA(file.c_str());
    DeleteFileA((file + ".bak").c_str());
    return status;
}
