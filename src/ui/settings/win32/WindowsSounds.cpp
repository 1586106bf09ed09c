#include "ui/settings/win32/WindowsSounds.h"

#include "framework/win32/Registry.h"

#include <windows.h>

namespace tav {

namespace {

constexpr DWORD kExpandedPathLength = 4096;

// The default value of `key` when it is a string; empty when the key or the value is missing
// or of another kind.
std::string DefaultString(const std::string& key) {
    try {
        TRegistry registry(HKEY_CURRENT_USER);
        if (!registry.OpenKey(key, false) || !registry.ValueExists(""))
            return {};
        return registry.ReadString("");
    } catch (const ERegistryException&) {
        return {};
    }
}

std::vector<std::string> SubkeyNames(const std::string& key) {
    try {
        TRegistry registry(HKEY_CURRENT_USER);
        if (!registry.OpenKey(key, false))
            return {};
        return registry.GetKeyNames();
    } catch (const ERegistryException&) {
        return {};
    }
}

std::string Expanded(const std::string& path) {
    std::string expanded(kExpandedPathLength, '\0');
    const DWORD length =
        ExpandEnvironmentStringsA(path.c_str(), expanded.data(), kExpandedPathLength);
    if (length == 0 || length > kExpandedPathLength)
        return path;
    expanded.resize(length - 1);
    return expanded;
}

} // namespace

std::vector<TWindowsSound> ReadWindowsSounds(const std::string& appEventsKey) {
    std::vector<TWindowsSound> sounds;
    const std::string apps = appEventsKey + "\\Schemes\\Apps";
    for (const std::string& app : SubkeyNames(apps))
        for (const std::string& event : SubkeyNames(apps + "\\" + app)) {
            const std::string path = DefaultString(apps + "\\" + app + "\\" + event + "\\.Current");
            if (path.empty())
                continue;
            std::string label = DefaultString(appEventsKey + "\\EventLabels\\" + event);
            sounds.push_back({label.empty() ? event : std::move(label), Expanded(path)});
        }
    return sounds;
}

} // namespace tav
