#pragma once
// The few file operations whose honest form differs between Windows and POSIX: creating a file
// only while its name is free, getting its bytes onto the disk, renaming over an existing file,
// and keeping a file from being deleted while it is in use. Paths are the program's 8-bit text. A
// failure comes back with the system's own reason. Implemented once in posix/ and once in win32/.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tav {

// What separates a folder from the name in it.
#ifdef _WIN32
inline constexpr char kPathDelim = '\\';
#else
inline constexpr char kPathDelim = '/';
#endif

bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);

enum class TFileKind {
    Missing, // nothing by that name, or a name the system cannot look up (too long, say)
    File,    // a regular file
    Folder,
    Other, // a device, a pipe or a socket: reading from it may never end
};

// What `path` names, told without opening it.
TFileKind FileKindOf(const std::string& path);

// Whether `path` is a file marked read-only (on POSIX: writable by nobody). Renaming over such
// a file would go through all the same on either system.
bool IsReadOnlyFile(const std::string& path);

// Keeps a file open for reading while the hold lives: other programs may read and load it, but
// on Windows they cannot delete it. (POSIX lets an open file be deleted.)
class TFileHold {
public:
    TFileHold() = default;
    // Holds nothing when the file cannot be opened.
    explicit TFileHold(const std::string& path);
    ~TFileHold() { Release(); }
    TFileHold(TFileHold&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}
    TFileHold& operator=(TFileHold&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    void Release();

private:
    // Neither a handle nor a descriptor on either system.
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;
};

enum class TNewFileResult { Written, NameTaken, CreateFailed, WriteFailed };

// Creates `path` only when nothing has that name yet, writes `bytes`, flushes them to the disk
// and closes the file. After a failed write the half-written file is removed again. A name that
// a file or a folder already bears is taken, whatever reason the system gives. With `hold`, the
// written file is held from before it is closed, so that nobody can delete it in between.
TNewFileResult WriteNewFile(const std::string& path, std::string_view bytes, std::string& reason,
                            TFileHold* hold = nullptr);

// Renames `from` to `to`, replacing a file (not a folder) that `to` names.
bool RenameOver(const std::string& from, const std::string& to, std::string& reason);

// Copies the file `from` to `to`, replacing a file (not a folder) that `to` names.
bool CopyFileOver(const std::string& from, const std::string& to, std::string& reason);

bool RemoveFile(const std::string& path);

// Takes the read-only, hidden and system marks off a file, so that it can be written and
// deleted like any other.
bool ClearFileAttributes(const std::string& path);

// Removes `path`, trying again for at most `limitMs` while another program still holds it. True
// when the file is gone.
bool RemoveFileWithin(const std::string& path, unsigned limitMs);

} // namespace tav
