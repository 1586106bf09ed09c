#pragma once
// What the on-screen display shows and how: its text as drawn, its place on the screen and its
// style as the settings hold it.

#include "engine/settings/Settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

// The most of a text the display draws: a few lines of names or a reading. Any peer can send
// it text, and shaping a window to thousands of glyphs keeps the program busy for seconds and
// makes a shape too large for the window system.
inline constexpr std::size_t kMostOsdCharacters = 255;
inline constexpr int kMostOsdLines = 8;

// The text as drawn: its first kMostOsdCharacters characters, of those the first kMostOsdLines
// lines (a line ends at CR LF, a lone CR or a lone LF, as the display measures it), without the
// line ends it closes with, which would only make the display taller.
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
