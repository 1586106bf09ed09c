#pragma once
// One running Tavrilo at a time: a starting instance asks the main window of a running one to
// give way, and waits for that program to be gone before it opens any input origin. A running
// instance with unsaved edits first asks its user; when the user keeps it, the new start ends.

#include <windows.h>

namespace tav {

// Sent to a running instance's main window; wParam is the id of the asking start's thread.
// The answer is one of TGiveWay.
UINT EndInstanceMessage();
// Posted to the asking start's thread when the running instance's user kept it.
UINT InstanceStaysMessage();

enum class TGiveWay : LRESULT {
    Ending = 1, // the origins are closed and the program ends
    Asking = 2, // the user is asked first; the end, or InstanceStaysMessage, follows
};

// Asks the main window of every other running instance to give way and waits until their
// programs have ended: at most `timeoutMs` for an answer and again for an end, but as long as it
// takes the user of one that asks. False when one of them stays. Only the program's own main
// windows are asked: windows of the program's form class whose caption holds `caption`; another
// program's window that just bears such a title is left alone.
bool EndOtherInstances(const char* caption, DWORD timeoutMs);

} // namespace tav
