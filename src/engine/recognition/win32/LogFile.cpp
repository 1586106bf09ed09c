#include "engine/recognition/win32/Win32Ports.h"

#include "framework/FileNames.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/SystemErrorText.h"

#include <windows.h>

namespace tav {

TWin32LogWriter::TWin32LogWriter() : folder_(ProgramFolder()) {}

TWin32LogWriter::TWin32LogWriter(std::string folder) : folder_(std::move(folder)) {
    if (!folder_.empty() && folder_.back() != '\\' && folder_.back() != '/')
        folder_ += '\\';
}

std::string TWin32LogWriter::PathOf(const std::string& fileName) const {
    return ExpandInFolder(fileName, folder_);
}

std::optional<std::string> TWin32LogWriter::AppendLine(const std::string& fileName,
                                                       const std::string& line) {
    const std::string path = PathOf(fileName);
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return path + ": " + SystemErrorText(GetLastError());
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
        written == line.size() && FlushFileBuffers(file);
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (!ok)
        return path + ": " + SystemErrorText(error);
    return std::nullopt;
}

} // namespace tav
