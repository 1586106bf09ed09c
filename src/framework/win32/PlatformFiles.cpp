#include "framework/PlatformFiles.h"

#include "framework/FileNames.h"
#include "framework/win32/SystemErrorText.h"

#include <windows.h>

#include <algorithm>

namespace tav {

namespace {

std::string LastReason() {
    return SystemErrorText(GetLastError());
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A device is known by its name alone: looking at its attributes could already open it (a
// named pipe would count it as a client).
TFileKind FileKindOf(const std::string& path) {
    if (NamesWindowsDevice(path))
        return TFileKind::Other;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return TFileKind::Missing;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return TFileKind::Folder;
    return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? TFileKind::Other : TFileKind::File;
}

bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) ==
               FILE_ATTRIBUTE_READONLY;
}

TNewFileResult WriteNewFile(const std::string& path, std::string_view bytes, std::string& reason,
                            TFileHold* hold) {
    // Reading is shared so that a hold can be taken while the file is still open.
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        reason = SystemErrorText(code);
        // Windows answers the name of a folder with "access denied".
        return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS || PathExists(path)
                   ? TNewFileResult::NameTaken
                   : TNewFileResult::CreateFailed;
    }
    bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
    if (!ok)
        reason = LastReason();
    if (ok && hold != nullptr)
        *hold = TFileHold(path);
    if (!CloseHandle(file) && ok) {
        reason = LastReason();
        ok = false;
    }
    if (ok)
        return TNewFileResult::Written;
    if (hold != nullptr)
        hold->Release();
    DeleteFileA(path.c_str());
    return TNewFileResult::WriteFailed;
}

bool RenameOver(const std::string& from, const std::string& to, std::string& reason) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    reason = LastReason();
    return false;
}

bool CopyFileOver(const std::string& from, const std::string& to, std::string& reason) {
    if (CopyFileA(from.c_str(), to.c_str(), FALSE))
        return true;
    reason = LastReason();
    return false;
}

bool RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

bool ClearFileAttributes(const std::string& path) {
    return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
}

// A library that another program still has mapped cannot be deleted; the failure's code says
// nothing reliable about it (Wine gives none), so any failure is tried again while the file is
// there.
bool RemoveFileWithin(const std::string& path, unsigned limitMs) {
    constexpr DWORD kRetryMs = 20;
    const DWORD start = GetTickCount();
    while (!DeleteFileA(path.c_str()) && PathExists(path)) {
        if (GetTickCount() - start >= limitMs)
            return false;
        Sleep(kRetryMs);
    }
    return true;
}

// Writing is shared only because the file's writer may still have it open.
TFileHold::TFileHold(const std::string& path)
    : handle_(reinterpret_cast<std::intptr_t>(
          CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {}

void TFileHold::Release() {
    if (handle_ != kNone)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = kNone;
}

} // namespace tav
