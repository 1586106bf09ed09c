#include "engine/actions/MessageNames.h"

#include "framework/Text.h"

namespace tav {

std::optional<std::string> ListValue(std::span<const std::string> lines, std::string_view name) {
    for (const std::string& line : lines) {
        const auto equals = line.find('=');
        if (equals != std::string::npos &&
            AnsiSameText(std::string_view(line).substr(0, equals), name))
            return line.substr(equals + 1);
    }
    return std::nullopt;
}

std::optional<std::string> ResolveMessageName(std::string_view name,
                                              std::span<const std::string> windowsMessages,
                                              std::span<const std::string> userMessages) {
    if (auto value = ListValue(windowsMessages, name))
        return value;
    const auto user = ListValue(userMessages, name);
    if (!user)
        return std::nullopt;
    std::string_view message = *user;
    if (const auto equals = message.find('='); equals != std::string_view::npos)
        message = message.substr(equals + 1);
    message = message.substr(0, message.find(','));
    if (auto value = ListValue(windowsMessages, message))
        return value;
    return std::string(message);
}

} // namespace tav
