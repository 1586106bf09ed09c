#pragma once
// The names of the help control's and the browser's releases, from their file versions, for
// the diagnostic log's header.

#include <cstdint>
#include <string>

namespace tav::help {

struct TFileVersion {
    std::uint16_t Major = 0;
    std::uint16_t Minor = 0;
    std::uint16_t Release = 0;
    std::uint16_t Build = 0;
    bool operator==(const TFileVersion&) const = default;
};

// The four numbers in decimal joined by ".".
std::string VersionText(const TFileVersion& version);
// 1 when `a` is newer, 0 when equal, -1 when older; part by part from the left.
int CompareVersions(const TFileVersion& a, const TFileVersion& b);

// The HTML Help release of the help control's version; empty without a version text.
std::string HelpControlVersionName(const std::string& versionText, const TFileVersion& version);

// Old browser files (4.70 and before) keep their build in the release place: it moves back.
TFileVersion BrowserVersionMoved(const TFileVersion& version);
// The browser release of a (moved) browser version; empty without a version text.
std::string BrowserVersionName(const std::string& versionText, const TFileVersion& version);

} // namespace tav::help
