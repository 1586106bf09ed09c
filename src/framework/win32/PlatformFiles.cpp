#include "framework/PlatformFiles.h"

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

TNewFileResult WriteNewFile(const std::string& path, std::string_view bytes, std::string& reason) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        reason = SystemErrorText(code);
        return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS
                   ? TNewFileResult::NameTaken
                   : TNewFileResult::CreateFailed;
    }
    bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
    if (!ok)
        reason = LastReason();
    if (!CloseHandle(file) && ok) {
        reason = LastReason();
        ok = false;
    }
    if (ok)
        return TNewFileResult::Written;
    DeleteFileA(path.c_str());
    return TNewFileResult::WriteFailed;
}

bool RenameOver(const std::string& from, const std::string& to, std::string& reason) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    reason = LastReason();
    return false;
}

bool RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

} // namespace tav
