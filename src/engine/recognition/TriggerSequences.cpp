#include "engine/recognition/TriggerSequences.h"

#include <algorithm>

namespace tav {

namespace {

bool Occurs(const std::string& field, const std::string& text) {
    return !field.empty() && text.find(field) != std::string::npos;
}

// One item's step; true when the item completes.
bool Step(TAction& item, const TCommand& fired) {
    const int count = static_cast<int>(item.TriggerCommands.size());
    if (item.Progress < 0 || item.Progress >= count) {
        item.Progress = 0;
        return false;
    }
    if ((item.TriggerCommands[static_cast<std::size_t>(item.Progress)] != &fired &&
         item.TrigType != 1) ||
        item.TrigEn != 0) {
        item.Progress = 0;
        return false;
    }
    ++item.Progress;
    if (item.Progress == count || item.TrigType == 1) {
        item.Progress = 0;
        return true;
    }
    return false;
}

} // namespace

TLayout* ChooseApplicationLayout(const TDocument& doc, const std::string& title,
                                 const std::string& className) {
    const auto& layouts = doc.Layouts();
    for (std::size_t i = 1; i < layouts.size(); ++i)
        if (Occurs(layouts[i]->WndTitle, title) || Occurs(layouts[i]->Application, className))
            return layouts[i].get();
    return nullptr;
}

TAction* AdvanceTriggers(const TDocument& doc, const TCommand& fired, const TLayout* appLayout) {
    const TLayout* def = doc.DefaultLayout();
    TAction* appCandidate = nullptr;
    TAction* defCandidate = nullptr;
    for (TAction* item : fired.Actions) {
        if (item->Layout != def && (!appLayout || item->Layout != appLayout))
            continue;
        if (Step(*item, fired))
            (appLayout && item->Layout == appLayout ? appCandidate : defCandidate) = item;
    }
    for (const TCommand* other : doc.Commands()) {
        if (other == &fired)
            continue;
        for (TAction* item : other->Actions)
            if (std::find(fired.Actions.begin(), fired.Actions.end(), item) == fired.Actions.end())
                item->Progress = item->TriggerCommands.empty() ? -1 : 0;
    }
    return appCandidate ? appCandidate : defCandidate;
}

} // namespace tav
