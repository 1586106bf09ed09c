// The plug-in library as a host loads it, against a pipe server of the test's own in place of
// the program (the suite runs alone: the program's pipe name is shared by everything).

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// Serves "\\.\pipe\TVRLPipe" on its own thread: records each request and answers `reply`,
// or nothing at all when `silent`.
class TestPipeServer {
public:
    explicit TestPipeServer(std::string reply, bool silent = false)
        : reply_(std::move(reply)), silent_(silent), thread_([this] { Serve(); }) {
        // A pipe that does not exist yet is not waited for: poll until it does.
        for (int i = 0; i < 500 && !WaitNamedPipeA(kPath, 10); ++i)
            Sleep(10);
    }
    ~TestPipeServer() {
        stop_ = true;
        // A last client wakes a server that waits for one.
        HANDLE wake =
            CreateFileA(kPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (wake != INVALID_HANDLE_VALUE)
            CloseHandle(wake);
        thread_.join();
    }
    std::vector<std::string> Requests() {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    static constexpr const char* kPath = "\\\\.\\pipe\\TVRLPipe";
    // One instance, kept from client to client as the program keeps its own: a key that comes
    // while the previous one is being finished finds the pipe busy, not gone.
    void Serve() {
        HANDLE pipe = CreateNamedPipeA(kPath, PIPE_ACCESS_DUPLEX,
                                       PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1,
                                       4096, 4096, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE)
            return;
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
    }

    std::string reply_;
    bool silent_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

struct ProgramPlugin : ::testing::Test {
    HMODULE library = LoadLibraryA(TAVRILO_EXE_DIR "/Tavrilink.dll");
    template <class Fn> Fn Export(const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    }
    ~ProgramPlugin() override { FreeLibrary(library); }
};

TEST_F(ProgramPlugin, AnswersTheHostAndPassesEachKeyAsTwoBytes) {
    ASSERT_NE(library, nullptr);
    auto keys = Export<int(__cdecl*)()>("WhatKeysDoYouWant");
    auto names = Export<const char*(__cdecl*)(unsigned short)>("EnumerateProgrammableFunction");
    auto focus = Export<int(__cdecl*)()>("AreYouInFocus");
    auto handleKey = Export<int(__cdecl*)(int, int, int)>("HandleKey");
    ASSERT_TRUE(keys && names && focus && handleKey && Export<void*>("Configure"));
    EXPECT_EQ(keys(), 0x7FFB);
    EXPECT_STREQ(names(0), "A");
    EXPECT_STREQ(names(5), "F");
    EXPECT_STREQ(names(6), "");
    EXPECT_STREQ(names(65535), "");
    EXPECT_EQ(focus(), 1);

    const DWORD asked = GetTickCount();
    EXPECT_EQ(handleKey(0x100, 0x12, 0x34), 0) << "no program: the key is not passed";
    EXPECT_LT(GetTickCount() - asked, 500u) << "at once: no wait for a program";
    TestPipeServer program(std::string(3000, 'x')); // a reply longer than one read
    EXPECT_EQ(handleKey(0x100, 0x1234, 0x56), 1);
    EXPECT_EQ(handleKey(0x100, 0x12, 0x78), 1);
    EXPECT_EQ(handleKey(1, 0x12, 0x34), 0) << "only keys whose first argument's low byte is 0";
    EXPECT_EQ(program.Requests(), (std::vector<std::string>{"\x34\x56", "\x12\x78"}));
}

TEST_F(ProgramPlugin, AProgramThatDoesNotAnswerMakesTheKeyFailInsteadOfHangingTheHost) {
    ASSERT_NE(library, nullptr);
    auto handleKey = Export<int(__cdecl*)(int, int, int)>("HandleKey");
    TestPipeServer program({}, /*silent=*/true);
    EXPECT_EQ(handleKey(0, 0x12, 0x34), 0);
    EXPECT_EQ(program.Requests().size(), 1u);
}

} // namespace
