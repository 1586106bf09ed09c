#include "engine/document/Document.h"

#include <algorithm>

namespace tav {

namespace {

template <class T> void EraseFirst(std::vector<T*>& list, const T* item) {
    const auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

template <class T> bool Holds(const std::vector<T*>& list, const T* item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

TDocument::TDocument(NameSource defaultLayoutName)
    : defaultLayoutName_(std::move(defaultLayoutName)) {
    if (!defaultLayoutName_)
        defaultLayoutName_ = [] { return std::string("Default"); };
    Reset();
}

TDocument::~TDocument() = default;

void TDocument::Reset() {
    commands_.clear();
    recognitionCodesStale_ = true;
    layouts_.clear();
    tree_.Clear();
    codes_->Clear();
    auto def = std::make_unique<TLayout>();
    def->Name = defaultLayoutName_();
    layouts_.push_back(std::move(def));
    curLayout_ = layouts_.front().get();
    curAction_ = nullptr;
    ReceivedCode.Empty();
    DropRunState(TRunStateChange::Reset);
}

void TDocument::TakeContentFrom(TDocument& loaded) {
    std::swap(tree_, loaded.tree_);
    std::swap(commands_, loaded.commands_);
    std::swap(codes_, loaded.codes_);
    recognitionCodesStale_ = true;
    loaded.recognitionCodesStale_ = true;
    std::swap(layouts_, loaded.layouts_);
    std::swap(curLayout_, loaded.curLayout_);
    std::swap(curAction_, loaded.curAction_);
    modified_ = loaded.modified_;
    ReceivedCode.Empty();
    DropRunState(TRunStateChange::Reset);
}

TCommandNode* TDocument::NodeOf(const TCommand* command) const {
    TCommandNode* node = command ? tree_.NodeAt(command->NodeIndex) : nullptr;
    return node && node->Data() == command ? node : nullptr;
}

const TCodeStore& TDocument::RecognitionCodes() {
    if (recognitionCodesStale_)
        CompactCodes();
    return *codes_;
}

void TDocument::CompactCodes() {
    std::vector<TCommand*> remotes;
    for (const auto& remote : tree_.Remotes())
        remotes.push_back(remote->Data());
    codes_->Compact(commands_, remotes);
    recognitionCodesStale_ = false;
}

// Left-behind values are dropped once they outweigh the codes in use, so that learning the
// same commands again and again while no code is recognised does not grow the store for ever.
void TDocument::CodesLeftBehind() {
    recognitionCodesStale_ = true;
    if (codes_->Garbage() > codes_->Size() / 2)
        CompactCodes();
}

void TDocument::SetCode(TCommand& command, TCode code) {
    codes_->Assign(command, code.Values());
    CodesLeftBehind();
    Touch();
}

bool TDocument::Contains(const TAction* action) const {
    for (const auto& layout : layouts_)
        for (const auto& item : layout->Actions)
            if (item.get() == action)
                return true;
    return false;
}

TCommandNode* TDocument::AddRemote(std::string name) {
    TCommandNode* node = tree_.AppendRemote(std::move(name));
    Touch();
    return node;
}

TCommandNode* TDocument::AddCommand(TCommandNode* selected, std::string name) {
    if (!selected)
        return nullptr;
    TCommandNode* node = tree_.InsertCommand(selected, std::move(name));
    commands_.push_back(node->Data());
    recognitionCodesStale_ = true;
    Touch();
    return node;
}

void TDocument::DeleteNode(TCommandNode* node) {
    if (!node)
        return;
    while (!node->Children().empty())
        DeleteTreeNode(node->Children().front().get());
    DeleteTreeNode(node);
    DropRunState(TRunStateChange::CommandDeleted);
}

void TDocument::DeleteTreeNode(TCommandNode* node) {
    TCommand* record = node->Data();
    const auto pos = std::find(commands_.begin(), commands_.end(), record);
    if (pos != commands_.end()) {
        commands_.erase(pos);
        for (TAction* item : record->Actions)
            std::erase(item->TriggerCommands, record);
    }
    codes_->Release(*record);
    tree_.Remove(node); // frees the node and its record
    CodesLeftBehind();
    Touch();
}

void TDocument::RenameNode(TCommandNode* node, std::string name) {
    node->Text = std::move(name);
    Touch();
}

void TDocument::SetRecognition(TCommandNode* node, bool on) {
    node->Data()->Recognition = on;
    for (const auto& child : node->Children())
        child->Data()->Recognition = on;
    Touch();
}

void TDocument::SetTypematic(TCommandNode* node, bool on) {
    node->Data()->Typematic = on;
    for (const auto& child : node->Children())
        child->Data()->Typematic = on;
    Touch();
}

void TDocument::SetSound(TCommandNode* node, std::string sound) {
    node->Data()->Sound = std::move(sound);
    Touch();
}

bool TDocument::MoveNode(TCommandNode* dragged, TCommandNode* target, TDropPlace place) {
    if (!tree_.Move(dragged, target, place))
        return false;
    Touch();
    return true;
}

TLayout* TDocument::AddLayout(std::string name, std::string wndTitle, std::string application) {
    auto layout = std::make_unique<TLayout>();
    layout->Name = std::move(name);
    layout->WndTitle = std::move(wndTitle);
    layout->Application = std::move(application);
    layouts_.push_back(std::move(layout));
    Touch();
    return layouts_.back().get();
}

void TDocument::DeleteLayout(TLayout* layout) {
    const auto it = std::find_if(layouts_.begin() + 1, layouts_.end(),
                                 [layout](const auto& l) { return l.get() == layout; });
    if (it == layouts_.end())
        return;
    for (const auto& item : layout->Actions)
        FreeAction(item.get());
    if (curLayout_ == layout)
        curLayout_ = DefaultLayout();
    layouts_.erase(it);
    Touch();
    DropRunState(TRunStateChange::LayoutDeleted);
}

TAction* TDocument::AddAction(TLayout* layout, std::string name) {
    auto item = std::make_unique<TAction>();
    item->Name = std::move(name);
    item->Layout = layout;
    layout->Actions.push_back(std::move(item));
    curAction_ = layout->Actions.back().get();
    Touch();
    return curAction_;
}

void TDocument::DeleteAction(TAction* action) {
    auto& items = action->Layout->Actions;
    const auto it = std::find_if(items.begin(), items.end(),
                                 [action](const auto& a) { return a.get() == action; });
    if (it == items.end())
        return;
    FreeAction(action);
    items.erase(it);
    Touch();
    DropRunState(TRunStateChange::ActionDeleted);
}

// Unlinks an item that is about to be freed from everything that refers to it.
void TDocument::FreeAction(TAction* action) {
    for (TCommand* command : action->TriggerCommands)
        EraseFirst(command->Actions, action);
    action->TriggerCommands.clear();
    if (curAction_ == action)
        curAction_ = nullptr;
}

void TDocument::AddTrigger(TAction* action, const TCommandNode* node) {
    if (!action || !node)
        return;
    // Whether the command lists the item already is asked of the shorter of the two lists: one
    // command may trigger hundreds of thousands of items of a loaded file, and one item may
    // list a thousand commands after a few remotes were dropped on it.
    auto add = [action](TCommand* command) {
        const bool listed = action->TriggerCommands.size() <= command->Actions.size()
                                ? Holds(action->TriggerCommands, command)
                                : Holds(command->Actions, action);
        action->TriggerCommands.push_back(command);
        if (!listed)
            command->Actions.push_back(action);
    };
    if (node->IsRemote()) {
        for (const auto& child : node->Children())
            add(child->Data());
    } else {
        add(node->Data());
    }
    action->Progress = 0;
    Touch();
}

void TDocument::RemoveTriggerAt(TAction* action, std::size_t position) {
    auto& triggers = action->TriggerCommands;
    if (position >= triggers.size())
        return;
    TCommand* command = triggers[position];
    triggers.erase(triggers.begin() + static_cast<std::ptrdiff_t>(position));
    if (!Holds(triggers, command))
        EraseFirst(command->Actions, action);
    Touch();
}

void TDocument::ExchangeTriggers(TAction* action, std::size_t a, std::size_t b) {
    auto& triggers = action->TriggerCommands;
    if (a >= triggers.size() || b >= triggers.size())
        return;
    std::swap(triggers[a], triggers[b]);
    Touch();
}

int TDocument::AddRunStateListener(RunStateListener listener) {
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void TDocument::RemoveRunStateListener(int id) {
    std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

void TDocument::DropRunState(TRunStateChange why) {
    LastFiredCommand = nullptr;
    TypematicActive = false;
    // A listener may remove itself while it is told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(why);
}

} // namespace tav
