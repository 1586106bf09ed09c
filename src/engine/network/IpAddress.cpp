#include "engine/network/IpAddress.h"

#include "engine/settings/SettingsTable.h"
#include "framework/Text.h"

#include <algorithm>

namespace tav {

namespace {

std::string_view DefaultText(std::string_view name) {
    const TSettingDef* def = FindSettingDef(name);
    return def != nullptr ? def->DefaultStr : std::string_view{};
}

} // namespace

std::array<std::string, 4> SplitAddress(std::string_view text) {
    std::array<std::string, 4> parts;
    for (std::size_t part = 0; part < 3; ++part) {
        const std::size_t dot = text.find('.');
        if (dot == std::string_view::npos)
            continue;
        parts[part] = text.substr(0, dot);
        text = text.substr(dot + 1);
    }
    parts[3] = text;
    return parts;
}

bool ValidAddressPart(std::string_view part) {
    if (part.empty())
        return true;
    if (part.size() > 3 || part.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return TryStrToInt(part).value_or(256) <= 255;
}

std::array<std::string, 4> StoredAddressParts(const TSettings& settings, std::string_view name) {
    const auto parts = SplitAddress(settings.Str(name));
    if (std::all_of(parts.begin(), parts.end(), ValidAddressPart))
        return parts;
    return SplitAddress(DefaultText(name));
}

std::optional<std::uint32_t> IPToInt(std::string_view text) {
    std::uint32_t result = 0;
    for (const std::string& piece : SplitAddress(text)) {
        std::int32_t value = 0;
        if (!piece.empty()) {
            const auto number = TryStrToInt(piece);
            if (!number || *number < 0 || *number > 255)
                return std::nullopt;
            value = *number;
        }
        result = (result << 8) | static_cast<std::uint32_t>(value);
    }
    return result;
}

std::uint32_t StoredAddress(const TSettings& settings, std::string_view name) {
    if (const auto stored = IPToInt(settings.Str(name)))
        return *stored;
    return IPToInt(DefaultText(name)).value_or(0);
}

bool AllowedPeer(const TSettings& settings, std::string_view address) {
    const auto peer = IPToInt(address);
    return peer && (*peer & StoredAddress(settings, "TCP/IP server filter")) ==
                       StoredAddress(settings, "TCP/IP server IP");
}

} // namespace tav
