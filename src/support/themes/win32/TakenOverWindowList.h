#pragma once
// The controls of one class whose window procedure the theme manager replaced, each with the
// manager's procedure in the control's chain, which passes messages on to what lies below it.

#include "framework/win32/Controls.h"
#include "support/themes/ControlKinds.h"
#include "support/themes/TakenOverEntries.h"

namespace tav::themes {

class TStyleManager;
class TTakenOverWindowList;

// What a replacement procedure does with one message of one control.
using TReplacementProc = void (TStyleManager::*)(TTakenOverWindowList& list, TControl& control,
                                                 TMessage& message);

// The kind of control a window is, by its class and style.
TControlKind KindOfControl(const TControl& control);

class TTakenOverWindowList {
public:
    TTakenOverWindowList(TStyleManager& owner, TControlKind handledKind, TReplacementProc proc);
    ~TTakenOverWindowList();
    TTakenOverWindowList(const TTakenOverWindowList&) = delete;
    TTakenOverWindowList& operator=(const TTakenOverWindowList&) = delete;

    TControlKind HandledKind() const { return handledKind_; }
    // Installs the replacement into `control`; -1 when the control is of another kind or in
    // the list already.
    int AddControl(TControl* control);
    // Takes the manager's procedure out of the control's chain and releases its children.
    void RemoveControl(TControl* control);
    // Drops the entry of a control that no longer exists, touching nothing of it.
    void ForgetControl(const void* control);
    bool FindControl(const TControl* control, int* index = nullptr);
    // The procedure below the manager's handles the message; a control that is not listed gets
    // nothing.
    // A control whose window goes leaves the list.
    void CallSaved(TControl& control, TMessage& message);
    void Clear();
    int Count() const { return static_cast<int>(entries_.Count()); }
    TControl* ControlAt(int index) const;

private:
    TStyleManager& owner_;
    TControlKind handledKind_;
    TReplacementProc proc_;
    TTakenOverEntries<TControl, TWndProcHook> entries_;
};

} // namespace tav::themes
