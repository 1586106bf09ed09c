#pragma once
// The visual-style library, bound at run time: loaded on the first reference and freed with
// the last, every entry looked up by name. A call through an entry the library lacks, or
// after the library was freed, fails as the library would without styles; nothing calls an
// empty slot.

#include <windows.h>

#include <uxtheme.h>

namespace tav::themes {

// Adds a reference; loads the library and binds its entries on the first. True when the
// library is loaded (the reference counts also when loading failed).
bool LoadUxTheme();
// Takes a reference back; the last one frees the library and clears every entry.
void UnloadUxTheme();
// Takes back every reference and frees the library: the program's end.
void UnloadUxThemeCompletely();
bool UxThemeLoaded();
int UxThemeReferences();
// The library is loaded, the application is themed and a visual style is active.
bool UxThemeActive();

// The calls the program makes, each guarded: without the entry they answer failure (E_FAIL,
// 0, false) and draw nothing.
namespace ux {
HTHEME OpenThemeData(HWND wnd, LPCWSTR classList);
HRESULT CloseThemeData(HTHEME theme);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                            const RECT* clip);
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int length,
                      DWORD flags, DWORD flags2, const RECT* rect);
HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const RECT* bounds,
                                      RECT* content);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* rect, UINT edge,
                      UINT flags, RECT* content);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state);
HRESULT DrawThemeParentBackground(HWND wnd, HDC dc, const RECT* rect);
BOOL IsThemeActive();
BOOL IsAppThemed();
DWORD GetThemeAppProperties();
void SetThemeAppProperties(DWORD flags);
HRESULT EnableThemeDialogTexture(HWND wnd, DWORD flags);
} // namespace ux

} // namespace tav::themes
