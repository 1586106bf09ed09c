#include "support/help/win32/HtmlHelpApi.h"

#include "framework/PlatformFiles.h"
#include "support/help/HelpPath.h"
#include "support/help/HelpStrings.h"

#include <algorithm>

namespace tav::help {

namespace {

struct THtmlHelpBinding {
    HMODULE Module = nullptr;
    THtmlHelpEntryA EntryA = nullptr;
    THtmlHelpEntryW EntryW = nullptr;
    // Bound to "HtmlHelpA" a second time; every call goes through it.
    THtmlHelpEntryA Generic = nullptr;
};
THtmlHelpBinding g_binding;

template <class Entry> Entry BindEntry(HMODULE module, const char* name) {
    return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

HWND CallGenericEntry(HWND caller, const char* file, UINT command, DWORD_PTR data) {
    return g_binding.Generic != nullptr ? g_binding.Generic(caller, file, command, data) : nullptr;
}

std::string FolderOf(UINT (*query)(LPSTR, UINT)) {
    char folder[MAX_PATH + 1] = {};
    const UINT length = query(folder, sizeof folder);
    return TrimCharRight(length < sizeof folder ? folder : "", '\\');
}

// The key's default value when it is a text; empty otherwise.
std::string DefaultTextValue(HKEY key) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0)
        return {};
    std::string text(size, '\0');
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &size) != ERROR_SUCCESS)
        return {};
    text.resize(std::min<std::size_t>(size, text.size()));
    return text.substr(0, text.find('\0'));
}

UINT WindowsDirectory(LPSTR buffer, UINT size) {
    return GetWindowsDirectoryA(buffer, size);
}
UINT SystemDirectory(LPSTR buffer, UINT size) {
    return GetSystemDirectoryA(buffer, size);
}

} // namespace

void LoadHtmlHelp() {
    if (g_binding.Module != nullptr)
        return;
    HMODULE module = LoadLibraryA("hhctrl.ocx");
    if (module == nullptr) {
        const std::string path = GetHHCtrlPath();
        if (!path.empty() && PathExists(path))
            module = LoadLibraryA(path.c_str());
    }
    if (module == nullptr)
        return;
    g_binding.Module = module;
    g_binding.EntryA = BindEntry<THtmlHelpEntryA>(module, "HtmlHelpA");
    g_binding.EntryW = BindEntry<THtmlHelpEntryW>(module, "HtmlHelpW");
    g_binding.Generic = BindEntry<THtmlHelpEntryA>(module, "HtmlHelpA");
}

void UnloadHtmlHelp() {
    if (g_binding.Module == nullptr)
        return;
    FreeLibrary(g_binding.Module);
    g_binding = {};
}

bool HtmlHelpLoaded() {
    return g_binding.Module != nullptr;
}
THtmlHelpEntryA HtmlHelpAEntry() {
    return g_binding.EntryA;
}
THtmlHelpEntryW HtmlHelpWEntry() {
    return g_binding.EntryW;
}
bool GenericHelpEntryBound() {
    return g_binding.Generic != nullptr;
}

std::string GetHHCtrlPath() {
    std::string path;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT,
                      "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32", 0, KEY_READ,
                      &key) == ERROR_SUCCESS) {
        path = DefaultTextValue(key);
        RegCloseKey(key);
        ExpandSystemRoot(path, WindowsFolder());
        if (!path.empty() && !PathExists(path))
            path.clear();
    }
    return path.empty() ? SystemFolder() + "\\hhctrl.ocx" : path;
}

TSeam<THtmlHelpCall>& HtmlHelpCallSeam() {
    static TSeam<THtmlHelpCall> seam(CallGenericEntry);
    return seam;
}

HWND CallHtmlHelp(HWND caller, const char* file, UINT command, DWORD_PTR data) {
    return HtmlHelpCallSeam()(caller, file, command, data);
}

void HHCloseAll() {
    if (g_binding.Module == nullptr || g_binding.Generic == nullptr)
        return;
    CallHtmlHelp(nullptr, nullptr, kHHCloseAll, 0);
    Sleep(0);
}

std::string WindowsFolder() {
    return FolderOf(WindowsDirectory);
}

std::string SystemFolder() {
    return FolderOf(SystemDirectory);
}

std::string TempFolder() {
    char folder[301] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    const std::string path = length > 0 && length < sizeof folder ? folder : "";
    return IsFolder(path) ? TrimCharRight(path, '\\') : std::string("c:");
}

} // namespace tav::help
