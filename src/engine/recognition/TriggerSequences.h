#pragma once
// Layout choice and the advance of the action items' trigger sequences when a command fires.

#include "engine/document/Document.h"

#include <string>

namespace tav {

// The first layout after the default one whose window title occurs in `title`, or whose
// application occurs in `className` (case counts; an empty field never matches); nullptr when
// none applies.
TLayout* ChooseApplicationLayout(const TDocument& doc, const std::string& title,
                                 const std::string& className);

// Advances the items that `fired` triggers in the default layout and in `appLayout`, restarts the
// items of every other command, and returns the item to run: the last completed item of the
// application layout, else the last completed item of the default layout, else nullptr.
TAction* AdvanceTriggers(const TDocument& doc, const TCommand& fired, const TLayout* appLayout);

} // namespace tav
