#pragma once
// What the action editor holds: the chosen type, the details of every type and the options,
// as plain values. The dialog shows these values and reads them back; the action string is
// made from them and read into them only through the action-string codec.

#include "engine/actions/ActionString.h"

#include <optional>
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

// The fields of the chosen type's action, and its action string.
ActionFields EditorActionFields(const TActionEditorValues& values);
std::string ComposeEditorAction(const TActionEditorValues& values);

// The string's type and details over `values`; what the string does not name stays. A Windows
// message is one of `windowsMessages` (letter case aside; the list's spelling is taken), any
// other name a user message. Empty when `action` has no kind. Throws for a string whose fields
// do not read, leaving `values` as they were.
std::optional<TActionEditorValues>
LoadEditorAction(std::string_view action, const TActionEditorValues& values,
                 const std::vector<std::string>& windowsMessages);

} // namespace tav
