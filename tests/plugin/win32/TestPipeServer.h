#pragma once
// A pipe server of the test's own in place of the program, as the plug-in library meets it.

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tav::test {

// Serves "\\.\pipe\<name>" on its own thread: records each request and answers `reply`, or
// nothing at all when `silent`.
class TestPipeServer {
public:
    TestPipeServer(const std::string& name, std::string reply, bool silent = false)
        : path_("\\\\.\\pipe\\" + name), reply_(std::move(reply)), silent_(silent),
          thread_([this] { Serve(); }) {
        // A pipe that does not exist yet is not waited for: poll until it does.
        for (int i = 0; i < 500 && !WaitNamedPipeA(path_.c_str(), 10); ++i)
            Sleep(10);
    }
    ~TestPipeServer() {
        stop_ = true;
        // A last client wakes a server that waits for one; while the server still finishes
        // the previous client the pipe is busy, so it is tried until the server has ended.
        while (!ended_) {
            HANDLE wake = CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
            if (wake != INVALID_HANDLE_VALUE)
                CloseHandle(wake);
            Sleep(5);
        }
        thread_.join();
    }
    TestPipeServer(const TestPipeServer&) = delete;
    TestPipeServer& operator=(const TestPipeServer&) = delete;

    std::vector<std::string> Requests() {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    // One instance, kept from client to client as the program keeps its own: a key that comes
    // while the previous one is being finished finds the pipe busy, not gone. Its buffers are
    // the program's: a longer reply reaches the client in several pieces.
    void Serve() {
        HANDLE pipe = CreateNamedPipeA(path_.c_str(), PIPE_ACCESS_DUPLEX,
                                       PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1,
                                       1024, 1024, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE) {
            ended_ = true;
            return;
        }
        while (!stop_) {
            ConnectNamedPipe(pipe, nullptr);
            char request[1024];
            DWORD got = 0;
            if (!stop_ && ReadFile(pipe, request, sizeof request, &got, nullptr)) {
                {
                    std::lock_guard lock(mutex_);
                    requests_.emplace_back(request, got);
                }
                DWORD written = 0;
                if (silent_)
                    while (!stop_)
                        Sleep(10);
                else
                    WriteFile(pipe, reply_.data(), static_cast<DWORD>(reply_.size()), &written,
                              nullptr);
                FlushFileBuffers(pipe);
            }
            DisconnectNamedPipe(pipe);
        }
        CloseHandle(pipe);
        ended_ = true;
    }

    std::string path_;
    std::string reply_;
    bool silent_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> ended_{false};
    std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace tav::test
