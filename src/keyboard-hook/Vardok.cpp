// The keyboard-hook library: a system-wide keyboard hook that posts every key transition to
// the window that started it. The system loads this library into each process whose thread
// takes a key, so the window is found through the shared memory "KeyCountData", not through a
// variable of this process. No exception ever leaves an export: a start that fails says so
// through the thread's last error.

#include <windows.h>

#include <cstdint>

namespace {

constexpr const char* kSharedName = "KeyCountData";
constexpr UINT kKeyMessage = WM_USER + 1;

// The shared words are 32 bits wide in every process, 32-bit or 64-bit: window and hook
// handles have only their low 32 bits significant, so the low halves are stored and
// sign-extended when read.
struct TShared {
    std::uint32_t Window;
    std::uint32_t Hook;
};

template <class Handle> std::uint32_t Low32(Handle handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}
template <class Handle> Handle FromLow32(std::uint32_t value) {
    return reinterpret_cast<Handle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}

HINSTANCE module = nullptr;
// This process's view of the shared words; none until this process needs them.
HANDLE mapping = nullptr;
TShared* shared = nullptr;

// Opens the shared words, making them (both zero) when no process has them yet. Zero, or the
// Windows error code of the step that failed.
DWORD OpenShared() {
    if (shared != nullptr)
        return 0;
    mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(TShared),
                                 kSharedName);
    if (mapping == nullptr)
        return GetLastError();
    const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
    shared = static_cast<TShared*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(TShared)));
    if (shared == nullptr) {
        const DWORD error = GetLastError();
        CloseHandle(mapping);
        mapping = nullptr;
        return error;
    }
    if (!existed)
        *shared = {};
    return 0;
}

void CloseShared() {
    if (shared != nullptr)
        UnmapViewOfFile(shared);
    if (mapping != nullptr)
        CloseHandle(mapping);
    shared = nullptr;
    mapping = nullptr;
}

} // namespace

extern "C" {

__declspec(dllexport) LRESULT CALLBACK KeyCounter(int code, WPARAM wParam, LPARAM lParam);

// Installs the hook and names `window` as the target of its messages. The last error is 0
// afterwards when the hook runs, else the Windows error code of the step that failed.
__declspec(dllexport) void WINAPI Vardok_Start(HWND window) {
    if (const DWORD error = OpenShared()) {
        SetLastError(error);
        return;
    }
    // The window first: a key typed while the hook is being installed finds it.
    shared->Window = Low32(window);
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD, KeyCounter, module, 0);
    if (hook == nullptr)
        return; // SetWindowsHookExA has set the last error
    shared->Hook = Low32(hook);
    SetLastError(0);
}

// Removes the hook this process installed; nothing when it installed none.
__declspec(dllexport) void WINAPI Vardok_Stop() {
    if (shared == nullptr)
        return;
    if (shared->Hook != 0)
        UnhookWindowsHookEx(FromLow32<HHOOK>(shared->Hook));
    shared->Hook = 0;
    CloseShared();
}

// Every key is passed on, never swallowed; presses and releases are both posted, with the
// key's virtual-key code and its keystroke flags as the hook received them.
__declspec(dllexport) LRESULT CALLBACK KeyCounter(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    HHOOK hook = nullptr;
    // No window named (the program has gone): nothing is posted, not even to this thread.
    if (OpenShared() == 0 && shared->Window != 0) {
        PostMessageA(FromLow32<HWND>(shared->Window), kKeyMessage, wParam, lParam);
        hook = FromLow32<HHOOK>(shared->Hook);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        module = instance;
    else if (reason == DLL_PROCESS_DETACH)
        CloseShared();
    return TRUE;
}
