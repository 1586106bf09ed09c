// The main window's part of the program's start and end: creation, the show routine that
// loads the settings, the configuration file and the origins, and destruction.

#include "engine/network/PipeRequest.h"
#include "engine/settings/VersionReset.h"
#include "engine/settings/win32/FileAssociation.h"
#include "engine/settings/win32/FileVersion.h"
#include "engine/settings/win32/LaunchAtLogon.h"
#include "framework/win32/ProgramPath.h"
#include "support/help/win32/HtmlHelpApi.h"
#include "ui/action/win32/ActionForm.h"
#include "ui/lang/LanguageFolder.h"
#include "ui/main/StartupFile.h"
#include "ui/main/win32/MainForm.h"
#include "ui/settings/win32/SettingsForm.h"

namespace tav {

TMainForm::~TMainForm() {
    FormDestroy(this);
}

void TMainForm::FormCreate(TObject* sender) {
    if (sender == nullptr) {
        document_.Reset();
        DocumentReloaded();
        return;
    }
    // The settings are loaded by the show routine; these few are read from the store itself.
    // The splash shows while the program comes up; the first activation ends it.
    if (!store_.ReadBoolSetting("Hide splashscreen")) {
        splash_ = new TSplashForm(&Application());
        splash_->ShowSplash();
    }
    logEnabled_ = !store_.ReadStrSetting("Log file").empty();
    SetCaption(kMainCaption);
    TrayIcon->SetHint(kMainCaption);
    helpFile_ = ProgramFolder() + "tvrlhelp.chm";
    helpSystem_ = std::make_unique<help::THtmlHelpSystem>(
        helpFile_, [this](const std::string& english) { return Translate(english); });
    // It serves from now on, whatever origins are open; until the show routine has loaded the
    // settings and the document its answers are empty.
    pipeThread_ = std::make_unique<TNamedPipeServerThread>(kProgramPipeName,
                                                           Handler(&TMainForm::PipeMessage));
}

void TMainForm::FormDestroy(TObject* sender) {
    if (sender == nullptr) {
        document_.Reset();
        return;
    }
    // The pipe's thread, the driver's reader and the ports' event threads hand their data to
    // this window: they are stopped and joined first.
    pipeThread_.reset();
    driverOrigins_.reset();
    delete settingsForm_.get();
    // It shows this window's settings, lists and mixer.
    delete actionEditor_.get();
    for (TSerialPort* port : {ComPort, ComPort2, ComPortData})
        port->Close();
    IRTimer->SetEnabled(false);
    TypematicTimer->SetEnabled(false);
    // Before VardokFileSrc deletes the library's file with the window.
    keyboardHook_->Unload();
    // The help windows go with the program, whether or not the help control could be found.
    helpSystem_.reset();
    help::HHCloseAll();
}

bool TMainForm::PipeMessage(TNamedPipeServerThread*, const char* buffer, int count,
                            std::string& reply) {
    if (!pipeReady_)
        return false;
    reply = AnswerPipeRequest(std::string_view(buffer, static_cast<std::size_t>(count)), document_,
                              road_->Recognizer(), road_->Receiver());
    return true;
}

void TMainForm::FormShow(TObject*) {
    if (startedUp_)
        return;
    startedUp_ = true;
    const std::string program = ProgramFileName();
    TRegistryFileAssociation association(program);
    TRunKeyLaunchAtLogon launchAtLogon(program, RunKey);
    RunVersionReset(store_, GetFileVersionStr(program), association, launchAtLogon);
    LoadSettings();
    OpenStartupFile();
    pipeReady_ = true;
}

std::string TMainForm::LanguageFile() const {
    const TLanguageFolder languages(ProgramFolder());
    const std::string language = settings_.Str("Language");
    return languages.HasFile(language) ? languages.FileOf(language) : std::string();
}

void TMainForm::LoadSettings() {
    settings_.Load();
    serialModes_.Load(settings_);
    // The entry follows the program wherever it was moved to.
    if (settings_.Bool(kLaunchOnStartupSetting))
        SetLaunchAtLogon(true);
    if (const std::string file = LanguageFile(); !file.empty())
        TranslateForms(file);
    TypematicTimer->SetInterval(static_cast<unsigned>(RecognitionTimeOut(settings_)));
    TcpSockets->ActivateInfoSockets();
}

// The configuration file is opened after the settings, and the origins last, so that the first
// code already meets the loaded commands and recognition settings.
void TMainForm::OpenStartupFile() {
    SetFileNamePanel(ChooseStartupFile(arguments_, settings_.Str("LastTVRFile"), ProgramFolder()));
    OpenMenuClick(nullptr);
    if (settings_.Bool("Origin enabled")) {
        EnableOriginMenu->SetChecked(false);
        EnableOriginMenuClick(nullptr);
    }
}

// Unsaved edits are not thrown away for a newer start: the user is asked first. The sender waits
// only for this answer, so the question runs from this window's queue.
TGiveWay TMainForm::GiveWay(DWORD start) {
    if (!document_.Modified() && waitingStarts_.empty()) {
        road_->Origins().StartOrigins(false);
        PostQuitMessage(0);
        return TGiveWay::Ending;
    }
    if (waitingStarts_.empty())
        PostMessageA(Handle(), kAskGiveWayMessage, 0, 0);
    waitingStarts_.push_back(start);
    return TGiveWay::Asking;
}

void TMainForm::AskGiveWay() {
    // The request is ours only while a start waits on it: any process may post its number.
    if (waitingStarts_.empty())
        return;
    ShowWithMessages();
    const bool givesWay = files_.SaveQuery();
    std::vector<DWORD> starts;
    starts.swap(waitingStarts_);
    if (givesWay) {
        road_->Origins().StartOrigins(false);
        PostQuitMessage(0);
        return;
    }
    for (DWORD start : starts)
        PostThreadMessageA(start, InstanceStaysMessage(), 0, 0);
}

void TMainForm::CreateActionEditor(bool continueStartup) {
    std::function<void(TActionForm&)> creationDone = [this](TActionForm& editor) {
        actionEditor_ = &editor;
    };
    if (continueStartup)
        creationDone = [this](TActionForm& editor) {
            actionEditor_ = &editor;
            if (store_.ReadBoolSetting("Load minimized")) {
                FormShow(nullptr);
                FormActivate(nullptr);
            } else {
                Show();
            }
        };
    new TActionForm(this,
                    {*Mixer, messageLists_, settings_, *this, [this] { return LanguageFile(); },
                     *ActionsImgList, std::move(creationDone)});
}

TActionForm& TMainForm::ActionEditor() {
    if (actionEditor_ == nullptr)
        CreateActionEditor(false);
    return *actionEditor_;
}

const ActionLabels* TMainForm::EditorLabels() const {
    return actionEditor_ != nullptr ? &actionEditor_->Labels() : nullptr;
}

void TMainForm::TranslateForms(const std::string& file) {
    Lang->SetLanguageFile(file);
    if (actionEditor_ != nullptr)
        actionEditor_->SetLanguageFile(file);
}

void TMainForm::ShowWithMessages() {
    if (!Visible() && !IconVisible())
        Show();
    if (Visible())
        BringToFront();
}

} // namespace tav
