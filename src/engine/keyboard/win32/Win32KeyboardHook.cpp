#include "engine/keyboard/win32/Win32KeyboardHook.h"

namespace tav {

TWin32KeyboardHook::TWin32KeyboardHook(std::function<std::string()> file,
                                       std::function<HWND()> window)
    : file_(std::move(file)), window_(std::move(window)) {}

TWin32KeyboardHook::~TWin32KeyboardHook() {
    if (library_ == nullptr)
        return;
    if (Bound())
        Stop();
    FreeLibrary(library_);
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
