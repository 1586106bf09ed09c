#include "ui/tcpsettings/win32/AlignEdit.h"

namespace tav {

namespace {

// Indexed by TAlignment. The edit control aligns its text only in a box of several lines; the
// box still takes no Enter and shows one line, as the form's keys go to the dialog.
constexpr DWORD kAlignmentStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
constexpr DWORD kAlignmentMask = ES_LEFT | ES_RIGHT | ES_CENTER;

DWORD AlignmentStyle(TAlignment alignment) {
    return kAlignmentStyles[static_cast<int>(alignment)];
}

} // namespace

TAlignEdit::TAlignEdit(TComponent* owner, TControl* parent, std::string name)
    : TEdit(owner, parent, std::move(name),
            ES_AUTOHSCROLL | ES_MULTILINE | AlignmentStyle(TAlignment::Center)) {
    PublishInteger(
        "Alignment", [this] { return static_cast<int>(alignment_); },
        [this](int value) {
            if (value >= 0 && value <= static_cast<int>(TAlignment::Center))
                SetAlignment(static_cast<TAlignment>(value));
        });
}

void TAlignEdit::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    // The edit control takes its alignment only when it is made.
    const auto style = static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE));
    const auto limit = SendMessageA(Handle(), EM_GETLIMITTEXT, 0, 0);
    RecreateWindow((style & ~kAlignmentMask) | AlignmentStyle(alignment));
    SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(limit), 0);
    if (PasswordChar() != 0)
        SetPasswordChar(PasswordChar());
}

} // namespace tav
