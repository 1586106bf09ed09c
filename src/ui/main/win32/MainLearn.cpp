// Learning a command's code: the learn dialog collects samples from every open origin while
// codes end 300 ms after their first data; Accept stores their average in the command.

#include "engine/recognition/LearnedCode.h"
#include "ui/learn/win32/LearnForm.h"
#include "ui/main/win32/MainForm.h"

namespace tav {

void TMainForm::LearnMenuClick(TObject* sender) {
    LearnCommand(TargetNode(sender));
}

void TMainForm::LearnCommand(TCommandNode* node) {
    if (node == nullptr || node->IsRemote())
        return;
    if (!EnableOriginMenu->Checked() && !road_->Origins().StartOrigins(true))
        return;
    Receiver().SetLearning(true);
    auto dialog = std::make_unique<TLearnForm>(this, document_.LearnQueue, LanguageFile());
    // However the dialog ends, codes are recognised again and end after 125 ms.
    struct TLearningEnd {
        TMainForm& form;
        ~TLearningEnd() {
            form.road_->Recognizer().SetLearnView(nullptr);
            form.Receiver().SetLearning(false);
        }
    } end{*this};
    road_->Recognizer().SetLearnView(dialog.get());
    const bool accepted = dialog->ShowModal() == mrOk;
    road_->Recognizer().SetLearnView(nullptr);
    dialog.reset();
    // The code is the command's before messages run again: a code or a gesture waiting in the
    // queue may use the command at once.
    if (accepted && commandsView_->Holds(node))
        StoreLearnedCode(*node);
    Application().ProcessMessages();
}

void TMainForm::StoreLearnedCode(TCommandNode& node) {
    const std::optional<TCode> code = LearnedCode(document_.LearnQueue);
    if (!code)
        return;
    document_.SetCode(*node.Data(), *code);
    commandsView_->Refresh();
    CommandsEdited();
}

} // namespace tav
