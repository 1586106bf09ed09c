#include "engine/actions/ActionString.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

const char* const kGolden[] = {
    "\xA1SendKeys\xA1NCNE9Delay:0DestWnd:KeepActive:N",
    "\xA1MouseControl\xA1RelMove:6Accel:5Delay:250",
    "\xA1"
    "ExecuteProgram\xA1Try:Filename:C:\\Tools\\viewer.exeParams:/fSuspend:NDelay:0",
    "\xA1PostMessage\xA1WM_CLOSEwParam:0lParam:0Delay:0DestWnd:KeepActive:N",
    "\xA1Mixer\xA1"
    "0D:0C:2Vol:1Inc:5Delay:0",
    "\xA1SendData\xA1Stream:0D0AFFDelay:0",
};

ActionFields Parsed(std::string_view s) {
    auto action = ParseAction(s);
    EXPECT_TRUE(action.has_value()) << s;
    return action.value_or(ActionFields{});
}

// Copies, so that readings of a temporary parse stay alive.
template <typename T> T As(const ActionFields& a) {
    return std::get<T>(a.fields);
}
template <typename T> T MoveOf(const ActionFields& a) {
    return std::get<T>(std::get<MouseControlFields>(a.fields).move);
}

} // namespace

TEST(ActionStringRoundTrip, GoldenStringsAreWellFormedAndComposeBackByteForByte) {
    for (const char* s : kGolden) {
        const ActionFields a = Parsed(s);
        EXPECT_TRUE(IsWellFormed(a)) << s;
        EXPECT_EQ(ComposeAction(a), s);
    }
}

TEST(ActionStringRoundTrip, StringsTheEditorWritesForEveryKind) {
    const char* const strings[] = {
        "\xA1SendKeys\xA1"
        "ACLNa1 B!Delay:500DestWnd:Untitled - Notepad, NotepadKeepActive:Y",
        "\xA1MouseControl\xA1"
        "Click:2YDelay:0",
        "\xA1MouseControl\xA1"
        "AbsMove:X1024Y768Delay:0",
        "\xA1MouseControl\xA1"
        "Delay:250",
        "\xA1"
        "ExecuteProgram\xA1Try:Media, MediaClassFilename:C:\\m.exeParams:Suspend:YDelay:0",
        "\xA1Mixer\xA1"
        "1D:0C:0Vol:3Inc:5Delay:0",
        "\xA1Shutdown\xA1"
        "4Delay:0",
        "\xA1WindowState\xA1"
        "3Delay:32767",
        "\xA1OSD\xA1"
        "Caf\xE9 \xA1"
        "Delay:0",
        "\xA1SendData\xA1"
        "File:C:\\data.binDelay:0",
        "\xA1SendData\xA1"
        "Delay:0",
    };
    for (const char* s : strings) {
        const ActionFields a = Parsed(s);
        EXPECT_TRUE(IsWellFormed(a)) << s;
        EXPECT_EQ(ComposeAction(a), s);
    }
}

TEST(ActionStringKinds, TapKeyPositionsAndFields) {
    const auto& k = As<SendKeysFields>(Parsed(kGolden[0]));
    EXPECT_EQ(k.alt.value, false);
    EXPECT_EQ(k.ctrl.value, true);
    EXPECT_EQ(k.shiftOrWindows.value, ShiftOrWindows::None);
    EXPECT_EQ(k.systemKey.value, true);
    EXPECT_EQ(k.SystemKeyIndex(), 9);
    EXPECT_EQ(k.destination.value, "");
    EXPECT_EQ(k.keepActive.value, false);

    const ActionFields literal = Parsed("\xA1SendKeys\xA1"
                                        "ANRNa1 B!Delay:500DestWnd:Calc, SciCalcKeepActive:Y");
    const auto& l = As<SendKeysFields>(literal);
    EXPECT_EQ(l.alt.value, true);
    EXPECT_EQ(l.shiftOrWindows.value, ShiftOrWindows::WindowsLegacy);
    EXPECT_EQ(l.systemKey.value, false);
    EXPECT_EQ(l.key.value, "a1 B!");
    EXPECT_EQ(l.SystemKeyIndex(), std::nullopt);
    EXPECT_EQ(literal.delay.value, 500);
    EXPECT_EQ(l.destination.value, "Calc, SciCalc");
    EXPECT_EQ(l.keepActive.value, true);
}

