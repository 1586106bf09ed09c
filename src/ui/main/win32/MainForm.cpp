#include "ui/main/win32/MainForm.h"

#include "support/themes/win32/StyleManager.h"

#include "components/mixer/win32/WinmmMixerBackend.h"
#include "engine/driver/VxDData.h"
#include "framework/win32/ProgramPath.h"
#include "framework/win32/Seams.h"
#include "support/help/HelpContexts.h"
#include "ui/lang/FormTranslations.h"
#include "ui/main/win32/SingleInstance.h"

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
      files_(document_, settings_, *this), arguments_(std::move(arguments)),
      messageLists_(ProgramFolder() + kUserMessageListFile) {
    // First, so that every control of every form is taken over as it is placed.
    StyleManager1 = new themes::TStyleManager(this, "StyleManager1");
    // The design caption; FormCreate gives the running one after the single-instance check.
    SetCaption("TVRL");
    SetClientSize(620, 420);
    HelpContext = help::kMainWindowContext;

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
    TAV_CREATE(SettingsMenu, {.Parent = FileMenu,
                              .Caption = "S&ettings...",
                              .ShortCut = ShortCut('E', scCtrl),
                              .OnClick = Handler(&TMainForm::SettingsMenuClick)});
    TAV_CREATE(
        ExitMenu,
        {.Parent = FileMenu, .Caption = "E&xit", .OnClick = Handler(&TMainForm::ExitMenuClick)});
    TAV_CREATE(CommandsMenu, {.Parent = MainMenu1->Items(),
                              .Caption = "&Commands",
                              .OnClick = Handler(&TMainForm::CommandsMenuClick)});
    TAV_CREATE(EnableOriginMenu, {.Parent = CommandsMenu,
                                  .Caption = "Ori&gin enabled",
                                  .ShortCut = ShortCut('G', scCtrl),
                                  .OnClick = Handler(&TMainForm::EnableOriginMenuClick)});
    TAV_CREATE(TestOriginMenu, {.Parent = CommandsMenu,
                                .Caption = "&Test origin...",
                                .ShortCut = ShortCut('T', scCtrl),
                                .OnClick = Handler(&TMainForm::TestOriginMenuClick)});
    TMenuItem* separator = nullptr;
    CreateComponent(separator, this, "CommandsSeparator1",
                    {.Parent = CommandsMenu, .Caption = "-"});
    TAV_CREATE(NewRemoteMenu, {.Parent = CommandsMenu,
                               .Caption = "Add new &remote",
                               .ShortCut = ShortCut('R', scCtrl),
                               .OnClick = Handler(&TMainForm::NewRemoteMenuClick)});
    TAV_CREATE(NewCommandMenu, {.Parent = CommandsMenu,
                                .Caption = "Add new comman&d",
                                .ShortCut = ShortCut('D', scCtrl),
                                .OnClick = Handler(&TMainForm::NewCommandMenuClick)});
    TAV_CREATE(LearnMenu, {.Parent = CommandsMenu,
                           .Caption = "&Learn...",
                           .ShortCut = ShortCut('L', scCtrl),
                           .OnClick = Handler(&TMainForm::LearnMenuClick)});
    CreateComponent(separator, this, "CommandsSeparator2",
                    {.Parent = CommandsMenu, .Caption = "-"});
    TAV_CREATE(PropertiesMenu, {.Parent = CommandsMenu, .Caption = "&Properties"});
    TAV_CREATE(EnabledMenu, {.Parent = PropertiesMenu,
                             .Caption = "&Recognition enabled",
                             .Checked = true,
                             .OnClick = Handler(&TMainForm::EnabledMenuClick)});
    TAV_CREATE(TypematicMenu, {.Parent = PropertiesMenu,
                               .Caption = "&Typematic function",
                               .Checked = true,
                               .OnClick = Handler(&TMainForm::TypematicMenuClick)});
    TAV_CREATE(SoundMenu, {.Parent = PropertiesMenu, .Caption = "&Play sound"});
    TAV_CREATE(NoneMenu, {.Parent = SoundMenu,
                          .Caption = "None",
                          .Checked = true,
                          .RadioItem = true,
                          .OnClick = Handler(&TMainForm::SoundListMenuClick)});
    CreateComponent(separator, this, "CommandsSeparator3",
                    {.Parent = CommandsMenu, .Caption = "-"});
    TAV_CREATE(CopyToActionMenu, {.Parent = CommandsMenu,
                                  .Caption = "Copy to &action trigger list",
                                  .ShortCut = ShortCut('A', scCtrl),
                                  .OnClick = Handler(&TMainForm::CopyToActionMenuClick)});
    TAV_CREATE(RenameMenu, {.Parent = CommandsMenu,
                            .Caption = "Rena&me",
                            .OnClick = Handler(&TMainForm::RenameMenuClick)});
    TAV_CREATE(DeleteMenu, {.Parent = CommandsMenu,
                            .Caption = "D&elete",
                            .OnClick = Handler(&TMainForm::DeleteMenuClick)});
    TAV_CREATE(ActionsMenu, {.Parent = MainMenu1->Items(), .Caption = "&Actions"});
    TAV_CREATE(LayoutSetupMenu, {.Parent = ActionsMenu,
                                 .Caption = "La&youts setup...",
                                 .ShortCut = ShortCut('Y', scCtrl),
                                 .OnClick = Handler(&TMainForm::LayoutSetupMenuClick)});
    TAV_CREATE(HelpMenu, {.Parent = MainMenu1->Items(), .Caption = "&Help"});
    TAV_CREATE(
        IndexMenu,
        {.Parent = HelpMenu, .Caption = "&Index", .OnClick = Handler(&TMainForm::IndexMenuClick)});
    TAV_CREATE(AboutMenu, {.Parent = HelpMenu,
                           .Caption = "&About...",
                           .OnClick = Handler(&TMainForm::AboutMenuClick)});
    SetMenu(MainMenu1);
    TAV_CREATE(TrayPopUpMenu, {.OnPopup = Handler(&TMainForm::TrayPopUpMenuPopup)});
    TAV_CREATE(RestoreMenu, {.Parent = TrayPopUpMenu->Items(),
                             .Caption = "&Configure",
                             .OnClick = Handler(&TMainForm::TrayIconDblClick)});
    TAV_CREATE(TrayIcon, {.IconVisible = false,
                          .PopupMenu = TrayPopUpMenu,
                          .OnDblClick = Handler(&TMainForm::TrayIconDblClick)});
    SetTrayImage("WAITING");

    TAV_CREATE(CommandsPopUpMenu, {.OnPopup = Handler(&TMainForm::CommandsPopUpMenuPopup)});
    TAV_CREATE(RemoteCommandsGrpBx, {.Parent = this, .Caption = "Remote commands"});
    TAV_CREATE(CommandsTree, {.Parent = RemoteCommandsGrpBx, .PopupMenu = CommandsPopUpMenu});
    CreateActionPanel();
    TAV_CREATE(SettingsBtn, {.Parent = this,
                             .Caption = "Settin&gs...",
                             .OnClick = Handler(&TMainForm::SettingsMenuClick)});
    TAV_CREATE(RunBtn,
               {.Parent = this, .Caption = "&Run!", .OnClick = Handler(&TMainForm::RunBtnClick)});
    TAV_CREATE(HelpBtn,
               {.Parent = this, .Caption = "&Help", .OnClick = Handler(&TMainForm::HelpBtnClick)});
    TAV_CREATE(StatBar, {.Parent = this});
    StatBar->SetPanels({300, 200});
    TAV_CREATE(
        IRTimer,
        {.Interval = kEndOfCodeMs, .Enabled = false, .OnTimer = Handler(&TMainForm::IRTimerTimer)});
    TAV_CREATE(
        TypematicTimer,
        {.Interval = 175, .Enabled = false, .OnTimer = Handler(&TMainForm::TypematicTimerTimer)});
    TAV_CREATE(
        TrayColorTimer,
        {.Interval = 150, .Enabled = false, .OnTimer = Handler(&TMainForm::TrayColorTimerTimer)});
    TAV_CREATE(UIRTimer, {.Interval = kStartUpStepMs,
                          .Enabled = false,
                          .OnTimer = Handler(&TMainForm::UIRTimerTimer)});
    TAV_CREATE(ComPort, {.ControlDTR = TDTRFlowControl::dtrEnable,
                         .Events = {TSerialEvent::evRxChar, TSerialEvent::evRLSD},
                         .OnRxChar = Handler(&TMainForm::ComPortRxChar),
                         .OnRLSDChange = Handler(&TMainForm::ComPortRLSDChange)});
    TAV_CREATE(ComPort2, {.Events = {TSerialEvent::evRxChar},
                          .OnRxChar = Handler(&TMainForm::ComPort2RxChar)});
    TAV_CREATE(ComPortData, {.Events = {}});
    TAV_CREATE(ActionTimer,
               {.Interval = 1, .Enabled = false, .OnTimer = Handler(&TMainForm::ActionTimerTimer)});
    SendKeys = new TSendkeys(this, "SendKeys");
    Mixer = NewWinmmAudioMixer(this, "Mixer");
    Osd = new TOnScreenDisplay(this, settings_, errors_);
    Lang = CreateFormLanguage(this, MainFormTranslations);
    CreateActionRoad();
    CreateCommandsTree();
    road_ = std::make_unique<TMainRoad>(
        document_, settings_, serialModes_.Receiver, logEnabled_,
        TMainRoadTimers{*IRTimer, *TypematicTimer}, *commandsView_,
        static_cast<ITrayIndicator&>(*this), static_cast<IOriginHost&>(*this),
        TMainRoadActions{actionRoad_->ActionTimer(), *Osd, reports_});
    CreateRemotePeers();
    CreateSerialOrigins();
    CreateKeyboardOrigin();
    TvCard = new TTvCard(
        this, "TvCard", road_->Receiver(), [this](const std::string& s) { return Translate(s); },
        [this](const std::string& text, const std::string& caption, unsigned flags) {
            return SerialMessageBox(text, caption, flags);
        });
    TvApplication = new TTvApplication(this, "TvApplication", settings_, road_->Receiver());

    OnShow = Handler(&TMainForm::FormShow);
    OnActivate = Handler(&TMainForm::FormActivate);
    OnCloseQuery = Handler(&TMainForm::FormCloseQuery);
    SetLayout(Column({Expand(Row({Expand(Group(RemoteCommandsGrpBx, Expand(CommandsTree))),
                                  ActionPanelLayout()})),
                      Buttons({SettingsBtn, RunBtn, HelpBtn})}));
    ShowActionItem();
    StyleManager1->Loaded();
    FormCreate(this);
}

