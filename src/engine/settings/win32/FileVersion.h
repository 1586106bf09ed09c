#pragma once
// A program file's version, as the version reset compares it with the stored one.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tav {

// The file's fixed version: major, minor, release, build; none when the file has no version
// resource or cannot be read.
std::optional<std::array<std::uint16_t, 4>> ReadFileVersionNumbers(const std::string& fileName);

// The file's fixed version as "major.minor.release.build" in decimal; empty when the file has
// no version resource or cannot be read.
std::string GetFileVersionStr(const std::string& fileName);

} // namespace tav
