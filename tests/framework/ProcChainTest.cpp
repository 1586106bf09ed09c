#include "framework/ProcChain.h"

#include <gtest/gtest.h>

#include <string>

using namespace tav;

namespace {

using Hook = TProcHook<std::string>;
using Proc = Hook::Proc;

// A procedure that marks the message with its letter and passes it on.
TChainedProc<std::string> Mark(char letter) {
    return [letter](std::string& m, const Proc& below) {
        m += letter;
        below(m);
    };
}

std::string Through(const Proc& top) {
    std::string m;
    top(m);
    return m;
}

TEST(ProcChain, TakingOutAnyProcedureKeepsTheOnesAboveItAndTheirOrder) {
    Proc top = [](std::string& m) { m += '.'; };
    const Hook a = Hook::Install(top, Mark('a'));
    const Hook b = Hook::Install(top, Mark('b'));
    const Hook c = Hook::Install(top, Mark('c'));
    const Hook d = Hook::Install(top, Mark('d'));
    ASSERT_EQ(Through(top), "dcba.");
    b.Remove(top);
    EXPECT_EQ(Through(top), "dca.");
    a.Remove(top);
    EXPECT_EQ(Through(top), "dc.");
    d.Remove(top);
    EXPECT_EQ(Through(top), "c.");
    d.Remove(top);
    EXPECT_EQ(Through(top), "c.") << "a second time changes nothing";
    std::string m;
    c.CallBelow(m);
    EXPECT_EQ(m, ".") << "below c lies what lay below the ones taken out";
    c.Remove(top);
    EXPECT_EQ(Through(top), ".");
}

TEST(ProcChain, AProcedureTakesItselfOutWhileItRunsAndBelowAPlainOneItOnlyPassesOn) {
    Proc top = [](std::string& m) { m += '.'; };
    Hook self;
    self = Hook::Install(top, [&](std::string& m, const Proc& below) {
        m += 's';
        self.Remove(top);
        below(m);
    });
    const Hook upper = Hook::Install(top, Mark('u'));
    EXPECT_EQ(Through(top), "us.");
    EXPECT_EQ(Through(top), "u.");
    self.Remove(top);
    // Put on top by assignment: the chain below it cannot be changed, only passed through.
    const Hook lower = Hook::Install(top, Mark('l'));
    const Proc plain = top;
    top = [plain](std::string& m) {
        m += 'p';
        plain(m);
    };
    lower.Remove(top);
    EXPECT_EQ(Through(top), "pu.");
    upper.Remove(top);
    EXPECT_EQ(Through(top), "p.");
}

} // namespace
