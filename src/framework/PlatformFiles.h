#pragma once
// The few file operations whose honest form differs between Windows and POSIX: creating a file
// only while its name is free, getting its bytes onto the disk, and renaming over an existing
// file. Paths are the program's 8-bit text. A failure comes back with the system's own reason.
// Implemented once in posix/ and once in win32/.

#include <string>
#include <string_view>

namespace tav {

bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);

enum class TNewFileResult { Written, NameTaken, CreateFailed, WriteFailed };

// Creates `path` only when nothing has that name yet, writes `bytes`, flushes them to the disk
// and closes the file. After a failed write the half-written file is removed again.
TNewFileResult WriteNewFile(const std::string& path, std::string_view bytes, std::string& reason);

// Renames `from` to `to`, replacing a file (not a folder) that `to` names.
bool RenameOver(const std::string& from, const std::string& to, std::string& reason);

bool RemoveFile(const std::string& path);

} // namespace tav
