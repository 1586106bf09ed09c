#include "ui/main/win32/MainForm.h"

namespace tav {

const char* const kMainCaption = "Tavrilo 4.0b";

namespace {

TMenuItem* MenuItem(TComponent* owner, TMenuItem* parent, const char* name, const char* caption) {
    auto* item = new TMenuItem(owner, parent, name);
    item->SetCaption(caption);
    return item;
}

} // namespace

TMainForm::TMainForm(TComponent* owner) : TForm(owner, "MainForm") {
    // The design caption; FormCreate gives the running one after the single-instance check.
    SetCaption("TVRL");
    SetClientSize(620, 420);

    MainMenu1 = new TMainMenu(this, "MainMenu1");
    FileMenu = MenuItem(this, MainMenu1->Items(), "FileMenu", "&File");
    NewMenu = MenuItem(this, FileMenu, "NewMenu", "&New");
    OpenMenu = MenuItem(this, FileMenu, "OpenMenu", "&Open...");
    SaveMenu = MenuItem(this, FileMenu, "SaveMenu", "&Save");
    SaveAsMenu = MenuItem(this, FileMenu, "SaveAsMenu", "Save &As...");
    ImportMenu = MenuItem(this, FileMenu, "ImportMenu", "&Import...");
    SettingsMenu = MenuItem(this, FileMenu, "SettingsMenu", "&Settings...");
    ExitMenu = MenuItem(this, FileMenu, "ExitMenu", "E&xit");
    // The Save item's enabled state is the document's modified flag.
    SaveMenu->SetEnabled(false);
    ExitMenu->OnClick = [this](TObject* sender) { ExitMenuClick(sender); };
    SetMenu(MainMenu1);

    StatBar = new TStatusBar(this, this, "StatBar");
    StatBar->SetPanels({300, 200});

    OnShow = [this](TObject* sender) { FormShow(sender); };
    FormCreate(this);
}

void TMainForm::FormCreate(TObject* sender) {
    if (sender == nullptr)
        return;
    SetCaption(kMainCaption);
}

void TMainForm::FormShow(TObject*) {
    // Start-up's settings load joins here once the settings dialog exists.
}

void TMainForm::ExitMenuClick(TObject*) {
    Close();
}

} // namespace tav
