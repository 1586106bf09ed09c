#include "components/filesrc/win32/CarriedFile.h"

#include "components/filesrc/CarriedBytes.h"

#include <windows.h>

namespace tav {

namespace {

std::string_view CarriedPayload(const std::string& name) {
    HRSRC found = FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        throw ECarriedFileError("the program carries no data for it");
    return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

TTempPlace CurrentTempPlace() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length > MAX_PATH)
        throw ECarriedFileError("the temporary folder is unknown or its name too long");
    std::string path(folder, length);
    if (path.back() != '\\')
        path += '\\';
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {path, now.wSecond};
}

// A file that an earlier run could not delete at its end (another program still had it) goes
// now, unless a running program holds it still: a running instance of this program holds its
// own, so only files that are free can be deleted.
void RemoveLeftovers(const TTempPlace& place, const std::string& extension) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(
        (place.Folder + std::string(kTempFilePrefix) + "*" + extension).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            IsTempFileName(found.cFileName, extension))
            DeleteFileA((place.Folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

} // namespace

void LoadCarriedFile(TFileSource& source) {
    try {
        const TTempPlace place = CurrentTempPlace();
        RemoveLeftovers(place, source.Extension());
        source.ReadData(CarriedPayload(source.Name()), place);
    } catch (const std::exception& e) {
        OutputDebugStringA(("Tavrilo: " + source.Name() + ": " + e.what() + "\n").c_str());
    }
}

} // namespace tav