TEST(ActionStringKinds, MouseVariants) {
    const ActionFields rel = Parsed(kGolden[1]);
    const auto& r = MoveOf<MouseRelativeMove>(rel);
    EXPECT_EQ(r.direction.value, static_cast<int>(MoveDirection::DownLeft));
    EXPECT_EQ(r.acceleration.value, 5);
    EXPECT_EQ(rel.delay.value, 250);

    const auto& c = MoveOf<MouseClick>(Parsed("\xA1MouseControl\xA1"
                                              "Click:7YDelay:0"));
    EXPECT_EQ(c.button.value, static_cast<int>(ClickType::RightDown));
    EXPECT_EQ(c.doubleClick.value, true);

    const auto& abs = MoveOf<MouseAbsoluteMove>(Parsed("\xA1MouseControl\xA1"
                                                       "AbsMove:X12Y34Delay:0"));
    EXPECT_EQ(abs.x.value, 12);
    EXPECT_EQ(abs.y.value, 34);

    EXPECT_TRUE(
        std::holds_alternative<std::monostate>(As<MouseControlFields>(Parsed("\xA1MouseControl\xA1"
                                                                             "Delay:0"))
                                                   .move));
}

TEST(ActionStringKinds, ProgramMessageMixerMiscellaneousAndData) {
    const auto& e = As<ExecuteProgramFields>(Parsed(kGolden[2]));
    EXPECT_EQ(e.tryWindow.value, "");
    EXPECT_EQ(e.fileName.value, "C:\\Tools\\viewer.exe");
    EXPECT_EQ(e.params.value, "/f");
    EXPECT_EQ(e.suspend.value, false);

    const auto& p = As<PostMessageFields>(Parsed(kGolden[3]));
    EXPECT_EQ(p.message.value, "WM_CLOSE");
    EXPECT_EQ(p.wParam.value, "0");
    EXPECT_EQ(p.lParam.value, "0");

    const auto& m = As<MixerFields>(Parsed(kGolden[4]));
    EXPECT_EQ(m.mixer.value, 0);
    EXPECT_EQ(m.destination.value, 0);
    EXPECT_EQ(m.line.value, 2);
    EXPECT_EQ(m.operation.value, static_cast<int>(VolumeOperation::Down));
    EXPECT_EQ(m.increment.value, 5);

    EXPECT_EQ(As<ShutdownFields>(Parsed("\xA1Shutdown\xA1"
                                        "2Delay:0"))
                  .code.value,
              2);
    EXPECT_EQ(As<WindowStateFields>(Parsed("\xA1WindowState\xA1"
                                           "1Delay:0"))
                  .code.value,
              1);
    EXPECT_EQ(As<OsdFields>(Parsed("\xA1OSD\xA1"
                                   "Current timeDelay:0"))
                  .text.value,
              "Current time");

    const auto& stream = As<SendDataFields>(Parsed(kGolden[5]));
    EXPECT_EQ(stream.source, SendDataSource::Stream);
    EXPECT_EQ(stream.data.value, "0D0AFF");
    const auto& file = As<SendDataFields>(Parsed("\xA1SendData\xA1"
                                                 "File:a.binDelay:0"));
    EXPECT_EQ(file.source, SendDataSource::File);
    EXPECT_EQ(file.data.value, "a.bin");
}

TEST(ActionStringCompose, BuiltFieldsWriteWhatTheEditorWrites) {
    ActionFields keys{MakeSendKeys({.ctrl = true}, 9, "", false), NumberValue(0)};
    EXPECT_EQ(ComposeAction(keys), kGolden[0]);

    // Shift is written first and the Windows key over it.
    const auto both = MakeSendKeys({.shift = true, .windows = true}, std::string("x"), "", true);
    EXPECT_EQ(both.shiftOrWindows.text, "L");
    EXPECT_EQ(both.shiftOrWindows.value, ShiftOrWindows::Windows);
    EXPECT_EQ(ComposeAction({both, NumberValue(250)}),
              "\xA1SendKeys\xA1NNLNxDelay:250DestWnd:KeepActive:Y");

    ActionFields mouse{MouseControlFields{MouseRelativeMove{NumberValue(6), NumberValue(5)}},
                       NumberValue(250)};
    EXPECT_EQ(ComposeAction(mouse), kGolden[1]);

    ActionFields mixer{
        MixerFields{NumberValue(0), NumberValue(0), NumberValue(2), NumberValue(1), NumberValue(5)},
        NumberValue(0)};
    EXPECT_EQ(ComposeAction(mixer), kGolden[4]);

    ActionFields program{ExecuteProgramFields{TextValue(""), TextValue("C:\\Tools\\viewer.exe"),
                                              TextValue("/f"), YesNoValue(false)},
                         NumberValue(0)};
    EXPECT_EQ(ComposeAction(program), kGolden[2]);
    EXPECT_EQ(Parsed(kGolden[2]), program);
}

