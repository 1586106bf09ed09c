// The library's pipe transaction, built here from the library's own source (its exports do not
// hand the reply back), against a pipe of the test's own name so that it runs beside others.

#include "plugin/PipeTransaction.h"

#include "TestPipeServer.h"

#include <gtest/gtest.h>

using tav::test::TestPipeServer;

namespace {

// Every byte differs from its neighbours, so a lost, doubled or misplaced piece shows.
std::string Numbered(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

TEST(PluginPipeTransaction, HandsBackEveryReplyWholeHoweverManyPiecesItTakes) {
    const std::string name = "TavriloTransaction" + std::to_string(GetCurrentProcessId());
    for (std::size_t size : {0u, 1024u, 1025u, 3000u, 5000u}) {
        const std::string sent = Numbered(size);
        TestPipeServer program(name, sent);
        std::string reply;
        EXPECT_TRUE(tavrilink::TransactPipeMessage(name, "\x12\x34", reply)) << size;
        EXPECT_EQ(reply.size(), size + 1) << "the reply and its terminator";
        EXPECT_TRUE(reply == sent + '\0') << size << "-byte reply";
        EXPECT_EQ(program.Requests(), std::vector<std::string>{"\x12\x34"});
    }
}

} // namespace
