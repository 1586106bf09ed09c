#include "ui/main/win32/MainForm.h"

#include "engine/settings/VersionReset.h"
#include "engine/settings/win32/FileAssociation.h"
#include "engine/settings/win32/FileVersion.h"
#include "engine/settings/win32/LaunchAtLogon.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"
#include "ui/main/StartupFile.h"

namespace tav {

const char* const kMainCaption = "Tavrilo 4.0b";

namespace {

const char* const kFileFilter = "Tavrilo files (*.tvr)|*.tvr|All files (*.*)|*.*";

std::string LocalDateTime(DWORD dateFlags) {
    char date[128] = {};
    char time[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, dateFlags, nullptr, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
    return std::string(date) + " " + time;
}

} // namespace

TMainForm::TMainForm(TComponent* owner, std::string settingsKey, std::vector<std::string> arguments)
    : TForm(owner, "MainForm"), store_(std::move(settingsKey)), settings_(store_),
      // The document makes its default layout before the translation component exists.
      document_([this] {
          const std::string name(msg::Default);
          return Lang != nullptr ? Lang->GetMessageText(name) : name;
      }),
      files_(document_, settings_, *this), arguments_(std::move(arguments)) {
    // The design caption; FormCreate gives the running one after the single-instance check.
    SetCaption("TVRL");
    SetClientSize(620, 420);

    TAV_CREATE(MainMenu1, {});
    TAV_CREATE(FileMenu, {.Parent = MainMenu1->Items(), .Caption = "&File"});
    TAV_CREATE(NewMenu, {.Parent = FileMenu,
                         .Caption = "&New",
                         .ShortCut = ShortCut('N', scCtrl),
                         .OnClick = Handler(&TMainForm::NewMenuClick)});
    TAV_CREATE(OpenMenu, {.Parent = FileMenu,
                          .Caption = "&Open...",
                          .ShortCut = ShortCut('O', scCtrl),
                          .OnClick = Handler(&TMainForm::OpenMenuClick)});
    // The Save item's enabled state is the document's modified flag.
    TAV_CREATE(SaveMenu, {.Parent = FileMenu,
                          .Caption = "&Save",
                          .ShortCut = ShortCut('S', scCtrl),
                          .Enabled = false,
                          .OnClick = Handler(&TMainForm::SaveMenuClick)});
    TAV_CREATE(SaveAsMenu, {.Parent = FileMenu,
                            .Caption = "Save &As...",
                            .OnClick = Handler(&TMainForm::SaveAsMenuClick)});
    TAV_CREATE(ImportMenu, {.Parent = FileMenu,
                            .Caption = "&Import commands...",
                            .ShortCut = ShortCut('I', scCtrl),
                            .OnClick = Handler(&TMainForm::ImportMenuClick)});
    TAV_CREATE(SettingsMenu,
               {.Parent = FileMenu, .Caption = "S&ettings...", .ShortCut = ShortCut('E', scCtrl)});
    TAV_CREATE(
        ExitMenu,
        {.Parent = FileMenu, .Caption = "E&xit", .OnClick = Handler(&TMainForm::ExitMenuClick)});
    SetMenu(MainMenu1);

    TAV_CREATE(StatBar, {.Parent = this});
    StatBar->SetPanels({300, 200});
    Lang = CreateFormLanguage(this, MainFormTranslations);

    OnShow = Handler(&TMainForm::FormShow);
    OnCloseQuery = Handler(&TMainForm::FormCloseQuery);
    Loaded();
    FormCreate(this);
}

void TMainForm::FormCreate(TObject* sender) {
    if (sender == nullptr) {
        document_.Reset();
        return;
    }
    SetCaption(kMainCaption);
}

void TMainForm::FormShow(TObject*) {
    if (startedUp_)
        return;
    startedUp_ = true;
    const std::string program = ProgramFileName();
    TRegistryFileAssociation association(program);
    TRunKeyLaunchAtLogon launchAtLogon(program);
    RunVersionReset(store_, GetFileVersionStr(program), association, launchAtLogon);
    settings_.Load();
    SetFileNamePanel(ChooseStartupFile(arguments_, settings_.Str("LastTVRFile"), ProgramFolder()));
    files_.LoadNamedFile();
}

void TMainForm::FormCloseQuery(TObject*, bool& canClose) {
    canClose = files_.CloseQuery();
}

void TMainForm::NewMenuClick(TObject*) {
    files_.New();
}
void TMainForm::OpenMenuClick(TObject* sender) {
    if (sender == nullptr)
        files_.LoadNamedFile();
    else if (sender == ImportMenu)
        files_.Import();
    else
        files_.Open();
}
void TMainForm::ImportMenuClick(TObject*) {
    OpenMenuClick(ImportMenu);
}
void TMainForm::SaveMenuClick(TObject*) {
    files_.Save();
}
void TMainForm::SaveAsMenuClick(TObject*) {
    files_.SaveAs();
}
void TMainForm::ExitMenuClick(TObject*) {
    Close();
}

std::string TMainForm::FileNamePanel() const {
    return StatBar->PanelText(0);
}
void TMainForm::SetFileNamePanel(const std::string& name) {
    StatBar->SetPanelText(0, name);
}

std::optional<std::string> TMainForm::AskOpenFileName() {
    return OpenFileDialog({{}, kFileFilter, "tvr", ProgramFolder(), {}});
}

std::optional<std::string> TMainForm::AskSaveFileName() {
    return SaveFileDialog({{}, kFileFilter, "tvr", ProgramFolder(), {}});
}

TSaveChangesAnswer TMainForm::AskSaveChanges() {
    const std::string question = Lang->GetMessageText(std::string(msg::SaveChanges));
    switch (ShowMessageBox(question, "Tavrilo", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES:
        return TSaveChangesAnswer::Yes;
    case IDNO:
        return TSaveChangesAnswer::No;
    default:
        return TSaveChangesAnswer::Cancel;
    }
}

void TMainForm::ShowFileError(const std::string& text, const std::string& title) {
    ShowMessageBox(text, title, MB_OK | MB_ICONEXCLAMATION);
}

void TMainForm::ShowFileNotice(const std::string& text) {
    ShowMessageBox(text, "Tavrilo", MB_OK | MB_ICONINFORMATION);
}

std::string TMainForm::SaveDateText() {
    return LocalDateTime(DATE_SHORTDATE);
}

std::string TMainForm::Translate(const std::string& english) {
    return Lang->GetMessageText(english);
}

void TMainForm::CloseOrigins() {
    // No input origin can be open yet: the origins join the program later, and the close
    // query stops them here.
}

void TMainForm::DocumentReloaded() {
    // The commands tree and the action panel show the document once they exist; until then
    // the file name in the status bar is all the window shows of it.
}

void TMainForm::ModifiedChanged() {
    SaveMenu->SetEnabled(document_.Modified());
}

void TMainForm::SetBusy(bool busy) {
    Application().SetCursor(busy ? TCursor::HourGlass : TCursor::Default);
}

} // namespace tav
