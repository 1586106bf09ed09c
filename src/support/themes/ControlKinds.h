#pragma once
// Which of the manager's lists a control belongs to, told by its window's class and style, so
// that a control is known for what it is from the moment its window exists (before the
// columns of a list view are inserted, and before the control's own constructor is done).

#include "support/themes/StyleOptions.h"

#include <optional>
#include <string_view>

namespace tav::themes {

// One per list of the manager.
enum class TControlKind {
    // Not taken over: pictures and frames, which paint themselves whole.
    None,
    Button,
    GroupBox,
    TabSheet,
    Panel,
    ListView,
    TrackBar,
    StatusBar,
    Form,
    WinControl,
};

// `className` as the window's class reports it, `style` its window style. A window that is
// no child is a form, whatever its class.
TControlKind KindOfWindow(std::string_view className, unsigned long style);

// The option that allows taking over a control of `kind`; none for forms, which are always
// taken over, and for what is never taken over.
std::optional<TStyleOption> OptionForKind(TControlKind kind);

// Window class names of the framework's own windows.
inline constexpr std::string_view kPanelWindowClass = "TavPanel";
inline constexpr std::string_view kTabSheetWindowClass = "TavTabSheet";
inline constexpr std::string_view kGraphicWindowClass = "TavGraphic";

} // namespace tav::themes
