#pragma once
// The row of an action in the main window's actions list: its caption and icon.

#include "engine/actions/ActionLabels.h"
#include "engine/actions/ActionString.h"

#include <string>

namespace tav {

// Item of the action editor's type list that edits the kind (Shutdown, WindowState and OSD
// share "Miscellaneous").
int ActionTypeIndex(ActionKind kind);
// Icon of the kind in the actions list's image list.
int ActionImageIndex(ActionKind kind);

struct ActionCaption {
    std::string caption;
    int imageIndex = 0;
    bool operator==(const ActionCaption&) const = default;
};

// Builds the caption from `labels` (so it follows the current language). A stored index that
// no list item has, and a field that does not read, show their stored text.
ActionCaption DescribeAction(const ActionFields& action, const ActionLabels& labels);

} // namespace tav
