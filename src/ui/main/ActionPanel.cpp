#include "ui/main/ActionPanel.h"

#include "engine/actions/ActionDescription.h"
#include "ui/lang/FormTranslations.h"

#include <algorithm>

namespace tav {

namespace {

template <class T> int PositionOf(const std::vector<std::unique_ptr<T>>& list, const T* item) {
    const auto it =
        std::find_if(list.begin(), list.end(), [item](const auto& p) { return p.get() == item; });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

template <class T> T* At(const std::vector<std::unique_ptr<T>>& list, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= list.size())
        return nullptr;
    return list[static_cast<std::size_t>(position)].get();
}

bool HoldsLayout(const TDocument& doc, const TLayout* layout) {
    return PositionOf(doc.Layouts(), layout) >= 0;
}

} // namespace

std::vector<TTriggerGroup> GroupTriggers(const TDocument& doc, const TAction& item) {
    std::vector<TTriggerGroup> groups;
    for (std::size_t i = 0; i < item.TriggerCommands.size(); ++i) {
        const TCommandNode* node = doc.NodeOf(item.TriggerCommands[i]);
        if (node == nullptr || node->Parent() == nullptr)
            continue;
        const std::string& remote = node->Parent()->Text;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const TTriggerGroup& g) { return g.Remote == remote; });
        if (group == groups.end())
            group = groups.insert(groups.end(), TTriggerGroup{remote, {}});
        group->Entries.push_back({i, node->Text, NodeImageIndex(*node)});
    }
    return groups;
}

bool AcceptsTriggerDrop(const TTriggerDrag& drag) {
    if (drag.Source == TTriggerDragSource::Other || !drag.Selected)
        return false;
    if (drag.TreeEmpty)
        return true;
    if (!drag.TargetIsGroup)
        return drag.Source == TTriggerDragSource::CommandsTree;
    return *drag.TargetIsGroup || drag.DraggedIsCommand;
}

TActionRow DescribeActionRow(const std::string& action, const ActionLabels& labels) {
    const std::optional<ActionFields> fields = ParseAction(action);
    if (!fields)
        return {action, -1};
    const ActionCaption caption = DescribeAction(*fields, labels);
    return {caption.caption, caption.imageIndex};
}

TActionsListButtons ActionsListButtons(int rows, bool rowSelected) {
    return {rows >= 2, rows > 0 && rowSelected};
}

TActionPanel::TActionPanel(TDocument& doc, IActionPanelPrompts& prompts)
    : doc_(doc), prompts_(prompts) {}

std::string TActionPanel::Text(std::string_view english) const {
    return prompts_.Translate(std::string(english));
}

std::vector<std::string> TActionPanel::LayoutNames() const {
    std::vector<std::string> names;
    for (const auto& layout : doc_.Layouts())
        names.push_back(layout->Name);
    return names;
}

int TActionPanel::LayoutIndex() const {
    return PositionOf(doc_.Layouts(), doc_.CurLayout());
}

std::vector<std::string> TActionPanel::ItemNames() const {
    std::vector<std::string> names;
    if (const TLayout* layout = doc_.CurLayout())
        for (const auto& item : layout->Actions)
            names.push_back(item->Name);
    return names;
}

int TActionPanel::ItemIndex() const {
    const TAction* item = doc_.CurAction();
    const TLayout* layout = doc_.CurLayout();
    return item && layout ? PositionOf(layout->Actions, item) : -1;
}

void TActionPanel::FollowItem() {
    if (TAction* item = doc_.CurAction())
        doc_.SetCurLayout(item->Layout);
}

void TActionPanel::ChooseLayout(int position) {
    TLayout* layout = At(doc_.Layouts(), position);
    if (layout == nullptr)
        return;
    doc_.SetCurLayout(layout);
    doc_.SetCurAction(layout->Actions.empty() ? nullptr : layout->Actions.front().get());
}

void TActionPanel::ChooseItem(int position) {
    const TLayout* layout = doc_.CurLayout();
    doc_.SetCurAction(layout ? At(layout->Actions, position) : nullptr);
}

bool TActionPanel::NewItem() {
    TLayout* layout = doc_.CurLayout();
    const TAction* shown = doc_.CurAction();
    const std::string proposed = shown ? shown->Name : Text(msg::MyAction);
    const std::optional<std::string> name =
        AskUsableName(prompts_, Text(msg::NewAction), Text(msg::ActionName), proposed);
    if (!name || !HoldsLayout(doc_, layout))
        return false;
    doc_.SetCurLayout(layout);
    doc_.AddAction(layout, *name);
    return true;
}

