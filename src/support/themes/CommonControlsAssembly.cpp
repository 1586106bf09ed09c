#include "support/themes/CommonControlsAssembly.h"

#include "framework/Text.h"

#include <charconv>

namespace tav::themes {
namespace {

constexpr std::string_view kAssemblyName = "Microsoft.Windows.Common-Controls";
constexpr std::string_view kVersionKey = ",version=\"";

// The number at the start of `text`, and `text` past it.
std::optional<unsigned long> TakeNumber(std::string_view& text) {
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

} // namespace

std::optional<unsigned long> CommonControlsAssemblyVersion(std::string_view identity) {
    const std::size_t comma = identity.find(',');
    if (comma == std::string_view::npos || !AnsiSameText(identity.substr(0, comma), kAssemblyName))
        return std::nullopt;
    const std::size_t key = identity.find(kVersionKey, comma);
    if (key == std::string_view::npos)
        return std::nullopt;
    std::string_view version = identity.substr(key + kVersionKey.size());
    const std::optional<unsigned long> major = TakeNumber(version);
    if (!major || version.empty() || version.front() != '.')
        return std::nullopt;
    version.remove_prefix(1);
    const std::optional<unsigned long> minor = TakeNumber(version);
    if (!minor || *major > 0xFFFF || *minor > 0xFFFF)
        return std::nullopt;
    return (*major << 16) | *minor;
}

} // namespace tav::themes
