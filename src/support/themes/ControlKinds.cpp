#include "support/themes/ControlKinds.h"

#include <cctype>

namespace tav::themes {
namespace {

// Window styles and button types, as the system numbers them.
constexpr unsigned long kChildStyle = 0x40000000UL;
constexpr unsigned long kButtonTypeMask = 0xF;
constexpr unsigned long kGroupBoxType = 7;

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

TControlKind KindOfWindow(std::string_view className, unsigned long style) {
    if ((style & kChildStyle) == 0)
        return TControlKind::Form;
    if (SameText(className, "Button"))
        return (style & kButtonTypeMask) == kGroupBoxType ? TControlKind::GroupBox
                                                          : TControlKind::Button;
    if (SameText(className, kTabSheetWindowClass))
        return TControlKind::TabSheet;
    if (SameText(className, kPanelWindowClass))
        return TControlKind::Panel;
    if (SameText(className, "SysListView32"))
        return TControlKind::ListView;
    if (SameText(className, "msctls_trackbar32"))
        return TControlKind::TrackBar;
    if (SameText(className, "msctls_statusbar32"))
        return TControlKind::StatusBar;
    // Pictures and frames paint themselves whole on their colour.
    if (SameText(className, kGraphicWindowClass))
        return TControlKind::None;
    return TControlKind::WinControl;
}

std::optional<TStyleOption> OptionForKind(TControlKind kind) {
    switch (kind) {
    case TControlKind::Button:
        return soTakeOverButtons;
    case TControlKind::GroupBox:
        return soTakeOverGroupBox;
    case TControlKind::TabSheet:
        return soTakeOverTabSheet;
    case TControlKind::Panel:
        return soTakeOverPanel;
    case TControlKind::ListView:
        return soTakeOverListView;
    case TControlKind::TrackBar:
        return soTakeOverTrackBar;
    case TControlKind::StatusBar:
        return soTakeOverStatusBar;
    case TControlKind::WinControl:
        return soTakeOverWinControl;
    default:
        return std::nullopt;
    }
}

} // namespace tav::themes
