#pragma once
// The checks of the action editor's Accept on the values of the chosen type: a value the action
// needs and does not have, a list with nothing chosen or a number beyond its list or range, and
// a value that does not come back from the string as it was written (a text that holds a later
// key of its kind: the format has no escape, so the string would come back cut there).

#include "ui/action/ActionEditorValues.h"

#include <optional>

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

TAcceptCheck CheckAccept(const TActionEditorValues& values, const TEditorLists& lists);

} // namespace tav
