#include "engine/keyboard/KeyboardOrigin.h"
#include "engine/serial/SerialFakes.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace tav::testing;

namespace {

struct FakeHook : IKeyboardHook {
    bool loads = true, binds = true, bound = false;
    std::uint32_t startError = 0;
    std::string log;
    bool Load() override { return log += "load ", loads; }
    bool Bind() override { return log += "bind ", bound = binds; }
    bool Bound() const override { return bound; }
    std::uint32_t Start() override { return log += "start ", startError; }
    void Stop() override { log += "stop "; }
};

struct FakeTestView : IOriginTestView {
    TDataFormat format = TDataFormat::Decimal;
    std::vector<std::string> lines;
    bool Visible() const override { return true; }
    TDataFormat Format() const override { return format; }
    void AddLine(const std::string& line) override { lines.push_back(line); }
};

struct KeyboardOrigin : ::testing::Test, SerialOriginWorld {
    FakeHook hook;
    TKeyboardOrigin origin{codes, hook, [](const std::string& s) { return "~" + s; }, boxes.Fn(),
                           [](std::uint32_t flags) { return "key " + IntToHex(flags, 8); }};
};

TEST_F(KeyboardOrigin, OpensByStoppingAndStartingTheLibraryOrSaysWhatFailed) {
    EXPECT_TRUE(origin.OpenKeyboardHook(false)) << "nothing runs, nothing fails to stop";
    hook.loads = false;
    EXPECT_FALSE(origin.OpenKeyboardHook(true));
    hook.loads = true;
    hook.binds = false;
    EXPECT_FALSE(origin.OpenKeyboardHook(true));
    hook.binds = true;
    hook.startError = 6;
    EXPECT_FALSE(origin.OpenKeyboardHook(true));
    hook.startError = 0;
    EXPECT_TRUE(origin.OpenKeyboardHook(true));
    EXPECT_TRUE(origin.OpenKeyboardHook(false));
    EXPECT_EQ(hook.log, "load load bind load bind stop start load bind stop start stop ");
    ASSERT_EQ(boxes.shown.size(), 3u);
    EXPECT_EQ(boxes.shown[0].Text, "Cannot load VARDOK.DLL");
    EXPECT_EQ(boxes.shown[1].Text, "Cannot link with VARDOK.DLL");
    EXPECT_EQ(boxes.shown[2].Text + boxes.shown[2].Caption,
              "Cannot start VARDOK.DLL, Error: 6~Initialization result");
}

// Keystroke flags of the key with scan code 0x1E: a press, and its release.
TEST_F(KeyboardOrigin, APressIsOneCodeAndAReleaseNone) {
    EXPECT_EQ(KeyboardCode(0x011C0001), 0x11C) << "extended keys have bit 8";
    EXPECT_EQ(KeyboardCode(0xC01E0001), std::nullopt) << "bit 31 of the 32-bit flags";
    EXPECT_EQ(KeyboardCode(0), std::nullopt);
    Learn(doc, *doc.AddCommand(doc.AddRemote("Keyboard"), "A")->Data(), {0x1E});
    origin.WMKeyboardHook(0x001E0001);
    origin.WMKeyboardHook(0xC01E0001);
    EXPECT_NE(doc.LastFiredCommand, nullptr);
    EXPECT_EQ(fake.tree.selections.size(), 1u);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());

    FakeTestView view;
    codes.SetTestView(&view);
    for (TDataFormat format :
         {TDataFormat::Decimal, TDataFormat::Hexadecimal, TDataFormat::Ascii}) {
        view.format = format;
        origin.WMKeyboardHook(0x001E0001);
        origin.WMKeyboardHook(0xC01E0001);
    }
    EXPECT_EQ(view.lines, (std::vector<std::string>{"30", "1E", "key 001E0001"}));
    EXPECT_EQ(fake.tree.selections.size(), 1u) << "a test shows codes and fires nothing";
}

} // namespace
