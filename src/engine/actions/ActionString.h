#pragma once
// The action string: one action of an action item as one line of Windows-1252 text, a kind
// marker "\xA1" + name + "\xA1" at the start followed by keyed fields in the kind's fixed order.
// The same text is stored, edited, shown and executed, so parsing keeps every character: each
// field holds the exact text it was read from, and composing writes those texts back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tav {

// Declaration order is the alternative order of ActionFields::fields.
enum class ActionKind {
    SendKeys,
    MouseControl,
    ExecuteProgram,
    PostMessage,
    Mixer,
    Shutdown,
    WindowState,
    OSD,
    SendData
};

// "SendKeys", "MouseControl", ... (without the marker characters).
std::string_view ActionKindName(ActionKind kind);
// The whole marker, e.g. "\xA1SendKeys\xA1".
std::string ActionMarker(ActionKind kind);

// One field of an action string. `text` is what the string holds for it (without its key) and
// is what composing writes; `value` is the reading of that text, empty when the text does not
// read as a value of the field or when the key was not found. A field whose key was not found
// (`present` false) writes no key when composed, so an incomplete string comes back unchanged.
template <typename T> struct ActionField {
    std::string text;
    std::optional<T> value;
    bool present = true;

    bool Valid() const { return present && value.has_value(); }
    bool operator==(const ActionField&) const = default;
};

using TextField = ActionField<std::string>;
using NumberField = ActionField<std::int32_t>;
using FlagField = ActionField<bool>;

// Fields built from values, written the way the action editor writes them.
TextField TextValue(std::string text);
NumberField NumberValue(std::int32_t value); // decimal
FlagField YesNoValue(bool value);            // "Y" or "N"

// Readings shared by the parser and the executor.
std::optional<std::int32_t> ReadActionNumber(std::string_view text);
std::optional<std::int32_t> ReadActionDigit(std::string_view text); // exactly one "0".."9"

// Position 13 of a tap key holds Shift or the Windows key, never both.
enum class ShiftOrWindows {
    None,          // "N"
    Shift,         // "S"
    Windows,       // "L"
    WindowsLegacy, // "R": listed as the Windows key, but pressing gives it no meaning
};

// Item indexes of the action editor's lists; the stored numbers are these indexes.
enum class ClickType {
    Left,
    Middle,
    Right,
    LeftDown,
    LeftUp,
    MiddleDown,
    MiddleUp,
    RightDown,
    RightUp
};
enum class MoveDirection { Up, UpLeft, UpRight, Left, Right, Down, DownLeft, DownRight };
enum class VolumeOperation { Up = 0, Down = 1, ToggleMute = 3 };
enum class ShutdownCode { LogOff, Reboot, Shutdown, Suspend, Hibernate };
enum class WindowStateCode { Minimize, Maximize, Restore, Close };

struct SendKeysFields {
    FlagField alt;                              // position 11: "A" or "N"
    FlagField ctrl;                             // position 12: "C" or "N"
    ActionField<ShiftOrWindows> shiftOrWindows; // position 13
    FlagField systemKey;                        // position 14: "E" system key, "N" literal keys
    TextField key;                              // from position 15 up to "Delay:"
    TextField destination;                      // "DestWnd:"
    FlagField keepActive;                       // "KeepActive:"

    // The system-key index when position 14 says system key and the key text is a number.
    std::optional<std::int32_t> SystemKeyIndex() const;
    bool operator==(const SendKeysFields&) const = default;
};

