#pragma once
// What the theme manager may do, one bit per option.

#include <cstdint>

namespace tav::themes {

enum TStyleOption : unsigned {
    soAllowNonClientArea,
    soAllowControls,
    soAllowWebContent,
    soTakeOverAnimate,
    soTakeOverButtons,
    soTakeOverCheckListbox,
    soTakeOverDBLookup,
    soTakeOverFrame,
    soTakeOverGroupBox,
    soTakeOverListView,
    soTakeOverPanel,
    soTakeOverTabSheet,
    soTakeOverSpeedButtons,
    soTakeOverStatusBar,
    soTakeOverTrackBar,
    soTakeOverWinControl,
    soResetMouseCapture,
    soSetTransparency,
    soAlternateTabSheetDraw,
};

using TStyleOptions = std::uint32_t;

constexpr TStyleOptions Option(TStyleOption o) {
    return TStyleOptions{1} << o;
}
constexpr bool Has(TStyleOptions set, TStyleOption o) {
    return (set & Option(o)) != 0;
}

// Every option but taking over animations and the alternate drawing of tab sheets.
constexpr TStyleOptions kDefaultStyleOptions = 0x3FFF7;
static_assert(kDefaultStyleOptions ==
              ((Option(soAlternateTabSheetDraw) << 1) - 1 - Option(soTakeOverAnimate) -
               Option(soAlternateTabSheetDraw)));

// The first three options are the library's application theme properties, bit for bit.
constexpr TStyleOptions kThemeAppPropertyBits = 0x7;

} // namespace tav::themes
