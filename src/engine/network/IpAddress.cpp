#include "engine/network/IpAddress.h"

#include "engine/settings/SettingsTable.h"
#include "framework/Text.h"

namespace tav {

std::optional<std::uint32_t> IPToInt(std::string_view text) {
    std::uint32_t result = 0;
    for (int part = 0; part < 4; ++part) {
        std::string_view piece = text;
        if (part < 3) {
            // Without a "." the part is empty and the text is left for the parts after it.
            const std::size_t dot = text.find('.');
            piece = dot == std::string_view::npos ? std::string_view() : text.substr(0, dot);
            if (dot != std::string_view::npos)
                text = text.substr(dot + 1);
        }
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
    const TSettingDef* def = FindSettingDef(name);
    return def != nullptr ? IPToInt(def->DefaultStr).value_or(0) : 0;
}

bool AllowedPeer(const TSettings& settings, std::string_view address) {
    const auto peer = IPToInt(address);
    return peer && (*peer & StoredAddress(settings, "TCP/IP server filter")) ==
                       StoredAddress(settings, "TCP/IP server IP");
}

} // namespace tav
