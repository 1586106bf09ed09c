#pragma once
// The program's own file and version, as the version reset compares them.

#include <string>

namespace tav {

// Full path of the running program's file.
std::string ProgramFileName();

// The file's fixed version as "major.minor.release.build" in decimal; empty when the file has
// no version resource or cannot be read.
std::string GetFileVersionStr(const std::string& fileName);

} // namespace tav
