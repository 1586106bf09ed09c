#include "engine/keyboard/win32/Win32KeyboardHook.h"

#include <vector>

namespace tav {

namespace {

// Each window is waited for at most the first bound, all of them together at most the second.
constexpr UINT kLetGoWaitMs = 100;
constexpr DWORD kLetGoTotalMs = 500;

BOOL CALLBACK CollectOtherProgramsWindow(HWND window, LPARAM list) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId())
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// A program keeps a hook's library mapped after the hook is gone until its thread next handles
// a message; an empty one sent to each of its windows gets there. This program's own windows
// are left out: its library is freed by itself, and its window procedures must not run now.
void MakeOtherProgramsLetGo() {
    std::vector<HWND> windows;
    EnumWindows(&CollectOtherProgramsWindow, reinterpret_cast<LPARAM>(&windows));
    const DWORD start = GetTickCount();
    for (HWND window : windows) {
        if (GetTickCount() - start >= kLetGoTotalMs)
            break;
        DWORD_PTR result = 0;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kLetGoWaitMs, &result);
    }
}

} // namespace

TWin32KeyboardHook::TWin32KeyboardHook(std::function<std::string()> file,
                                       std::function<HWND()> window)
    : file_(std::move(file)), window_(std::move(window)) {}

TWin32KeyboardHook::~TWin32KeyboardHook() {
    Unload();
}

void TWin32KeyboardHook::Unload() {
    if (library_ == nullptr)
        return;
    if (Bound())
        Stop();
    FreeLibrary(library_);
    library_ = nullptr;
    start_ = nullptr;
    stop_ = nullptr;
    if (started_)
        MakeOtherProgramsLetGo();
    started_ = false;
}

bool TWin32KeyboardHook::Load() {
    if (library_ == nullptr) {
        const std::string file = file_();
        if (!file.empty())
            library_ = LoadLibraryA(file.c_str());
    }
    return library_ != nullptr;
}

bool TWin32KeyboardHook::Bind() {
    if (start_ == nullptr)
        start_ = reinterpret_cast<TStart>(
            reinterpret_cast<void*>(GetProcAddress(library_, "Vardok_Start")));
    if (stop_ == nullptr)
        stop_ = reinterpret_cast<TStop>(
            reinterpret_cast<void*>(GetProcAddress(library_, "Vardok_Stop")));
    return Bound();
}

// The library leaves the last error 0 when the hook runs.
std::uint32_t TWin32KeyboardHook::Start() {
    started_ = true;
    start_(window_());
    return GetLastError();
}

void TWin32KeyboardHook::Stop() {
    stop_();
}

std::string KeyNameOf(std::uint32_t flags) {
    char name[256] = {};
    const int length = GetKeyNameTextA(static_cast<LONG>(flags), name, sizeof name);
    return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

} // namespace tav
