#include "support/themes/win32/UxTheme.h"

#include <array>
#include <cstddef>

namespace tav::themes {
namespace {

// Every entry of the library, bound in this order; the program calls thirteen of them.
constexpr std::array<const char*, 46> kEntryNames = {
    "OpenThemeData",
    "CloseThemeData",
    "DrawThemeBackground",
    "DrawThemeText",
    "GetThemeBackgroundContentRect",
    "GetThemePartSize",
    "GetThemeTextExtent",
    "GetThemeTextMetrics",
    "GetThemeBackgroundRegion",
    "HitTestThemeBackground",
    "DrawThemeEdge",
    "DrawThemeIcon",
    "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent",
    "GetThemeColor",
    "GetThemeMetric",
    "GetThemeString",
    "GetThemeBool",
    "GetThemeInt",
    "GetThemeEnumValue",
    "GetThemePosition",
    "GetThemeFont",
    "GetThemeRect",
    "GetThemeMargins",
    "GetThemeIntList",
    "GetThemePropertyOrigin",
    "SetWindowTheme",
    "GetThemeFilename",
    "GetThemeSysColor",
    "GetThemeSysColorBrush",
    "GetThemeSysBool",
    "GetThemeSysSize",
    "GetThemeSysFont",
    "GetThemeSysString",
    "GetThemeSysInt",
    "IsThemeActive",
    "IsAppThemed",
    "GetWindowTheme",
    "EnableThemeDialogTexture",
    "IsThemeDialogTextureEnabled",
    "GetThemeAppProperties",
    "SetThemeAppProperties",
    "GetCurrentThemeName",
    "GetThemeDocumentationProperty",
    "DrawThemeParentBackground",
    "EnableTheming",
};

enum Entry : std::size_t {
    eOpenThemeData = 0,
    eCloseThemeData = 1,
    eDrawThemeBackground = 2,
    eDrawThemeText = 3,
    eGetThemeBackgroundContentRect = 4,
    eDrawThemeEdge = 10,
    eIsThemeBackgroundPartiallyTransparent = 13,
    eIsThemeActive = 35,
    eIsAppThemed = 36,
    eEnableThemeDialogTexture = 38,
    eGetThemeAppProperties = 40,
    eSetThemeAppProperties = 41,
    eDrawThemeParentBackground = 44,
};

struct Binding {
    CRITICAL_SECTION lock;
    HMODULE library = nullptr;
    int references = 0;
    std::array<FARPROC, kEntryNames.size()> entries{};

    Binding() { InitializeCriticalSection(&lock); }
    ~Binding() {
        UnloadUxThemeCompletely();
        DeleteCriticalSection(&lock);
    }
};

// Made before the first form (a static of this module) and ended after the last.
Binding g_binding;

class Locked {
public:
    Locked() { EnterCriticalSection(&g_binding.lock); }
    ~Locked() { LeaveCriticalSection(&g_binding.lock); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};

void FreeLibraryLocked() {
    if (g_binding.library != nullptr)
        FreeLibrary(g_binding.library);
    g_binding.library = nullptr;
    g_binding.entries.fill(nullptr);
}

// The entry as a function of type Fn, read under the lock: it may be cleared meanwhile.
template <class Fn> Fn Slot(Entry entry) {
    Locked locked;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(g_binding.entries[entry]));
}

} // namespace

bool LoadUxTheme() {
    Locked locked;
    ++g_binding.references;
    if (g_binding.library == nullptr) {
        g_binding.library = LoadLibraryA("uxtheme.dll");
        if (g_binding.library != nullptr)
            for (std::size_t i = 0; i < kEntryNames.size(); ++i)
                g_binding.entries[i] = GetProcAddress(g_binding.library, kEntryNames[i]);
    }
    return g_binding.library != nullptr;
}

void UnloadUxTheme() {
    Locked locked;
    if (g_binding.references > 0)
        --g_binding.references;
    if (g_binding.references == 0)
        FreeLibraryLocked();
}

void UnloadUxThemeCompletely() {
    Locked locked;
    g_binding.references = 0;
    FreeLibraryLocked();
}

bool UxThemeLoaded() {
    Locked locked;
    return g_binding.library != nullptr;
}

int UxThemeReferences() {
    Locked locked;
    return g_binding.references;
}

bool UxThemeActive() {
    return UxThemeLoaded() && ux::IsAppThemed() && ux::IsThemeActive();
}

namespace ux {

HTHEME OpenThemeData(HWND wnd, LPCWSTR classList) {
    auto fn = Slot<HTHEME(WINAPI*)(HWND, LPCWSTR)>(eOpenThemeData);
    return fn != nullptr ? fn(wnd, classList) : nullptr;
}

HRESULT CloseThemeData(HTHEME theme) {
    auto fn = Slot<HRESULT(WINAPI*)(HTHEME)>(eCloseThemeData);
    return fn != nullptr ? fn(theme) : E_FAIL;
}

HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                            const RECT* clip) {
    auto fn = Slot<HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*)>(
        eDrawThemeBackground);
    return fn != nullptr ? fn(theme, dc, part, state, rect, clip) : E_FAIL;
}

HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int length,
                      DWORD flags, DWORD flags2, const RECT* rect) {
    auto fn =
        Slot<HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*)>(
            eDrawThemeText);
    return fn != nullptr ? fn(theme, dc, part, state, text, length, flags, flags2, rect) : E_FAIL;
}

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const RECT* bounds,
                                      RECT* content) {
    auto fn = Slot<HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, RECT*)>(
        eGetThemeBackgroundContentRect);
    return fn != nullptr ? fn(theme, dc, part, state, bounds, content) : E_FAIL;
}

HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* rect, UINT edge,
                      UINT flags, RECT* content) {
    auto fn = Slot<HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*)>(
        eDrawThemeEdge);
    return fn != nullptr ? fn(theme, dc, part, state, rect, edge, flags, content) : E_FAIL;
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state) {
    auto fn = Slot<BOOL(WINAPI*)(HTHEME, int, int)>(eIsThemeBackgroundPartiallyTransparent);
    return fn != nullptr ? fn(theme, part, state) : FALSE;
}

HRESULT DrawThemeParentBackground(HWND wnd, HDC dc, const RECT* rect) {
    auto fn = Slot<HRESULT(WINAPI*)(HWND, HDC, const RECT*)>(eDrawThemeParentBackground);
    return fn != nullptr ? fn(wnd, dc, rect) : E_FAIL;
}

BOOL IsThemeActive() {
    auto fn = Slot<BOOL(WINAPI*)()>(eIsThemeActive);
    return fn != nullptr ? fn() : FALSE;
}

BOOL IsAppThemed() {
    auto fn = Slot<BOOL(WINAPI*)()>(eIsAppThemed);
    return fn != nullptr ? fn() : FALSE;
}

DWORD GetThemeAppProperties() {
    auto fn = Slot<DWORD(WINAPI*)()>(eGetThemeAppProperties);
    return fn != nullptr ? fn() : 0;
}

void SetThemeAppProperties(DWORD flags) {
    if (auto fn = Slot<void(WINAPI*)(DWORD)>(eSetThemeAppProperties))
        fn(flags);
}

HRESULT EnableThemeDialogTexture(HWND wnd, DWORD flags) {
    auto fn = Slot<HRESULT(WINAPI*)(HWND, DWORD)>(eEnableThemeDialogTexture);
    return fn != nullptr ? fn(wnd, flags) : E_FAIL;
}

} // namespace ux
} // namespace tav::themes
