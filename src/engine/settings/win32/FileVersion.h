#pragma once
// A program file's version, as the version reset compares it with the stored one.

#include <string>

namespace tav {

// The file's fixed version as "major.minor.release.build" in decimal; empty when the file has
// no version resource or cannot be read.
std::string GetFileVersionStr(const std::string& fileName);

} // namespace tav