bool TActionPanel::DeleteItem() {
    TAction* item = doc_.CurAction();
    if (item == nullptr)
        return false;
    const std::string question = Text(msg::DeleteActionQuestion) + QuotedName(item->Name) + "'?";
    if (!prompts_.Confirm(question, Text(msg::DeleteAction)) || !doc_.Contains(item))
        return false;
    doc_.DeleteAction(item);
    doc_.SetCurAction(nullptr);
    return true;
}

bool TActionPanel::RenameItem() {
    TAction* item = doc_.CurAction();
    if (item == nullptr)
        return false;
    const std::optional<std::string> name =
        AskUsableName(prompts_, Text(msg::RenameAction), Text(msg::ActionName), item->Name);
    if (!name || !doc_.Contains(item))
        return false;
    item->Name = *name;
    doc_.SetModified(true);
    return true;
}

bool TActionPanel::AddTriggers(const TCommandNode* node) {
    TAction* item = doc_.CurAction();
    if (item == nullptr || node == nullptr)
        return false;
    doc_.AddTrigger(item, node);
    return true;
}

bool TActionPanel::DeleteTrigger(std::size_t position) {
    TAction* item = doc_.CurAction();
    if (item == nullptr || position >= item->TriggerCommands.size())
        return false;
    const TCommand* command = item->TriggerCommands[position];
    const TCommandNode* node = doc_.NodeOf(command);
    const std::string question =
        Text(msg::DeleteCommandQuestion) + (node ? QuotedName(node->Text) : std::string()) + "'?";
    if (!prompts_.Confirm(question, Text(msg::DeleteCommand)) || !doc_.Contains(item))
        return false;
    // The list may have changed while the question was open: remove the entry only when it is
    // still the one that was asked about.
    if (position >= item->TriggerCommands.size() || item->TriggerCommands[position] != command)
        return false;
    doc_.RemoveTriggerAt(item, position);
    return true;
}

bool TActionPanel::ExchangeTriggers(std::size_t dragged, std::size_t target) {
    TAction* item = doc_.CurAction();
    if (item == nullptr)
        return false;
    const auto& triggers = item->TriggerCommands;
    if (dragged >= triggers.size() || target >= triggers.size() ||
        triggers[dragged] == triggers[target])
        return false;
    doc_.ExchangeTriggers(item, dragged, target);
    return true;
}

bool TActionPanel::SetTriggering(int trigEn) {
    TAction* item = doc_.CurAction();
    if (item == nullptr || item->TrigEn == trigEn)
        return false;
    item->TrigEn = trigEn;
    doc_.SetModified(true);
    return true;
}

bool TActionPanel::SetMode(int trigType) {
    TAction* item = doc_.CurAction();
    if (item == nullptr || item->TrigType == trigType)
        return false;
    item->TrigType = trigType;
    doc_.SetModified(true);
    return true;
}

bool TActionPanel::SetAllAtOnce(bool allAtOnce) {
    TAction* item = doc_.CurAction();
    if (item == nullptr || item->AllAtOnce == allAtOnce)
        return false;
    item->AllAtOnce = allAtOnce;
    doc_.SetModified(true);
    return true;
}

bool TActionPanel::AddAction(IActionDialogs& dialogs) {
    TAction* item = doc_.CurAction();
    if (item == nullptr)
        return false;
    const std::optional<std::string> action = dialogs.NewAction();
    if (!action || action->empty() || !doc_.Contains(item))
        return false;
    item->ActionStrings.push_back(*action);
    item->CurrentIndex = 0;
    doc_.SetModified(true);
    return true;
}

bool TActionPanel::EditAction(int row, IActionEditor& editor) {
    TAction* item = doc_.CurAction();
    if (item == nullptr)
        return false;
    // The editor is modal: an item deleted while it is open takes the edit with it.
    struct TWhileItemExists : IActionEditor {
        TDocument& doc;
        const TAction* item;
        IActionEditor& editor;
        TWhileItemExists(TDocument& d, const TAction* i, IActionEditor& e)
            : doc(d), item(i), editor(e) {}
        std::optional<std::string> Edit(const std::string& action) override {
            auto edited = editor.Edit(action);
            return doc.Contains(item) ? edited : std::nullopt;
        }
    } guarded{doc_, item, editor};
    return EditActionRow(doc_, *item, row, guarded);
}

} // namespace tav
