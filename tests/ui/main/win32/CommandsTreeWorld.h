#pragma once
// A shown main window holding a small document, for the tests of the commands tree: the
// remote "TV" with "Vol+" and "Vol-", and the remote "Radio" with "Power". Message boxes answer
// from a script and are recorded.

#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"

#include <cstring>
#include <string>
#include <vector>

namespace tav::test {

struct CommandsTreeWorld {
    MainFormKey key;
    std::vector<std::string> boxes;
    int answer = IDYES;
    TSeamScope<MessageBoxFn> box{MessageBoxSeam(),
                                 [this](const std::string& text, const std::string&, UINT) {
                                     boxes.push_back(text);
                                     return answer;
                                 }};
    TMainForm* form = nullptr;
    TCommandNode* tv = nullptr;
    TCommandNode* volUp = nullptr;
    TCommandNode* volDown = nullptr;
    TCommandNode* radio = nullptr;
    TCommandNode* power = nullptr;

    CommandsTreeWorld() {
        TRegistryStore store(key.Path());
        store.WriteBoolSetting("Hide splashscreen", true);
        form = new TMainForm(nullptr, key.Path());
        SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
        form->Show();
        form->Settings().SetBool("Use serial port", false);
        TDocument& doc = form->Document();
        tv = doc.AddRemote("TV");
        volUp = doc.AddCommand(tv, "Vol+");
        volDown = doc.AddCommand(tv, "Vol-");
        radio = doc.AddRemote("Radio");
        power = doc.AddCommand(radio, "Power");
        doc.SetModified(false);
        form->CommandsView().Fill();
        PumpFor(std::chrono::milliseconds(20));
    }
    ~CommandsTreeWorld() {
        TForm::ModalHook = nullptr;
        delete form;
    }

    TTreeNode* View(const TCommandNode* node) { return form->CommandsView().ViewOf(node); }
    void Select(TCommandNode* node) { form->CommandsView().Select(node); }
    // A node's row in the tree's client pixels; `label` only its text.
    RECT Row(const TCommandNode* node, bool label) {
        RECT r{};
        const HTREEITEM item = View(node)->ItemId();
        std::memcpy(&r, &item, sizeof item); // the message takes the item in the rectangle
        SendMessageA(form->CommandsTree->Handle(), TVM_GETITEMRECT, label ? TRUE : FALSE,
                     reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // The texts of the tree view's nodes in depth-first order, children indented by a blank.
    std::string Shown() {
        std::string text;
        for (TTreeNode* n = form->CommandsTree->GetFirstNode(); n != nullptr; n = n->GetNext())
            text += (n->Level() > 0 ? " " : "") + n->Text() + ";";
        return text;
    }
    // The document's tree written the same way.
    std::string Document() {
        std::string text;
        for (const TCommandNode* n : form->Document().Tree().Nodes())
            text += (n->IsRemote() ? "" : " ") + n->Text + ";";
        return text;
    }
};

} // namespace tav::test
