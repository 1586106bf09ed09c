#pragma once
// The checks of the action editor's Accept on the values of the chosen type: a value the action
// needs and does not have, a list with nothing chosen, and a text that holds a later key of its
// kind (the format has no escape, so the string would come back cut there).

#include "ui/action/ActionEditorValues.h"

namespace tav {

enum class TAcceptAnswer {
    Accept,
    // The user is asked for the value; the editor stays open.
    Refuse,
    // A volume action with no mixer line to act on closes the editor as cancelled.
    Cancel,
};

struct TAcceptCheck {
    TAcceptAnswer Answer = TAcceptAnswer::Accept;
    TEditorValue Missing = TEditorValue::None;
    bool operator==(const TAcceptCheck&) const = default;
};

// `mixerLines` is the number of lines the volume panel lists.
TAcceptCheck CheckAccept(const TActionEditorValues& values, int mixerLines);

} // namespace tav
