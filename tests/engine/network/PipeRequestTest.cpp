#include "engine/network/PipeRequest.h"
#include "engine/RecognitionFakes.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::testing;

namespace {

struct PipeRequests : ::testing::Test, ReceiverWorld {
    TCommandNode* r1 = doc.AddRemote("R1");
    TCommandNode* a = doc.AddCommand(r1, "A");
    TCommandNode* b = doc.AddCommand(r1, "B");
    TCommandNode* c = doc.AddCommand(doc.AddRemote("R2"), "C");

    std::string Ask(std::string_view request) {
        return AnswerPipeRequest(request, doc, engine, codes);
    }
};

TEST_F(PipeRequests, ListsTheCommandsAndFiresTheFirstNamedInTreeOrder) {
    EXPECT_EQ(Ask("cmd:GetCommands"), "A\nB\nC\n");
    fake.timer.running = true; // a running time-out does not stop a firing by name
    EXPECT_EQ(Ask("cmd:B"), "A\nB\nC\n");
    ASSERT_EQ(fake.tree.selections.size(), 1u);
    EXPECT_EQ(fake.tree.selections.back(), b);
    Ask("cmd:AB");
    EXPECT_EQ(fake.tree.selections.back(), a);
    EXPECT_EQ(doc.LastFiredCommand, nullptr);
    EXPECT_EQ(Ask("cmd:nothing"), "A\nB\nC\n");
}

TEST_F(PipeRequests, ACommandWithoutANameIsNeverFiredByName) {
    // Every request contains the empty text: such a command would answer all of them.
    TCommandNode* blank = doc.AddCommand(a, "");
    doc.AddCommand(blank, "  ");
    EXPECT_EQ(Ask("cmd:C"), "  \n\nA\nB\nC\n") << "listed as they are";
    ASSERT_EQ(fake.tree.selections.size(), 1u);
    EXPECT_EQ(fake.tree.selections.back(), c);
    Ask("cmd:nothing at all");
    EXPECT_EQ(fake.tree.selections.size(), 1u);
}

TEST_F(PipeRequests, AnythingElseIsARawCodeEndedByTheEndOfCodeTimer) {
    EXPECT_EQ(Ask("CMD:GetCommands"), "");
    EXPECT_EQ(doc.ReceivedCode.LastIndex(), 14);
    EXPECT_TRUE(endOfCode.running);
    EXPECT_EQ(Ask(std::string(2000, 'x')), "");
    EXPECT_EQ(doc.ReceivedCode.LastIndex(), 1000) << "the buffer's bound holds";
}

} // namespace
