#include "framework/PlatformFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tav {

namespace {

std::string SystemReason() {
    return std::strerror(errno);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

TFileKind FileKindOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return TFileKind::Missing;
    if (S_ISREG(info.st_mode))
        return TFileKind::File;
    return S_ISDIR(info.st_mode) ? TFileKind::Folder : TFileKind::Other;
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

TNewFileResult WriteNewFile(const std::string& path, std::string_view bytes, std::string& reason,
                            TFileHold* hold) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        const bool taken = errno == EEXIST;
        reason = SystemReason();
        return taken ? TNewFileResult::NameTaken : TNewFileResult::CreateFailed;
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok)
        reason = SystemReason();
    if (ok && hold != nullptr)
        *hold = TFileHold(path);
    if (::close(fd) != 0 && ok) {
        reason = SystemReason();
        ok = false;
    }
    if (ok)
        return TNewFileResult::Written;
    if (hold != nullptr)
        hold->Release();
    ::unlink(path.c_str());
    return TNewFileResult::WriteFailed;
}

bool RenameOver(const std::string& from, const std::string& to, std::string& reason) {
    if (::rename(from.c_str(), to.c_str()) == 0)
        return true;
    reason = SystemReason();
    return false;
}

bool CopyFileOver(const std::string& from, const std::string& to, std::string& reason) {
    std::error_code error;
    if (std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing,
                                   error))
        return true;
    reason = error.message();
    return false;
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool ClearFileAttributes(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && ::chmod(path.c_str(), info.st_mode | S_IWUSR) == 0;
}

// An open or mapped file can be unlinked here: there is nothing to wait for.
bool RemoveFileWithin(const std::string& path, unsigned /*limitMs*/) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

TFileHold::TFileHold(const std::string& path)
    : handle_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}

void TFileHold::Release() {
    if (handle_ != kNone)
        ::close(static_cast<int>(handle_));
    handle_ = kNone;
}

} // namespace tav
