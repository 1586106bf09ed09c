#pragma once
// What the on-screen display shows and how: its text as drawn, its place on the screen and its
// style as the settings hold it.

#include "engine/settings/Settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

// The text without the line ends it closes with, which would only make the display taller.
std::string OsdDrawnText(std::string_view text);

// Whether any character draws something; blanks and control characters alone show nothing.
bool HasVisibleGlyph(std::string_view text);

struct TOsdPlace {
    int X = 0;
    int Y = 0;
};
// The top left corner that centres a box of `width` by `height` on the screen.
TOsdPlace CentredPlace(int screenWidth, int screenHeight, int width, int height);

struct TOsdFont {
    std::string Name;
    int Size = 0; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const TOsdFont&) const = default;
};

struct TOsdStyle {
    TOsdFont Font;
    std::uint32_t Color = 0; // 0x00BBGGRR
    unsigned ShowTime = 0;   // ms; 0 keeps the text until the next one
};

// Read at each show, so the display follows every change of the settings.
TOsdStyle ReadOsdStyle(const TSettings& settings);
// Stores the display's font and its colour (0x00BBGGRR), which the next show takes.
void StoreOsdFont(TSettings& settings, const TOsdFont& font, std::uint32_t color);

} // namespace tav
