#include "ui/lang/DirectRead.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(DirectRead, FirstLineOfTheKeyAnywhereGivesItsValueUnchanged) {
    test::TempFolder folder;
    const std::string path = folder.Write("es.lng", "[Translations]\r\n"
                                                    "SettingsForm.Caption =blank before\r\n"
                                                    "No equals sign here\n"
                                                    "[Messages]\r"
                                                    "settingsform.CAPTION= Ajustes~ = x \r\n"
                                                    "SettingsForm.Caption=second\r\n"
                                                    "Empty=\r\n"
                                                    "Last=no line end");
    EXPECT_EQ(ReadDirectKey(path, "SettingsForm.Caption"), " Ajustes~ = x ");
    EXPECT_EQ(ReadDirectKey(path, "Empty"), "");
    EXPECT_EQ(ReadDirectKey(path, "Last"), "no line end");
    EXPECT_EQ(ReadDirectKey(path, "No equals sign here"), "");
    EXPECT_EQ(ReadDirectKey(path, "Missing"), "");
    EXPECT_EQ(ReadDirectKey((folder.Path() / "none.lng").string(), "Last"), "");
}

TEST(DirectRead, LinesEndAtCrLfOrBoth) {
    test::TempFolder folder;
    const std::string path = folder.Write("l.lng", "a\rb\nc\r\n\r\nd\r\n");
    EXPECT_EQ(LoadTextLines(path), (StringList{"a", "b", "c", "", "d"}));
}

} // namespace
