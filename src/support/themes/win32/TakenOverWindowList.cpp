#include "support/themes/win32/TakenOverWindowList.h"

#include "support/themes/win32/StyleManager.h"

namespace tav::themes {

TControlKind KindOfControl(const TControl& control) {
    char className[64] = {};
    GetClassNameA(control.Handle(), className, sizeof className);
    return KindOfWindow(className,
                        static_cast<unsigned long>(GetWindowLongA(control.Handle(), GWL_STYLE)));
}

TTakenOverWindowList::TTakenOverWindowList(TStyleManager& owner, TControlKind handledKind,
                                           TReplacementProc proc)
    : owner_(owner), handledKind_(handledKind), proc_(proc) {}

TTakenOverWindowList::~TTakenOverWindowList() {
    Clear();
}

int TTakenOverWindowList::AddControl(TControl* control) {
    if (control == nullptr || control->Handle() == nullptr ||
        KindOfControl(*control) != handledKind_ || entries_.Find(control).has_value())
        return -1;
    // Bound to the control; the main manager of the moment handles it, through this list.
    entries_.Add(control, control->HookWindowProc([this, control](TMessage& m, const TWndMethod&) {
        TStyleManager* manager = MainStyleManager();
        ((manager != nullptr ? manager : &owner_)->*proc_)(*this, *control, m);
    }));
    return static_cast<int>(*entries_.Find(control));
}

void TTakenOverWindowList::RemoveControl(TControl* control) {
    std::optional<TWndProcHook> hook = entries_.Remove(control);
    if (!hook)
        return;
    // The replacement may be running this very message: it touches nothing of its own after.
    // Procedures installed over it since stay.
    control->UnhookWindowProc(*hook);
    for (TControl* child : control->Controls())
        owner_.HandleControlChange(child, false);
}

void TTakenOverWindowList::ForgetControl(const void* control) {
    entries_.Remove(static_cast<const TControl*>(control));
}

bool TTakenOverWindowList::FindControl(const TControl* control, int* index) {
    const std::optional<std::size_t> found = entries_.Find(control);
    if (found && index != nullptr)
        *index = static_cast<int>(*found);
    return found.has_value();
}

void TTakenOverWindowList::CallSaved(TControl& control, TMessage& m) {
    const TWndProcHook* saved = entries_.SavedFor(&control);
    if (saved == nullptr)
        return;
    // A copy: the entries may move while the message is handled.
    const TWndProcHook hook = *saved;
    hook.CallBelow(m);
    // The framework destroys a control's window only with the control.
    if (m.Msg == WM_DESTROY)
        RemoveControl(&control);
}

void TTakenOverWindowList::Clear() {
    while (!entries_.Empty())
        RemoveControl(entries_.ControlAt(0));
}

TControl* TTakenOverWindowList::ControlAt(int index) const {
    return entries_.ControlAt(static_cast<std::size_t>(index));
}

} // namespace tav::themes
