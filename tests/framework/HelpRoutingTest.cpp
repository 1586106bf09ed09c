#include "framework/HelpRouting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tav;

namespace {

// Records the commands as the application's help hook would see them; a key's text is read
// through its data while the command runs, as the hook does.
struct RecordingTarget : IHelpTarget {
    std::optional<THelpPoint> corner;
    std::vector<std::pair<unsigned, std::string>> commands;

    std::optional<THelpPoint> FocusedHelpCorner() override { return corner; }
    bool HelpCommand(unsigned command, THelpData data) override {
        commands.emplace_back(command, command == helpcmd::Key
                                           ? std::string(reinterpret_cast<const char*>(data))
                                           : std::to_string(data));
        return true;
    }
};

using Commands = std::vector<std::pair<unsigned, std::string>>;

} // namespace

TEST(HelpRouting, EachRequestSendsThePopupPositionFirstWhenAControlWithHelpHasTheFocus) {
    RecordingTarget target;
    target.corner = THelpPoint{100, 200};
    const std::string corner = std::to_string(200u << 16 | 100u);
    EXPECT_TRUE(RouteHelpContext(target, 1051));
    EXPECT_TRUE(RouteHelpKeyword(target, "Tolerance"));
    EXPECT_TRUE(RouteHelpTopic(target, "Layouts"));
    EXPECT_TRUE(RouteHelpContents(target));
    EXPECT_EQ(target.commands, (Commands{{helpcmd::SetPopupPos, corner},
                                         {helpcmd::Context, "1051"},
                                         {helpcmd::SetPopupPos, corner},
                                         {helpcmd::Key, "Tolerance"},
                                         {helpcmd::SetPopupPos, corner},
                                         {helpcmd::Key, "Layoutszzz"},
                                         {helpcmd::Contents, "0"}}));
}

TEST(HelpRouting, WithoutAFocusedControlWithHelpOnlyTheRequestIsSent) {
    RecordingTarget target;
    RouteHelpContext(target, 1012);
    // A text is cut to 255 characters, a topic's "zzz" included.
    RouteHelpTopic(target, std::string(300, 'k'));
    EXPECT_EQ(target.commands,
              (Commands{{helpcmd::Context, "1012"}, {helpcmd::Key, std::string(255, 'k')}}));
}

TEST(HelpRouting, APopupPointKeepsNegativeCoordinatesOfAMonitorLeftOfTheMainOne) {
    for (const THelpPoint point : {THelpPoint{-1280, 40}, THelpPoint{100, -5}, THelpPoint{0, 0}})
        EXPECT_EQ(UnpackHelpPoint(PackHelpPoint(point)), point);
    EXPECT_EQ(UnpackHelpPoint(200u << 16 | 100u), (THelpPoint{100, 200}));
}
