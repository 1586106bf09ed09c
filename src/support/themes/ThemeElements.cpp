#include "support/themes/ThemeElements.h"

#include <initializer_list>

namespace tav::themes {
namespace {

// Element numbers first..last are one part, in as many states; the part numbers are the
// library's published ones.
struct PartRange {
    int First;
    int Last;
    int Part;
};

ElementDetails Map(int themeClass, std::initializer_list<PartRange> ranges, int element) {
    for (const PartRange& r : ranges)
        if (element >= r.First && element <= r.Last)
            return {themeClass, r.Part, element - r.First + 1};
    return {themeClass, 0, element + 1};
}

} // namespace

const wchar_t* ThemeClassName(int themeClass) {
    static const wchar_t* const kNames[kThemeClassCount] = {
        L"button",   L"clock",      L"combobox", L"edit",       L"explorerbar", L"header",
        L"listview", L"menu",       L"page",     L"progress",   L"rebar",       L"scrollbar",
        L"spin",     L"startpanel", L"status",   L"tab",        L"taskband",    L"taskbar",
        L"toolbar",  L"tooltip",    L"trackbar", L"traynotify", L"treeview",    L"window"};
    return themeClass >= 0 && themeClass < kThemeClassCount ? kNames[themeClass] : nullptr;
}

ElementDetails ButtonPart(int element) {
    // Check boxes run in three groups of four: unchecked, checked, mixed.
    return Map(tcButton, {{2, 6, 1}, {7, 14, 2}, {15, 26, 3}, {27, 28, 4}, {29, 29, 5}}, element);
}

ElementDetails EditPart(int element) {
    return Map(tcEdit, {{2, 8, 1}, {9, 9, 2}}, element);
}

ElementDetails RebarPart(int element) {
    return Map(tcRebar, {{2, 2, 1}, {3, 3, 2}, {4, 9, 3}, {10, 13, 4}, {14, 17, 5}}, element);
}

ElementDetails StatusPart(int element) {
    return Map(tcStatus, {{2, 2, 1}, {3, 3, 2}, {4, 4, 3}}, element);
}

ElementDetails TabPart(int element) {
    return Map(tcTab,
               {{2, 6, 1},
                {7, 11, 2},
                {12, 16, 3},
                {17, 21, 4},
                {22, 26, 5},
                {27, 31, 6},
                {32, 36, 7},
                {37, 41, 8},
                {42, 42, 9},
                {43, 43, 10}},
               element);
}

ElementDetails ToolBarPart(int element) {
    return Map(tcToolBar,
               {{2, 7, 1}, {8, 13, 2}, {14, 19, 3}, {20, 25, 4}, {26, 31, 5}, {32, 37, 6}},
               element);
}

ElementDetails TrackBarPart(int element) {
    return Map(tcTrackBar,
               {{2, 2, 1},
                {3, 3, 2},
                {4, 8, 3},
                {9, 13, 4},
                {14, 18, 5},
                {19, 23, 6},
                {24, 28, 7},
                {29, 33, 8},
                {34, 34, 9},
                {35, 35, 10}},
               element);
}

} // namespace tav::themes