struct MouseClick {
    NumberField button;    // one digit, a ClickType
    FlagField doubleClick; // "Y" or "N" right after the digit
    bool operator==(const MouseClick&) const = default;
};
struct MouseRelativeMove {
    NumberField direction;    // one digit, a MoveDirection
    NumberField acceleration; // "Accel:"
    bool operator==(const MouseRelativeMove&) const = default;
};
struct MouseAbsoluteMove {
    NumberField x; // "X"
    NumberField y; // "Y"
    bool operator==(const MouseAbsoluteMove&) const = default;
};
// Text before "Delay:" that starts with none of the three variant keys; never valid.
struct MouseUnknownMove {
    TextField text;
    bool operator==(const MouseUnknownMove&) const = default;
};
struct MouseControlFields {
    // monostate: no variant chosen (the editor writes this when no option is checked).
    std::variant<std::monostate, MouseClick, MouseRelativeMove, MouseAbsoluteMove, MouseUnknownMove>
        move;
    bool operator==(const MouseControlFields&) const = default;
};

struct ExecuteProgramFields {
    TextField tryWindow; // "Try:" window title and optional ", " class; empty = option off
    TextField fileName;  // "Filename:"
    TextField params;    // "Params:"
    FlagField suspend;   // "Suspend:"
    bool operator==(const ExecuteProgramFields&) const = default;
};

struct PostMessageFields {
    TextField message; // message name up to "wParam:"
    TextField wParam;  // hexadecimal text, read by the executor
    TextField lParam;
    TextField destination; // "DestWnd:"
    FlagField keepActive;  // "KeepActive:"
    bool operator==(const PostMessageFields&) const = default;
};

struct MixerFields {
    NumberField mixer;       // up to "D:"
    NumberField destination; // "D:"
    NumberField line;        // "C:" 0 = the destination itself, k = its connection k - 1
    NumberField operation;   // "Vol:" one digit, a VolumeOperation
    NumberField increment;   // "Inc:" percent of full scale
    bool operator==(const MixerFields&) const = default;
};

struct ShutdownFields {
    NumberField code; // a ShutdownCode
    bool operator==(const ShutdownFields&) const = default;
};
struct WindowStateFields {
    NumberField code; // a WindowStateCode
    bool operator==(const WindowStateFields&) const = default;
};
struct OsdFields {
    TextField text;
    bool operator==(const OsdFields&) const = default;
};

enum class SendDataSource { None, Stream, File };
struct SendDataFields {
    SendDataSource source = SendDataSource::None;
    TextField data; // hexadecimal digits after "Stream:", or the path after "File:"
    bool operator==(const SendDataFields&) const = default;
};

// The typed reading of one action string.
struct ActionFields {
    std::variant<SendKeysFields, MouseControlFields, ExecuteProgramFields, PostMessageFields,
                 MixerFields, ShutdownFields, WindowStateFields, OsdFields, SendDataFields>
        fields;
    NumberField delay; // "Delay:" milliseconds before the item's next action

    ActionKind Kind() const { return static_cast<ActionKind>(fields.index()); }
    bool operator==(const ActionFields&) const = default;
};

// Reads a string whose marker stands at its very start; a marker anywhere else does not make a
// kind (an on-screen text must never turn into a shutdown). Empty when no marker starts it.
// Keys are found in their order, each after the previous one; a missing key or unreadable text
// yields a field that is not valid, and the text is kept either way.
std::optional<ActionFields> ParseAction(std::string_view s);

// Writes the marker and every field's key and text. ComposeAction(*ParseAction(s)) == s.
std::string ComposeAction(const ActionFields& action);

// Names of the fields that are missing or do not read ("Delay:", "Click:", "key", ...), in the
// string's order; empty for a well-formed action.
std::vector<std::string> InvalidActionFields(const ActionFields& action);
inline bool IsWellFormed(const ActionFields& action) {
    return InvalidActionFields(action).empty();
}

// Tap-key fields the way the editor's check boxes write them: Shift first, then the Windows key
// over it, so both checked store the Windows key.
struct KeyModifiers {
    bool alt = false;
    bool ctrl = false;
    bool shift = false;
    bool windows = false;
    bool operator==(const KeyModifiers&) const = default;
};
// `key` is a system-key index or the literal keys.
SendKeysFields MakeSendKeys(const KeyModifiers& modifiers,
                            const std::variant<std::int32_t, std::string>& key,
                            std::string destination, bool keepActive);

} // namespace tav
