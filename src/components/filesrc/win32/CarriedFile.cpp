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

} // namespace

void LoadCarriedFile(TFileSource& source) {
    try {
        source.ReadData(CarriedPayload(source.Name()), CurrentTempPlace());
    } catch (const std::exception& e) {
        OutputDebugStringA(("Tavrilo: " + source.Name() + ": " + e.what() + "\n").c_str());
    }
}

} // namespace tav