TEST(ActionStringMends, OnlyAMarkerAtTheStartMakesAKind) {
    EXPECT_FALSE(ParseAction("x\xA1Shutdown\xA1"
                             "2Delay:0"));
    EXPECT_FALSE(ParseAction(""));
    EXPECT_FALSE(ParseAction("\xA1Reboot\xA1"
                             "Delay:0"));
    EXPECT_FALSE(ParseAction("\xA1shutdown\xA1"
                             "2Delay:0"));

    // An on-screen text that holds another kind's marker stays an on-screen text.
    const ActionFields osd = Parsed("\xA1OSD\xA1"
                                    "see \xA1Shutdown\xA1"
                                    "2Delay:0");
    EXPECT_EQ(osd.Kind(), ActionKind::OSD);
    EXPECT_EQ(As<OsdFields>(osd).text.value, "see \xA1Shutdown\xA1"
                                             "2");
}

TEST(ActionStringMends, MissingKeysGiveInvalidFieldsAndLoseNoText) {
    // A line cut short by the configuration reader loses its last keys.
    const std::string cut = "\xA1SendKeys\xA1NNNNabcDelay:0DestWnd:Some long ti";
    const ActionFields a = Parsed(cut);
    const auto& k = As<SendKeysFields>(a);
    EXPECT_EQ(k.destination.value, "Some long ti");
    EXPECT_FALSE(k.keepActive.present);
    EXPECT_FALSE(k.keepActive.Valid());
    EXPECT_EQ(InvalidActionFields(a), std::vector<std::string>{"KeepActive:"});
    EXPECT_EQ(ComposeAction(a), cut);

    // A missing middle key leaves its neighbour's text whole.
    const std::string noAccel = "\xA1MouseControl\xA1RelMove:3Delay:0";
    const ActionFields m = Parsed(noAccel);
    EXPECT_EQ(InvalidActionFields(m), std::vector<std::string>{"Accel:"});
    EXPECT_EQ(ComposeAction(m), noAccel);

    const std::string shortFlags = "\xA1SendKeys\xA1NC";
    EXPECT_EQ(InvalidActionFields(Parsed(shortFlags)),
              (std::vector<std::string>{"Shift or Windows flag", "key kind", "key",
                                        "Delay:", "DestWnd:", "KeepActive:"}));
    EXPECT_EQ(ComposeAction(Parsed(shortFlags)), shortFlags);

    // Text in front of a kind's first key belongs to no field.
    const std::string stray = "\xA1"
                              "ExecuteProgram\xA1xTry:Filename:a.exeParams:Suspend:NDelay:0";
    const ActionFields e = Parsed(stray);
    EXPECT_EQ(InvalidActionFields(e), std::vector<std::string>{"Try:"});
    EXPECT_EQ(ComposeAction(e), stray);
    EXPECT_EQ(InvalidActionFields(Parsed("\xA1MouseControl\xA1Wiggle:1Delay:0")),
              std::vector<std::string>{"mouse move"});
    EXPECT_EQ(InvalidActionFields(Parsed("\xA1SendData\xA1"
                                         "0D0ADelay:0")),
              std::vector<std::string>{"data"});
}

TEST(ActionStringMends, UnreadableFieldsKeepTheirText) {
    const std::string s = "\xA1Mixer\xA1zD:0C:2Vol:12Inc:5Delay:1e3";
    const ActionFields a = Parsed(s);
    const auto& m = As<MixerFields>(a);
    EXPECT_FALSE(m.mixer.Valid());
    EXPECT_EQ(m.mixer.text, "z");
    EXPECT_FALSE(m.operation.Valid());
    EXPECT_EQ(a.delay.text, "1e3");
    EXPECT_EQ(InvalidActionFields(a), (std::vector<std::string>{"mixer", "Vol:", "Delay:"}));
    EXPECT_EQ(ComposeAction(a), s);

    // The number after a system-key flag must be a number.
    EXPECT_EQ(InvalidActionFields(Parsed("\xA1SendKeys\xA1NNNEEscDelay:0DestWnd:KeepActive:N")),
              std::vector<std::string>{"key"});
    // Flags hold only their letters; "KeepActive:" is exactly one of "Y" and "N".
    EXPECT_EQ(InvalidActionFields(Parsed("\xA1SendKeys\xA1XNNNaDelay:0DestWnd:KeepActive:NY")),
              (std::vector<std::string>{"Alt flag", "KeepActive:"}));
    EXPECT_EQ(InvalidActionFields(Parsed("\xA1MouseControl\xA1"
                                         "Click:9Delay:0")),
              std::vector<std::string>{"double click"});
    EXPECT_EQ(InvalidActionFields(Parsed("\xA1MouseControl\xA1"
                                         "Click:x2NDelay:0")),
              (std::vector<std::string>{"Click:", "double click"}));
}

