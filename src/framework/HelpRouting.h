#pragma once
// The way every help request of the program takes: F1, a Help button, a keyword, a topic or
// the table of contents become plain help commands of the application, which its help hook
// answers. A request for a shown control first tells where that control is, so that a viewer
// can put a popup beside it. Portable: the target is the application on Windows and a
// recorder in the tests.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tav {

// The help commands, numbered as the platform's WinHelp commands, for code that does not
// include <windows.h>.
namespace helpcmd {
inline constexpr unsigned Context = 1;
inline constexpr unsigned Quit = 2;
inline constexpr unsigned Contents = 3; // also the index
inline constexpr unsigned HelpOnHelp = 4;
inline constexpr unsigned SetContents = 5;
inline constexpr unsigned ContextPopup = 8;
inline constexpr unsigned ForceFile = 9;
inline constexpr unsigned ContextMenu = 10;
inline constexpr unsigned Finder = 11;
inline constexpr unsigned WmHelp = 12;
inline constexpr unsigned SetPopupPos = 13;
inline constexpr unsigned Key = 0x101;
inline constexpr unsigned Command = 0x102;
inline constexpr unsigned PartialKey = 0x105;
inline constexpr unsigned MultiKey = 0x201;
inline constexpr unsigned SetWinPos = 0x203;
} // namespace helpcmd

// A command's data is pointer-sized: a context number, a packed point or the address of a
// zero-terminated text, whole on 64-bit Windows too.
using THelpData = std::uintptr_t;

struct THelpPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const THelpPoint&) const = default;
};

// A point as the popup-position command carries it: x in the low and y in the high 16 bits,
// each a signed 16-bit value.
THelpData PackHelpPoint(THelpPoint point);
THelpPoint UnpackHelpPoint(THelpData data);

// What a help request goes to.
class IHelpTarget {
public:
    virtual ~IHelpTarget() = default;
    // The top-left client corner, in screen coordinates, of the control nearest the focus (the
    // focused one or a parent of it) that has help of its own; none when no such control has
    // the focus.
    virtual std::optional<THelpPoint> FocusedHelpCorner() = 0;
    // The application's help command; the answer is its help hook's.
    virtual bool HelpCommand(unsigned command, THelpData data) = 0;
};

// Keywords and topics longer than this are cut before they are sent.
inline constexpr std::size_t kHelpTextLimit = 255;

// Each sends the popup position first where the request has one, then its command; the answer
// is the last command's.
bool RouteHelpContext(IHelpTarget& target, int context);
bool RouteHelpKeyword(IHelpTarget& target, std::string_view keyword);
// A topic is looked up as a keyword with "zzz" after it.
bool RouteHelpTopic(IHelpTarget& target, std::string_view topic);
bool RouteHelpContents(IHelpTarget& target);

} // namespace tav
