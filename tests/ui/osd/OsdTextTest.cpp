#include "ui/osd/OsdText.h"

#include "engine/settings/FakeSettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace tav;

namespace {

int Lines(const std::string& text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    return lines;
}

} // namespace

TEST(OsdDrawnText, APeersFloodIsCutToAFewLinesOfAFewCharactersAndAShortTextStaysWhole) {
    EXPECT_EQ(OsdDrawnText("TV, Vol+\r\n"), "TV, Vol+");
    EXPECT_EQ(OsdDrawnText("Volume\r\n(50%)\n"), "Volume\r\n(50%)");

    std::mt19937 random(7);
    std::string bytes(64 << 10, '\0');
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
    const std::string drawn = OsdDrawnText(bytes);
    EXPECT_LE(drawn.size(), kMostOsdCharacters);
    EXPECT_LE(Lines(drawn), kMostOsdLines);
    EXPECT_EQ(bytes.compare(0, drawn.size(), drawn), 0) << "cut, not changed";

    EXPECT_EQ(OsdDrawnText(std::string(64 << 10, 'A')), std::string(kMostOsdCharacters, 'A'));
    // CR LF is one line end, as are a lone CR and a lone LF.
    EXPECT_EQ(OsdDrawnText("1\r\n2\r3\n4\n\n6\r\n7\r\n8\r\n9"), "1\r\n2\r3\n4\n\n6\r\n7\r\n8");
}

TEST(ReadOsdStyle, TheFontSizeIsKeptToAReadableRangeWhere255CharactersCanBeShaped) {
    test::FakeSettingsStore store;
    TSettings settings{store};
    const auto sizeOf = [&](std::int32_t stored) {
        settings.SetInt("OSD font size", stored);
        return ReadOsdStyle(settings).Font.Size;
    };
    EXPECT_EQ(sizeOf(28), 28);
    EXPECT_EQ(sizeOf(48), 40);
    EXPECT_EQ(sizeOf(INT32_MAX), 40);
    EXPECT_EQ(sizeOf(0), 8);
    EXPECT_EQ(sizeOf(-12), 8);
}
