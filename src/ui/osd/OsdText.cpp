#include "ui/osd/OsdText.h"

#include <algorithm>

namespace tav {

namespace {
constexpr std::int32_t kMaxShowTime = 32767;
// Readable, and small enough that the shape of kMostOsdCharacters of the widest glyphs stays
// within what the window system takes.
constexpr std::int32_t kMinFontSize = 8;
constexpr std::int32_t kMaxFontSize = 40;
} // namespace

std::string OsdDrawnText(std::string_view text) {
    text = text.substr(0, kMostOsdCharacters);
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        if (lines == kMostOsdLines) {
            text = text.substr(0, i);
            break;
        }
        ++lines;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    const auto end = text.find_last_not_of("\r\n");
    return std::string(text.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

bool HasVisibleGlyph(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u > 0x20 && u != 0x7F && u != 0xA0;
    });
}

TOsdPlace CentredPlace(int screenWidth, int screenHeight, int width, int height) {
    return {screenWidth / 2 - width / 2, screenHeight / 2 - height / 2};
}

TOsdStyle ReadOsdStyle(const TSettings& s) {
    TOsdStyle style;
    style.Font.Name = s.Str("OSD font name");
    style.Font.Size = std::clamp(s.Int("OSD font size"), kMinFontSize, kMaxFontSize);
    style.Font.Bold = s.Bool("OSD font bold");
    style.Font.Italic = s.Bool("OSD font italic");
    style.Font.Underline = s.Bool("OSD font underline");
    style.Font.StrikeOut = s.Bool("OSD font strikeout");
    style.Color = static_cast<std::uint32_t>(s.Int("OSD font color")) & 0xFFFFFF;
    style.ShowTime =
        static_cast<unsigned>(std::clamp(s.Int("OSD display time"), std::int32_t{0}, kMaxShowTime));
    return style;
}

void StoreOsdFont(TSettings& s, const TOsdFont& font, std::uint32_t color) {
    s.SetStr("OSD font name", font.Name);
    s.SetInt("OSD font color", static_cast<std::int32_t>(color & 0xFFFFFF));
    s.SetInt("OSD font size", font.Size);
    s.SetBool("OSD font bold", font.Bold);
    s.SetBool("OSD font italic", font.Italic);
    s.SetBool("OSD font underline", font.Underline);
    s.SetBool("OSD font strikeout", font.StrikeOut);
}

} // namespace tav