void TMainForm::WndProc(TMessage& m) {
    if (m.Msg == WM_POWERBROADCAST) {
        const std::optional<std::intptr_t> answer = powerOrigins_->WMPowerBroadcast(m.WParam);
        TForm::WndProc(m);
        if (answer)
            m.Result = *answer;
        return;
    }
    if (m.Msg == kKeyboardHookMessage) {
        keyboardOrigin_->WMKeyboardHook(static_cast<std::uint32_t>(m.LParam));
        return;
    }
    if (m.Msg == kTrayFlashMessage) {
        FlashTrayIcon();
        return;
    }
    if (m.Msg == kVxDDataMessage) {
        driverOrigins_->WMVxDData(static_cast<std::uintptr_t>(m.LParam));
        return;
    }
    if (m.Msg == EndInstanceMessage()) {
        m.Result = static_cast<LRESULT>(GiveWay(static_cast<DWORD>(m.WParam)));
        return;
    }
    if (m.Msg == kAskGiveWayMessage) {
        AskGiveWay();
        return;
    }
    TForm::WndProc(m);
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

void TMainForm::IRTimerTimer(TObject*) {
    serialReceiver_->IRTimerTimer();
}

void TMainForm::TypematicTimerTimer(TObject*) {
    road_->Recognizer().TypematicTimerTimer();
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

bool TMainForm::Confirm(const std::string& text) {
    return ShowMessageBox(text, "Tavrilo", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TMainForm::ShowFileError(const std::string& text, const std::string& title) {
    ShowWithMessages();
    ShowMessageBox(text, title, MB_OK | MB_ICONEXCLAMATION);
}

void TMainForm::ShowFileNotice(const std::string& text) {
    ShowWithMessages();
    ShowMessageBox(text, "Tavrilo", MB_OK | MB_ICONINFORMATION);
}

std::string TMainForm::SaveDateText() {
    return LocalDateTime(DATE_SHORTDATE);
}

std::string TMainForm::Translate(const std::string& english) {
    return Lang->GetMessageText(english);
}

void TMainForm::CloseOrigins() {
    road_->Origins().StartOrigins(false);
}

void TMainForm::DocumentReloaded() {
    // A code half received, or a time-out of a command of the old document, ends with it.
    popupTarget_ = nullptr;
    draggedNode_ = nullptr;
    commandsView_->Fill();
    IRTimer->SetEnabled(false);
    TypematicTimer->SetEnabled(false);
    document_.ReceivedCode.Empty();
    document_.TypematicActive = false;
    ShowActionItem();
}

void TMainForm::ModifiedChanged() {
    SaveMenu->SetEnabled(document_.Modified());
}

void TMainForm::SetBusy(bool busy) {
    Application().SetCursor(busy ? TCursor::HourGlass : TCursor::Default);
}

} // namespace tav
