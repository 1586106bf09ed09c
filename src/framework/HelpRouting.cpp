#include "framework/HelpRouting.h"

#include <string>

namespace tav {

THelpData PackHelpPoint(THelpPoint point) {
    const auto low = static_cast<std::uint16_t>(point.X);
    const auto high = static_cast<std::uint16_t>(point.Y);
    return static_cast<THelpData>(static_cast<std::uint32_t>(high) << 16 | low);
}

THelpPoint UnpackHelpPoint(THelpData data) {
    return {static_cast<std::int16_t>(data & 0xFFFF),
            static_cast<std::int16_t>(data >> 16 & 0xFFFF)};
}

namespace {

void SendPopupPosition(IHelpTarget& target) {
    if (const std::optional<THelpPoint> corner = target.FocusedHelpCorner())
        target.HelpCommand(helpcmd::SetPopupPos, PackHelpPoint(*corner));
}

// The text lives until the command has returned.
bool SendKey(IHelpTarget& target, std::string_view text) {
    const std::string key(text.substr(0, kHelpTextLimit));
    return target.HelpCommand(helpcmd::Key, reinterpret_cast<THelpData>(key.c_str()));
}

} // namespace

bool RouteHelpContext(IHelpTarget& target, int context) {
    SendPopupPosition(target);
    return target.HelpCommand(helpcmd::Context, static_cast<THelpData>(context));
}

bool RouteHelpKeyword(IHelpTarget& target, std::string_view keyword) {
    SendPopupPosition(target);
    return SendKey(target, keyword);
}

bool RouteHelpTopic(IHelpTarget& target, std::string_view topic) {
    SendPopupPosition(target);
    return SendKey(target, std::string(topic) + "zzz");
}

bool RouteHelpContents(IHelpTarget& target) {
    return target.HelpCommand(helpcmd::Contents, 0);
}

} // namespace tav
