#pragma once
// Menu shortcuts: a virtual-key code with modifier bits, and its display text.

#include <cstdint>
#include <string>

namespace tav {

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// `key` is a virtual-key code (0-255); `modifiers` any of scShift, scCtrl, scAlt.
constexpr TShortCut ShortCut(unsigned key, TShortCut modifiers) {
    return static_cast<TShortCut>((key & 0xFF) | modifiers);
}

// "Ctrl+E", "Shift+F2", "Del"; empty for 0 or a key without a name.
std::string ShortCutToText(TShortCut shortCut);

} // namespace tav
