#pragma once
// What the action editor holds: the chosen type, the details of every type and the options,
// as plain values. The dialog shows these values and reads them back; the action string is
// made from them and read into them only through the action-string codec.

#include "engine/actions/ActionString.h"
#include "ui/action/EditorLists.h"

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The items of the editor's type list, in its order; each item edits its kinds of action.
enum class TActionType {
    TapKey,
    MouseMove,
    ExecuteProgram,
    PostMessage,
    Volume,
    Miscellaneous,
    SendData
};
inline constexpr int kActionTypeCount = 7;

enum class TMouseOption { Click, RelativeMove, AbsoluteMove };
enum class TMiscOption { Shutdown, WindowState, Osd };

// An item index of -1 means the list has nothing chosen.
struct TActionEditorValues {
    TActionType Type = TActionType::TapKey;

    bool SystemKey = true; // else the particular keys
    int SystemKeyIndex = 0;
    std::string Keys;
    KeyModifiers Modifiers;

    TMouseOption Mouse = TMouseOption::Click;
    int ClickType = 0;
    bool DoubleClick = false;
    int Direction = 0;
    int Acceleration = 5;
    int X = 0;
    int Y = 0;

    bool TryFirst = false;
    std::string TryWindow;
    std::string FileName;
    std::string Params;
    bool Suspend = false;

    bool WindowsMessage = true; // else a user message
    std::string WindowsMessageName;
    std::string UserMessageName;
    std::string WParam = "0";
    std::string LParam = "0";

    int Mixer = -1;
    int Destination = -1;
    int Line = -1;
    bool Mute = false;
    int VolumeStep = 0; // 0 up, 1 down
    int Increment = 5;

    TMiscOption Misc = TMiscOption::Shutdown;
    int ShutdownCode = 0;
    int WindowStateCode = 0;
    std::string OsdText;

    SendDataSource Data = SendDataSource::Stream;
    std::string Stream;
    std::string DataFile;

    int Delay = 0;
    std::string DestinationWindow;
    bool KeepActive = false;

    bool operator==(const TActionEditorValues&) const = default;
};

// What the editor's lists and boxes can hold beside its fixed lists: the Windows messages, the
// system keys of this platform, the mixer devices and the screen that positions lie on.
struct TEditorLists {
    std::vector<std::string> WindowsMessages;
    int SystemKeys = 0;
    std::vector<TMixerDeviceLines> Mixers;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
};

// The ranges of the delay's box and of the acceleration's and the increment's bars.
inline constexpr int kMaxActionDelay = 32767;
inline constexpr int kMinBarStep = 1;
inline constexpr int kMaxBarStep = 10;

// A value of the editor, named by the control whose caption asks for it.
enum class TEditorValue {
    None,
    SystemKey,
    ParticularKeys,
    Modifiers,
    Click,
    DoubleClick,
    RelativeMove,
    Acceleration,
    AbsoluteMove,
    TryWindow,
    FileName,
    Params,
    Suspend,
    WindowsMessage,
    UserMessage,
    WParam,
    LParam,
    Mixer,
    Destination,
    Line,
    Volume,
    Increment,
    Shutdown,
    WindowState,
    OsdText,
    Stream,
    DataFile,
    Delay,
    DestinationWindow,
    KeepActive,
};

// A number the chosen type stores, with the items or the range of the control that shows it:
// out of a list's items the list shows nothing, out of a range a box or a bar shows its end.
struct TBoundedValue {
    TEditorValue Value;
    int TActionEditorValues::*Field;
    int Low;
    int High;
    bool List;
    // Whether the control can show the number that `values` hold.
    bool Shows(const TActionEditorValues& values) const {
        return values.*Field >= Low && values.*Field <= High;
    }
};
std::vector<TBoundedValue> BoundedValues(const TActionEditorValues& values,
                                         const TEditorLists& lists);

// The fields of the chosen type's action, and its action string.
ActionFields EditorActionFields(const TActionEditorValues& values);
std::string ComposeEditorAction(const TActionEditorValues& values);

// The string's type and details over `values`; what the string does not name stays. A Windows
// message is a name of `lists` in its own spelling, any other name a user message. Throws,
// leaving `values` as they were, for a string of no kind, one whose fields do not read, and one
// that the editor cannot show as it is: a value out of its list or its range, or one that the
// editor would store otherwise.
TActionEditorValues LoadEditorAction(std::string_view action, const TActionEditorValues& values,
                                     const TEditorLists& lists);

} // namespace tav