TEST(ActionStringFields, KeysAreFoundInOrderAndValuesAreNotEscaped) {
    // A value holding the next key is cut there.
    const ActionFields cut = Parsed("\xA1OSD\xA1"
                                    "Delay: soonDelay:0");
    EXPECT_EQ(As<OsdFields>(cut).text.value, "");
    EXPECT_FALSE(cut.delay.Valid());

    // A value holding an earlier key does not disturb the fields before it.
    const ActionFields p =
        Parsed("\xA1PostMessage\xA1MY_lParam:wParam:1lParam:2Delay:0DestWnd:wParam:KeepActive:N");
    const auto& m = As<PostMessageFields>(p);
    EXPECT_EQ(m.message.value, "MY_lParam:");
    EXPECT_EQ(m.wParam.value, "1");
    EXPECT_EQ(m.lParam.value, "2");
    EXPECT_EQ(m.destination.value, "wParam:");
    EXPECT_TRUE(IsWellFormed(p));

    // The absolute move is read between the capital X and the capital Y.
    const auto& abs = MoveOf<MouseAbsoluteMove>(Parsed("\xA1MouseControl\xA1"
                                                       "AbsMove:x1Y2Delay:0"));
    EXPECT_FALSE(abs.x.present);
    EXPECT_EQ(abs.x.text, "x1");
}

TEST(ActionStringFields, TrailingFlagsReadWhatTheEditorWroteWhenATextHoldsTheirKey) {
    // A window title holding "KeepActive:" cuts the destination short, but the flag is still the
    // letter the editor wrote last.
    ActionFields keys{MakeSendKeys({}, std::string("a"), "Panel KeepActive:off", true),
                      NumberValue(0)};
    const std::string keysText = ComposeAction(keys);
    const ActionFields k = Parsed(keysText);
    EXPECT_EQ(As<SendKeysFields>(k).destination.value, "Panel ");
    EXPECT_EQ(As<SendKeysFields>(k).keepActive.value, true);
    EXPECT_TRUE(IsWellFormed(k));
    EXPECT_EQ(ComposeAction(k), keysText);

    const std::string post = "\xA1PostMessage\xA1WM_CLOSEwParam:0lParam:0Delay:0"
                             "DestWnd:KeepActive:YesKeepActive:N";
    const ActionFields p = Parsed(post);
    EXPECT_EQ(As<PostMessageFields>(p).keepActive.value, false);
    EXPECT_TRUE(IsWellFormed(p));
    EXPECT_EQ(ComposeAction(p), post);

    // Parameters holding "Suspend:" cut themselves short; the flag is the one before "Delay:".
    ActionFields program{ExecuteProgramFields{TextValue(""), TextValue("tool.exe"),
                                              TextValue("/Suspend:Y"), YesNoValue(false)},
                         NumberValue(0)};
    const std::string programText = ComposeAction(program);
    const ActionFields e = Parsed(programText);
    EXPECT_EQ(As<ExecuteProgramFields>(e).params.value, "/");
    EXPECT_EQ(As<ExecuteProgramFields>(e).suspend.value, false);
    EXPECT_EQ(e.delay.value, 0);
    EXPECT_TRUE(IsWellFormed(e));
    EXPECT_EQ(ComposeAction(e), programText);

    // Only the editor's own key right before the letter counts.
    EXPECT_EQ(InvalidActionFields(Parsed("\xA1SendKeys\xA1NNNNaDelay:0DestWnd:KeepActive:xY")),
              std::vector<std::string>{"KeepActive:"});
}

TEST(ActionStringFields, FlagsReadAsWrittenWhateverKeyATextHolds) {
    const char* const keys[] = {"Delay:",  "DestWnd:", "KeepActive:", "Try:",    "Filename:",
                                "Params:", "Suspend:", "wParam:",     "lParam:", "X"};
    for (const std::string key : keys) {
        const std::string text = "a" + key + "Y";
        for (const bool flag : {false, true}) {
            const ActionFields keysAction{MakeSendKeys({.alt = true}, text, text, flag),
                                          NumberValue(0)};
            const ActionFields program{ExecuteProgramFields{TextValue(text), TextValue(text),
                                                            TextValue(text), YesNoValue(flag)},
                                       NumberValue(0)};
            const ActionFields post{PostMessageFields{TextValue(text), TextValue("0"),
                                                      TextValue("0"), TextValue(text),
                                                      YesNoValue(flag)},
                                    NumberValue(0)};
            const ActionFields k = Parsed(ComposeAction(keysAction));
            EXPECT_EQ(As<SendKeysFields>(k).alt.value, true) << key;
            EXPECT_EQ(As<SendKeysFields>(k).keepActive.value, flag) << key;
            EXPECT_EQ(As<ExecuteProgramFields>(Parsed(ComposeAction(program))).suspend.value, flag)
                << key;
            EXPECT_EQ(As<PostMessageFields>(Parsed(ComposeAction(post))).keepActive.value, flag)
                << key;
        }
    }
}
