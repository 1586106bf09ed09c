// The plug-in library as a host loads it, against a pipe server of the test's own in place of
// the program (the suite runs alone: the program's pipe name is shared by everything).

#include "TestPipeServer.h"

#include <gtest/gtest.h>

using tav::test::TestPipeServer;

namespace {

constexpr const char* kProgramPipe = "TVRLPipe";

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
    TestPipeServer program(kProgramPipe, std::string(3000, 'x')); // a reply longer than one read
    EXPECT_EQ(handleKey(0x100, 0x1234, 0x56), 1);
    EXPECT_EQ(handleKey(0x100, 0x12, 0x78), 1);
    EXPECT_EQ(handleKey(1, 0x12, 0x34), 0) << "only keys whose first argument's low byte is 0";
    EXPECT_EQ(program.Requests(), (std::vector<std::string>{"\x34\x56", "\x12\x78"}));
}

TEST_F(ProgramPlugin, AProgramThatDoesNotAnswerMakesTheKeyFailInsteadOfHangingTheHost) {
    ASSERT_NE(library, nullptr);
    auto handleKey = Export<int(__cdecl*)(int, int, int)>("HandleKey");
    TestPipeServer program(kProgramPipe, {}, /*silent=*/true);
    EXPECT_EQ(handleKey(0, 0x12, 0x34), 0);
    EXPECT_EQ(program.Requests().size(), 1u);
}

} // namespace
