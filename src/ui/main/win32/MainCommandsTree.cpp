// The main window's commands tree: adding, renaming, deleting and moving remotes and commands,
// their switches and sounds, the Commands menu and the tree's popup, which copies it.

#include "framework/Text.h"
#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"
#include "ui/main/CommandsMenuState.h"
#include "ui/main/NamePrompts.h"
#include "ui/main/win32/CommandImages.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MenuCopy.h"

#include <optional>

namespace tav {

namespace {

// The node a message makes current before the tree handles it: the node under a pressed
// right or middle button (a left press on a node selects it itself, and starts editing when the
// node was selected already), none under a left press off the nodes, and the node a drag
// starts from.
std::optional<TTreeNode*> NodeToSelect(const TTreeView& tree, const TMessage& m) {
    auto under = [&] {
        return tree.GetNodeAt(static_cast<short>(LOWORD(m.LParam)),
                              static_cast<short>(HIWORD(m.LParam)));
    };
    switch (m.Msg) {
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return under();
    case WM_LBUTTONDOWN:
        if (TTreeNode* node = under(); node == nullptr)
            return node;
        return std::nullopt;
    case CN_NOTIFY: {
        const auto* tv = reinterpret_cast<const NMTREEVIEWA*>(m.LParam);
        if (tv->hdr.code == TVN_BEGINDRAGA || tv->hdr.code == TVN_BEGINDRAGW)
            return tree.NodeOf(tv->itemNew.hItem);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// A sound's name shown as it is: an "&" in it is no mnemonic.
std::string MenuText(const std::string& name) {
    std::string text;
    for (char c : name)
        text += c == '&' ? std::string("&&") : std::string(1, c);
    return text;
}

} // namespace

void TMainForm::CreateCommandsTree() {
    CommandsImgList = new TDrawnImageList(this, "CommandsImgList");
    AddCommandImages(*CommandsImgList);
    CommandsTree->SetImages(CommandsImgList);
    CommandsTree->DragMode = TDragMode::Automatic;
    CommandsTree->OnStartDrag = Handler(&TMainForm::CommandsTreeStartDrag);
    CommandsTree->OnDragOver = Handler(&TMainForm::CommandsTreeDragOver);
    CommandsTree->OnDragDrop = Handler(&TMainForm::CommandsTreeDragDrop);
    CommandsTree->OnKeyDown = Handler(&TMainForm::CommandsTreeKeyDown);
    CommandsTree->OnEdited = Handler(&TMainForm::CommandsTreeEdited);
    commandsView_ = std::make_unique<TCommandsTreeView>(*CommandsTree, document_);
    // The trigger list names the commands: an edit of the tree shows there at once.
    commandsView_->OnChanged = [this] { ShowActionItem(); };
    TriggerTree->SetImages(CommandsImgList);
    // The node a mouse press or a drag is about is selected before the tree acts on it: the
    // context menu, which the tree opens from inside its handling of the right button, and the
    // drag then act on that node.
    CommandsTree->HookWindowProc([this](TMessage& m, const TWndMethod& below) {
        if (CanFireEvents())
            if (const auto node = NodeToSelect(*CommandsTree, m))
                CommandsTree->SetSelected(*node);
        below(m);
    });
}

TCommandNode* TMainForm::TargetNode(TObject* sender) const {
    for (auto* item = dynamic_cast<TMenuItem*>(sender); item != nullptr; item = item->Parent())
        if (item == CommandsPopUpMenu->Items())
            return commandsView_->Holds(popupTarget_) ? popupTarget_ : nullptr;
    return commandsView_->Selected();
}

void TMainForm::CommandsEdited() {
    ModifiedChanged();
    commandsView_->Changed();
}

void TMainForm::NewRemoteMenuClick(TObject* sender) {
    std::optional<std::string> name = Lang->GetMessageText(msg::NewRemote);
    if (sender != nullptr)
        name = AskUsableName(*panelPrompts_, Lang->GetMessageText(msg::NewRemote),
                             Lang->GetMessageText(msg::RemoteName), *name);
    if (!name)
        return;
    commandsView_->Placed(document_.AddRemote(*name));
    CommandsEdited();
}

void TMainForm::NewCommandMenuClick(TObject* sender) {
    TCommandNode* target = TargetNode(sender);
    if (target == nullptr)
        return;
    std::optional<std::string> name = Lang->GetMessageText(msg::NewCommand);
    if (sender != nullptr)
        name = AskUsableName(*panelPrompts_, Lang->GetMessageText(msg::NewCommand),
                             Lang->GetMessageText(msg::CommandName), *name);
    if (!name || !commandsView_->Holds(target))
        return;
    TCommandNode* added = document_.AddCommand(target, *name);
    commandsView_->Placed(added);
    CommandsEdited();
    if (sender == nullptr)
        return;
    commandsView_->Select(added);
    commandsView_->ViewOf(added)->MakeVisible();
    LearnCommand(added);
}

void TMainForm::RenameMenuClick(TObject* sender) {
    TCommandNode* target = TargetNode(sender);
    if (target == nullptr)
        return;
    // Cancel keeps the name and leaves the document unmodified.
    const std::optional<std::string> name =
        AskUsableName(*panelPrompts_, Lang->GetMessageText(msg::Rename),
                      Lang->GetMessageText(msg::EnterNewName), target->Text);
    if (!name || !commandsView_->Holds(target))
        return;
    document_.RenameNode(target, *name);
    commandsView_->Refresh();
    CommandsEdited();
}

void TMainForm::DeleteMenuClick(TObject* sender) {
    TCommandNode* target = TargetNode(sender);
    if (target == nullptr)
        return;
    const std::string question =
        target->IsRemote()
            ? Lang->GetMessageText(msg::DeleteRemoteQuestion) + QuotedName(target->Text) +
                  Lang->GetMessageText(msg::DeleteRemoteQuestionEnd)
            : Lang->GetMessageText(msg::DeleteCommandQuestion) + QuotedName(target->Text) + "'?";
    const std::string caption =
        Lang->GetMessageText(target->IsRemote() ? msg::DeleteRemote : msg::DeleteCommand);
    if (ShowMessageBox(question, caption, MB_YESNO | MB_ICONQUESTION) != IDYES ||
        !commandsView_->Holds(target))
        return;
    commandsView_->Deleting(target);
    document_.DeleteNode(target);
    CommandsEdited();
}

// A switch of a remote applies to all its commands.
void TMainForm::ToggleSwitch(TObject* sender, bool TCommand::*flag) {
    TCommandNode* target = TargetNode(sender);
    if (target == nullptr)
        return;
    const bool on = !(target->Data()->*flag);
    if (flag == &TCommand::Recognition)
        document_.SetRecognition(target, on);
    else
        document_.SetTypematic(target, on);
    if (auto* item = dynamic_cast<TMenuItem*>(sender))
        item->SetChecked(on);
    commandsView_->Refresh();
    CommandsEdited();
}

void TMainForm::EnabledMenuClick(TObject* sender) {
    ToggleSwitch(sender, &TCommand::Recognition);
}

void TMainForm::TypematicMenuClick(TObject* sender) {
    ToggleSwitch(sender, &TCommand::Typematic);
}

// The item's tag is its place in the sound submenu: 0 "None", i + 1 the settings' sound i.
void TMainForm::SoundListMenuClick(TObject* sender) {
    TCommandNode* target = TargetNode(sender);
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (target == nullptr || target->IsRemote() || item == nullptr)
        return;
    item->SetChecked(true);
    document_.SetSound(target, SoundOfMenuItem(settings_.Sounds(), item->Tag));
    CommandsEdited();
}

void TMainForm::CommandsMenuClick(TObject*) {
    while (SoundMenu->Count() > 1)
        delete SoundMenu->Item(SoundMenu->Count() - 1);
    const auto& sounds = settings_.Sounds();
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        TMenuItem* sound = nullptr;
        CreateComponent(sound, this, "Sound" + IntToStr(static_cast<int>(i)),
                        {.Parent = SoundMenu,
                         .Caption = MenuText(sounds[i].Name),
                         .RadioItem = true,
                         .OnClick = Handler(&TMainForm::SoundListMenuClick)});
        sound->Tag = static_cast<int>(i) + 1;
    }

    const TCommandNode* selected = commandsView_->Selected();
    const TCommandsMenuState s =
        CommandsMenuState(selected, document_.CurAction() != nullptr, sounds);
    NewCommandMenu->SetEnabled(s.NewCommand);
    LearnMenu->SetEnabled(s.Learn);
    PropertiesMenu->SetEnabled(s.Properties);
    EnabledMenu->SetEnabled(s.Recognition);
    TypematicMenu->SetEnabled(s.Typematic);
    SoundMenu->SetEnabled(s.Sound);
    CopyToActionMenu->SetEnabled(s.CopyToAction);
    RenameMenu->SetEnabled(s.Rename);
    DeleteMenu->SetEnabled(s.Delete);
    if (selected == nullptr)
        return;
    EnabledMenu->SetChecked(s.RecognitionChecked);
    TypematicMenu->SetChecked(s.TypematicChecked);
    for (int i = 0; i < SoundMenu->Count(); ++i)
        SoundMenu->Item(i)->SetChecked(i == s.SoundItem);
}

void TMainForm::CommandsPopUpMenuPopup(TObject* sender) {
    popupTarget_ = commandsView_->Selected();
    CommandsMenuClick(sender);
    TMenuItem* items = CommandsPopUpMenu->Items();
    while (items->Count() > 0)
        delete items->Item(items->Count() - 1);
    // Everything from "Add new remote" on; the properties' items stand in the popup itself.
    for (int i = CommandsMenu->IndexOf(NewRemoteMenu); i < CommandsMenu->Count(); ++i) {
        TMenuItem* source = CommandsMenu->Item(i);
        if (source != PropertiesMenu) {
            items->Add(CopyMenuItem(this, *source));
            continue;
        }
        items->Add(CopyMenuItem(this, *EnabledMenu));
        items->Add(CopyMenuItem(this, *TypematicMenu));
        TMenuItem* sounds = CopyMenuItem(this, *SoundMenu);
        items->Add(sounds);
        for (int s = 0; s < SoundMenu->Count(); ++s)
            sounds->Add(CopyMenuItem(this, *SoundMenu->Item(s)));
    }
}

// Recognition goes on during a drag and selects every command it recognises: the drag carries
// the node it started from.
void TMainForm::CommandsTreeStartDrag(TObject*) {
    draggedNode_ = commandsView_->Selected();
}

TCommandNode* TMainForm::DraggedNode(TObject* source) const {
    return source == CommandsTree && commandsView_->Holds(draggedNode_) ? draggedNode_ : nullptr;
}

void TMainForm::CommandsTreeDragOver(TObject*, TObject* source, int x, int y, TDragState,
                                     bool& accept) {
    const TCommandNode* dragged = DraggedNode(source);
    const TCommandNode* target = commandsView_->ModelOf(CommandsTree->GetNodeAt(x, y));
    accept = dragged != target && TCommandsTree::CanDrop(dragged, target);
}

void TMainForm::CommandsTreeDragDrop(TObject*, TObject* source, int x, int y) {
    TCommandNode* dragged = DraggedNode(source);
    const THitTests hits = CommandsTree->GetHitTestInfoAt(x, y);
    TCommandNode* target = commandsView_->ModelOf(CommandsTree->GetNodeAt(x, y));
    if (dragged == nullptr || target == nullptr || (hits & (htOnItem | htOnIcon | htOnIndent)) == 0)
        return;
    const TDropPlace place =
        (hits & (htOnItem | htOnIcon)) != 0 ? TDropPlace::OnLabel : TDropPlace::Beside;
    if (!document_.MoveNode(dragged, target, place))
        return;
    commandsView_->Placed(dragged);
    CommandsEdited();
}

void TMainForm::CommandsTreeKeyDown(TObject*, WORD& key, TShiftState) {
    TTreeNode* selected = CommandsTree->Selected();
    if (selected == nullptr || CommandsTree->IsEditing())
        return;
    if (key == VK_F2) {
        selected->EditText();
        key = 0;
    } else if (key == VK_DELETE) {
        DeleteMenuClick(CommandsTree);
        key = 0;
    }
}

// The name is the document's at once: closing right after the edit asks to save it. An empty
// one is refused and the node keeps its name.
void TMainForm::CommandsTreeEdited(TObject*, TTreeNode* node, std::string& text) {
    TCommandNode* edited = commandsView_->ModelOf(node);
    if (edited == nullptr)
        return;
    if (RefusedAsEmpty(*panelPrompts_, text)) {
        text = edited->Text;
        return;
    }
    document_.RenameNode(edited, text);
    CommandsEdited();
}

} // namespace tav
