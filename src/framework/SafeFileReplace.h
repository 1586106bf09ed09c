#pragma once
// Replacing a file without putting it at risk: the new bytes go into a file of their own beside
// the target and onto the disk first; only then does the old file's backup (the ".bak" the
// caller asks for) get made, and the new file take the target's name in one step. A failure at
// any step leaves the target as it was and comes back to the caller.

#include "framework/FileError.h"

#include <optional>
#include <string>
#include <string_view>

namespace tav {

// The program's words in the errors below; translations look them up by these texts.
inline constexpr const char* kCannotCreateFileText = "Cannot create file";
inline constexpr const char* kCannotWriteFileText = "Cannot write file";
inline constexpr const char* kCannotRenameFileText = "Cannot rename file";
inline constexpr const char* kCannotWriteOverFolderText = "Cannot write over a folder";
inline constexpr const char* kCannotWriteOverReadOnlyText = "Cannot write over a read-only file";

enum class TBackup { None, Keep };

// Writes `bytes` as the file `path`. With TBackup::Keep a copy of the file it replaces becomes
// `path` + ".bak" (one generation). A `path` that names a folder or a read-only file is
// refused. The new bytes are written as `path` + ".saving" first, a name that is the program's
// own: a file left under it by a save that was cut short is taken over.
std::optional<TFileError> ReplaceFileSafely(const std::string& path, std::string_view bytes,
                                            TBackup backup);

} // namespace tav
