#include "components/pipe/win32/NamedPipeServerThread.h"

#include "framework/win32/HandOverSupportTest.h"
#include "framework/win32/SystemErrorText.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tav;
using namespace std::chrono_literals;

namespace {

struct TClientResult {
    DWORD Error = 0;
    std::string Reply;
};

// Opens the pipe as a client, waiting while it is busy.
HANDLE Open(const std::string& name) {
    const std::string path = kPipePathPrefix + name;
    for (int tries = 0; tries < 3; ++tries) {
        HANDLE pipe = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (pipe != INVALID_HANDLE_VALUE || GetLastError() != ERROR_PIPE_BUSY)
            return pipe;
        WaitNamedPipeA(path.c_str(), 3000);
    }
    return INVALID_HANDLE_VALUE;
}

// One request and its reply, as the plug-in library exchanges them; a slow client reads the
// reply only `pauseMs` after sending its request. Closes the pipe.
TClientResult Exchange(HANDLE pipe, const std::string& request, DWORD pauseMs = 0) {
    TClientResult result;
    if (pipe == INVALID_HANDLE_VALUE) {
        result.Error = GetLastError();
        return result;
    }
    DWORD mode = PIPE_READMODE_MESSAGE;
    SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr);
    char reply[2 * kPipeBufferSize];
    DWORD size = static_cast<DWORD>(request.size()), got = 0, sent = 0;
    BOOL ok;
    if (pauseMs == 0) {
        ok = TransactNamedPipe(pipe, const_cast<char*>(request.data()), size, reply, sizeof reply,
                               &got, nullptr);
    } else {
        ok = WriteFile(pipe, request.data(), size, &sent, nullptr);
        Sleep(pauseMs);
        ok = ok && ReadFile(pipe, reply, sizeof reply, &got, nullptr);
    }
    result.Error = ok ? 0 : GetLastError();
    if (ok)
        result.Reply.assign(reply, got);
    CloseHandle(pipe);
    return result;
}

std::future<TClientResult> Client(const std::string& name, const std::string& request,
                                  DWORD pauseMs = 0) {
    return std::async(std::launch::async, [=] { return Exchange(Open(name), request, pauseMs); });
}

// Serves the hand-overs until the client has its answer.
bool Served(std::future<TClientResult>& client) {
    return test::PumpUntil([&] { return client.wait_for(0ms) == std::future_status::ready; });
}

class NamedPipeServerThreadTest : public test::HandOverFixture {
protected:
    // A name of this test alone: tests run side by side in one Wine server.
    const std::string name =
        "TavriloTest." +
        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "." +
        std::to_string(GetCurrentProcessId());
    std::vector<std::string> requests;
    std::vector<TNamedPipeServerThread*> senders;
    bool offMainThread = false;

    // Answers `prefix` and the request.
    TPipeMessageEvent Echo(const std::string& prefix = "re:") {
        return [this, prefix, main = GetCurrentThreadId()](TNamedPipeServerThread* sender,
                                                           const char* buffer, int count,
                                                           std::string& reply) {
            offMainThread |= GetCurrentThreadId() != main;
            senders.push_back(sender);
            requests.emplace_back(buffer, count);
            reply = prefix + requests.back();
            return true;
        };
    }
};

} // namespace

TEST_F(NamedPipeServerThreadTest, AClientGetsTheReplyTheMainThreadGaveToItsRequest) {
    TNamedPipeServerThread server(name, Echo());
    auto client = Client(name, "cmd:GetCommands");
    ASSERT_TRUE(Served(client));
    const TClientResult result = client.get();
    EXPECT_EQ(result.Error, 0u);
    EXPECT_EQ(result.Reply, "re:cmd:GetCommands");
    EXPECT_EQ(senders, std::vector<TNamedPipeServerThread*>{&server});
    EXPECT_FALSE(offMainThread);

    HANDLE pipe = Open(name);
    DWORD flags = 0, out = 0, in = 0, instances = 0;
    ASSERT_TRUE(GetNamedPipeInfo(pipe, &flags, &out, &in, &instances));
    CloseHandle(pipe);
    EXPECT_TRUE(flags & PIPE_TYPE_MESSAGE);
    EXPECT_EQ(instances, 2u);
    EXPECT_EQ(out, 1024u);
    EXPECT_EQ(in, 1024u);
    EXPECT_TRUE(kPipeMode & PIPE_REJECT_REMOTE_CLIENTS); // Wine has no remote clients to refuse
}

TEST_F(NamedPipeServerThreadTest, TwoQuickClientsBothGetAnswers) {
    TNamedPipeServerThread server(name, Echo());
    auto first = Client(name, "1");
    auto second = Client(name, "2");
    ASSERT_TRUE(Served(first) && Served(second));
    EXPECT_EQ(first.get().Reply, "re:1");
    EXPECT_EQ(second.get().Reply, "re:2");
}

