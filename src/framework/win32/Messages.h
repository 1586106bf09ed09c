#pragma once
// The message record that travels through a control's replaceable window procedure, and the
// framework's own message numbers.

#include "framework/ProcChain.h"

#include <windows.h>

#include <functional>

namespace tav {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A control's window procedure as the framework sees it.
using TWndMethod = std::function<void(TMessage&)>;
// A procedure put over a control's window procedure, and its installer's hold on it.
using TChainedWndProc = TChainedProc<TMessage>;
using TWndProcHook = TProcHook<TMessage>;

// Notifications a parent receives about a child (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*,
// WM_DRAWITEM, WM_MEASUREITEM, WM_HSCROLL, WM_VSCROLL) are reflected to the child as
// CN_BASE + the original number, same parameters; what the child leaves unhandled gets the
// parent's default answer.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
// A key press offered to the control before it is dispatched (same parameters as
// WM_KEYDOWN / WM_SYSKEYDOWN); a non-zero result consumes it.
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;

// Framework notices, performed on controls.
constexpr UINT CM_BASE = 0xB000;
// Performed on a form when a control is placed in it or leaves it (also inside nested
// containers): WParam the TControl*, LParam 1 when inserting, 0 when removing.
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 1;
// The mouse entered or left the control.
constexpr UINT CM_MOUSEENTER = CM_BASE + 2;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 3;
// Posted to a form by Release: the form frees itself.
constexpr UINT CM_RELEASE = CM_BASE + 4;
// Performed on a form when one of its controls got the focus (WParam the TControl*).
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 5;

// The notices and the reflected notifications carry the framework's own pointers and handles,
// and any process may post any number to a window: they are performed on a control and never
// taken from its window's messages. CM_RELEASE alone goes through the queue, and the form acts
// on it only when it asked for it.
constexpr bool PerformedOnly(UINT msg) {
    return (msg >= CM_BASE && msg <= CM_FOCUSCHANGED && msg != CM_RELEASE) ||
           (msg >= CN_BASE && msg <= CN_BASE + WM_CTLCOLORSTATIC);
}

} // namespace tav
