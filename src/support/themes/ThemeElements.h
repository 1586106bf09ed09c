#pragma once
// The theme classes the program draws with and the numbering of their elements: each control
// family numbers its elements from 0 (any part) and 1 (the class as a whole) on, and each
// number stands for one part of the visual-style library in one state.

namespace tav::themes {

enum TThemeClass : int {
    tcButton,
    tcClock,
    tcComboBox,
    tcEdit,
    tcExplorerBar,
    tcHeader,
    tcListView,
    tcMenu,
    tcPage,
    tcProgress,
    tcRebar,
    tcScrollBar,
    tcSpin,
    tcStartPanel,
    tcStatus,
    tcTab,
    tcTaskBand,
    tcTaskBar,
    tcToolBar,
    tcToolTip,
    tcTrackBar,
    tcTrayNotify,
    tcTreeView,
    tcWindow,
};
constexpr int kThemeClassCount = 24;

// The name the library knows a class by; none outside 0..23.
const wchar_t* ThemeClassName(int themeClass);

// What a drawing call takes: the theme class, the part and the state.
struct ElementDetails {
    int Element = 0;
    int Part = 0;
    int State = 0;
    bool operator==(const ElementDetails&) const = default;
};

// Element numbers the painting uses by name.
constexpr int kButtonPushNormal = 2;
constexpr int kButtonCheckUncheckedNormal = 15;
constexpr int kButtonCheckCheckedNormal = 19;
constexpr int kButtonCheckMixedNormal = 23;
constexpr int kButtonGroupBoxNormal = 27;
constexpr int kButtonGroupBoxDisabled = 28;
constexpr int kEditTextNormal = 2;
constexpr int kRebarBand = 4;
constexpr int kStatusRoot = 1;
constexpr int kTabBody = 43;

ElementDetails ButtonPart(int element);
ElementDetails EditPart(int element);
ElementDetails RebarPart(int element);
ElementDetails StatusPart(int element);
ElementDetails TabPart(int element);
ElementDetails ToolBarPart(int element);
ElementDetails TrackBarPart(int element);

} // namespace tav::themes
