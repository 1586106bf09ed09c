#pragma once
// The system's HTML Help control (hhctrl.ocx), loaded at run time: where its file lies, its
// loading and unloading, and the calls of its entry point. The program loads it once before
// its first window and lets it go after its last; every help call goes through the one
// generic entry.

#include "framework/win32/Seams.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tav::help {

using THtmlHelpEntryA = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);
using THtmlHelpEntryW = HWND(WINAPI*)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

inline constexpr UINT kHHHelpContext = 0x000F;
inline constexpr UINT kHHCloseAll = 0x0012;

// Loads the control unless it is loaded: by its name, else from the file GetHHCtrlPath names,
// and binds its entries; a missing entry stays unbound.
void LoadHtmlHelp();
void UnloadHtmlHelp();
bool HtmlHelpLoaded();
THtmlHelpEntryA HtmlHelpAEntry();
THtmlHelpEntryW HtmlHelpWEntry();
bool GenericHelpEntryBound();

// The control's file as the registry names it, else the system folder's hhctrl.ocx (whether
// or not that one exists).
std::string GetHHCtrlPath();

// A call of the generic entry; none is made (and no window comes back) while it is unbound.
// Tests replace it to see the calls.
using THtmlHelpCall =
    std::function<HWND(HWND caller, const char* file, UINT command, DWORD_PTR data)>;
TSeam<THtmlHelpCall>& HtmlHelpCallSeam();
HWND CallHtmlHelp(HWND caller, const char* file, UINT command, DWORD_PTR data);

// Closes every help window the program opened, when the control is loaded.
void HHCloseAll();

// The system's folders, without a trailing "\"; the temporary one is "c:" when it is missing.
std::string WindowsFolder();
std::string SystemFolder();
std::string TempFolder();

} // namespace tav::help
