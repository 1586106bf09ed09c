#pragma once
// One running Tavrilo at a time: a starting instance asks the main window of a running one to
// end, and waits for that program to be gone before it opens any input origin.

#include <windows.h>

namespace tav {

// The message a running instance's main window answers by closing its origins and ending.
UINT EndInstanceMessage();

// Asks the main window of every other running instance to end and waits, at most `timeoutMs`,
// until their programs have ended. Only the program's own main windows are asked: windows of
// the program's form class whose caption holds `caption`; another program's window that just
// bears such a title is left alone.
void EndOtherInstances(const char* caption, DWORD timeoutMs);

} // namespace tav