TEST_F(NamedPipeServerThreadTest, TwoServersOfOnePipeNameServeTheirOwnClients) {
    TNamedPipeServerThread a(name, Echo("a:"));
    TNamedPipeServerThread b(name, Echo("b:"));
    // Each open connection holds one of the two instances.
    HANDLE first = Open(name), second = Open(name);
    auto one = std::async(std::launch::async, [=] { return Exchange(first, "1"); });
    auto two = std::async(std::launch::async, [=] { return Exchange(second, "2"); });
    ASSERT_TRUE(Served(one) && Served(two));
    const std::set<std::string> servers = {one.get().Reply.substr(0, 2),
                                           two.get().Reply.substr(0, 2)};
    EXPECT_EQ(servers, (std::set<std::string>{"a:", "b:"}));
    EXPECT_TRUE(reported.empty());
}

TEST_F(NamedPipeServerThreadTest, ClientsWithoutARequestAreDroppedAndTheNextIsServed) {
    TNamedPipeServerThread server(name, Echo());
    CloseHandle(Open(name));                       // comes and goes
    EXPECT_NE(Exchange(Open(name), "").Error, 0u); // an empty message is no request
    HANDLE silent = Open(name);
    auto next = Client(name, "x"); // finds the pipe busy until the silent client is dropped
    ASSERT_TRUE(Served(next));
    EXPECT_EQ(next.get().Reply, "re:x");
    char byte;
    DWORD got = 0;
    EXPECT_FALSE(ReadFile(silent, &byte, 1, &got, nullptr));
    CloseHandle(silent);
    EXPECT_EQ(requests, std::vector<std::string>{"x"});
}

TEST_F(NamedPipeServerThreadTest, AFullReplyReachesASlowReaderWholeAndALongRequestIsCut) {
    TNamedPipeServerThread server(name, Echo(""));
    std::string request(1500, '\0');
    for (size_t i = 0; i < request.size(); ++i)
        request[i] = static_cast<char>(i % 251);
    auto client = Client(name, request, 300);
    ASSERT_TRUE(Served(client));
    const TClientResult result = client.get();
    EXPECT_EQ(result.Error, 0u);
    EXPECT_EQ(result.Reply, request.substr(0, 1024));
}

TEST_F(NamedPipeServerThreadTest, UnreadyFailingAndUnservedRequestsGetAnEmptyReply) {
    TNamedPipeServerThread server(
        name, [&](TNamedPipeServerThread*, const char* buffer, int count, std::string& reply) {
            requests.emplace_back(buffer, count);
            reply = "half an answer";
            if (std::string(buffer, count) == "throw")
                throw std::runtime_error("Handler failed");
            return false; // not ready yet
        });
    for (const char* request : {"early", "throw"}) {
        auto client = Client(name, request);
        ASSERT_TRUE(Served(client));
        const TClientResult result = client.get();
        EXPECT_EQ(result.Error, 0u) << request;
        EXPECT_EQ(result.Reply, "") << request;
    }
    EXPECT_EQ(reported, std::vector<std::string>{"Handler failed"});

    // The main thread is busy for longer than the server waits for it.
    auto late = Client(name, "late");
    EXPECT_EQ(late.wait_for(5s), std::future_status::ready);
    ASSERT_TRUE(Served(late));
    const TClientResult unserved = late.get();
    EXPECT_EQ(unserved.Error, 0u);
    EXPECT_EQ(unserved.Reply, "");
    test::PumpUntil([] { return false; }, 100);
    EXPECT_EQ(requests.size(), 2u); // the request was withdrawn, not answered later
}

TEST_F(NamedPipeServerThreadTest, DestroyingTheServerWhileARequestWaitsDropsTheRequest) {
    auto server = std::make_unique<TNamedPipeServerThread>(name, Echo());
    auto client = Client(name, "k");
    // Handed over: its wake-up lies in this thread's queue, which nobody serves meanwhile.
    bool handedOver = false;
    for (int i = 0; i < 500 && !handedOver; ++i, Sleep(10))
        handedOver = HIWORD(GetQueueStatus(QS_POSTMESSAGE)) != 0;
    ASSERT_TRUE(handedOver);
    server.reset();
    ASSERT_EQ(client.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(client.get().Reply, ""); // an empty reply or a broken pipe
    test::PumpUntil([] { return false; }, 50);
    EXPECT_TRUE(requests.empty());
}

TEST_F(NamedPipeServerThreadTest, AFailedWaitIsReportedAndAClientArrivingMeanwhileIsServed) {
    std::atomic<int> waits{0};
    std::atomic<HANDLE> early{INVALID_HANDLE_VALUE};
    TSeamScope failOnce(PipeWaitSeam(), [&](DWORD count, const HANDLE* handles, DWORD ms) {
        switch (++waits) {
        case 1: // for a client
            SetLastError(ERROR_INVALID_HANDLE);
            return DWORD(WAIT_FAILED);
        case 2: // the pause after the failure; nothing waits for a client now
            early = Open(name);
            return DWORD(WAIT_TIMEOUT);
        default:
            return WaitForMultipleObjects(count, handles, FALSE, ms);
        }
    });
    TNamedPipeServerThread server(name, Echo());
    ASSERT_TRUE(test::PumpUntil([&] { return early != INVALID_HANDLE_VALUE; }));
    auto client = std::async(std::launch::async, [&] { return Exchange(early, "x"); });
    ASSERT_TRUE(Served(client));
    EXPECT_EQ(client.get().Reply, "re:x");
    EXPECT_EQ(reported, std::vector<std::string>{"Wait failed. Error: " +
                                                 SystemErrorText(ERROR_INVALID_HANDLE)});
}
