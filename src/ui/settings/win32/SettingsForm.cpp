// The settings dialog's controls, their places on the pages, and showing the model in them.

#include "ui/settings/win32/SettingsForm.h"

#include "engine/network/SocketSettings.h"
#include "engine/recognition/ModelSettings.h"
#include "framework/Text.h"
#include "support/help/HelpContexts.h"
#include "ui/lang/DirectRead.h"
#include "ui/lang/FormTranslations.h"
#include "ui/lang/LanguageFolder.h"
#include "ui/settings/win32/WindowsSounds.h"

namespace tav {

namespace {

constexpr int kNumberWidth = 60;
constexpr int kShowTimeStep = 250;
constexpr int kMaxShowTime = 32767;
constexpr int kSoundNameWidth = 110;
constexpr int kFileNameWidth = 180;

int IndexIgnoringCase(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (AnsiSameText(names[i], name))
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::span<const TSettingsForm::TBoxSetting> TSettingsForm::OptionBoxes() {
    static const TBoxSetting boxes[] = {
        {&TSettingsForm::LoadChBx, "Load minimized"},
        {&TSettingsForm::PlaySndsChBx, "Play sounds"},
        {&TSettingsForm::MultipleChBx, "Multiple instances"},
        {&TSettingsForm::AdvancedKeyPressChBx, "Advanced keypress"},
        {&TSettingsForm::SameLengthChBx, "SameLength values"},
        {&TSettingsForm::BinaryChBx, "Binary values"},
        {&TSettingsForm::RemoteChBx, "OSD show remote"},
        {&TSettingsForm::CommandChBx, "OSD show command"},
        {&TSettingsForm::ActionChBx, "OSD show action"},
        {&TSettingsForm::RepaintChBx, "OSD Repaint"},
        {&TSettingsForm::RemoteNameChBX, "DDE send remote"},
        {&TSettingsForm::CommandNameChBx, "DDE send command"},
        {&TSettingsForm::CommandsDataChBx, "DDE send data"},
        {&TSettingsForm::ActionDescriptionChBx, "DDE send action"},
        {&TSettingsForm::TCPRemoteNameChBX, "TCP/IP info send remote"},
        {&TSettingsForm::TCPCommandNameChBx, "TCP/IP info send command"},
        {&TSettingsForm::TCPCommandsDataChBx, "TCP/IP info send data"},
        {&TSettingsForm::TCPActionDescriptionChBx, "TCP/IP info send action"},
    };
    return boxes;
}

std::span<const TSettingsForm::TBoxSetting> TSettingsForm::OriginBoxes() {
    static const TBoxSetting boxes[] = {
        {&TSettingsForm::SerialBasedChBx, "Use serial port"},
        {&TSettingsForm::SerialConsoleChBx, "Use serial console port"},
        {&TSettingsForm::KeyboardChBx, "Use keyboard trapping"},
        {&TSettingsForm::TCPIPChBX, "Use TCP/IP"},
        {&TSettingsForm::AverChBx, "Use AVerMedia"},
        {&TSettingsForm::UIRServerChBx, "Use IR server"},
        {&TSettingsForm::BestBuyChBx, "Use BestBuy"},
        {&TSettingsForm::CreativeiNFRAChBx, "Use Creative iNFRA"},
    };
    return boxes;
}

std::span<const TSettingsForm::TNumberSetting> TSettingsForm::Numbers() {
    static const TNumberSetting numbers[] = {
        {&TSettingsForm::SkipFirstUpDwn, &TSettingsForm::SkipFirstEdBx, "Skip first"},
        {&TSettingsForm::ToleranceUpDwn, &TSettingsForm::ToleranceEdBox, "Tolerance"},
        {&TSettingsForm::LengthUpDwn, &TSettingsForm::LengthEdBx, "Length limit"},
        {&TSettingsForm::ValueSizeUpDwn, &TSettingsForm::ValueSizeEdBx, "Value size"},
        {&TSettingsForm::TimeOutUpDwn, &TSettingsForm::TimeOutEdBx, "Recognition time out"},
        {&TSettingsForm::BinaryUpDwn, &TSettingsForm::BinaryEdBx, "Binary threshold"},
        {&TSettingsForm::ShowTimeUpDwn, &TSettingsForm::ShowTimeEdBx, "OSD display time"},
    };
    return numbers;
}

const TSettingsForm::TBoxSetting* TSettingsForm::BoxIn(std::span<const TBoxSetting> boxes,
                                                       const TObject* sender) const {
    for (const TBoxSetting& box : boxes)
        if (this->*box.Box == sender)
            return &box;
    return nullptr;
}

const TSettingsForm::TNumberSetting* TSettingsForm::NumberOf(const TObject* edit) const {
    for (const TNumberSetting& number : Numbers())
        if (this->*number.Edit == edit)
            return &number;
    return nullptr;
}

TSettingsForm::TSettingsForm(TComponent* owner, TSettings& settings, ISettingsFormHost& host,
                             TSettingsFormPlaces places)
    : TForm(owner, "SettingsForm", TBorderStyle::Dialog), settings_(settings), host_(host),
      places_(std::move(places)), languages_(TLanguageFolder(places_.ProgramFolder).Names()),
      winSounds_(ReadWindowsSounds(places_.AppEventsKey)) {
    SetCaption("Settings");
    Position = TPosition::OwnerFormCenter;
    HelpContext = help::kSettingsContext;
    SetWindowLongA(Handle(), GWL_EXSTYLE,
                   GetWindowLongA(Handle(), GWL_EXSTYLE) | WS_EX_CONTEXTHELP);

    TAV_CREATE(PageCtrl, {.Parent = this});
    CreateGeneralPage();
    CreateOriginPage();
    TAV_CREATE(SerialTab, {.Parent = PageCtrl, .Caption = "Serial port"});
    TAV_CREATE(ConfigGrpBx, {.Parent = SerialTab, .Caption = "Configuration"});
    TAV_CREATE(PortLbl, {.Parent = ConfigGrpBx, .Caption = "Port:"});
    TAV_CREATE(PortCoBx,
               {.Parent = ConfigGrpBx,
                .Items = {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}});
    // Nothing reads this page: the receiver's port is chosen in its properties dialog.
    SerialTab->SetTabVisible(false);
    CreateRecognitionPage();
    CreateSoundsPage();
    CreateOsdPage();
    CreateDdeTcpPage();
    TAV_CREATE(AcceptBtn,
               {.Parent = this, .Caption = "&Accept", .ModalResult = mrOk, .Default = true});
    TAV_CREATE(
        HelpBtn,
        {.Parent = this, .Caption = "&Help", .OnClick = Handler(&TSettingsForm::HelpBtnClick)});
    Lang = CreateFormLanguage(this, SettingsFormTranslations);

    for (const TNumberSetting& number : Numbers()) {
        if (number.Name == "OSD display time")
            continue;
        const TSettingRange range = RecognitionRange(number.Name);
        (this->*number.UpDown)->SetRange(range.Low, range.High);
    }
    ShowTimeUpDwn->SetRange(0, kMaxShowTime);
    ShowTimeUpDwn->Increment = kShowTimeStep;
    TCPServerPortUpDwn->SetRange(0, 0xFFFF);

    OnShow = Handler(&TSettingsForm::FormShow);
    SetLayout(Column({PagesLayout(), Buttons({AcceptBtn, HelpBtn})}));
    if (const std::string file = LanguageFile(); !file.empty()) {
        Lang->SetLanguageFile(file);
        ApplyDirectTexts(file);
    }
}

void TSettingsForm::CreateGeneralPage() {
    TAV_CREATE(
        GeneralTab,
        {.Parent = PageCtrl, .Caption = "General", .HelpContext = help::kSettingsGeneralContext});
    TAV_CREATE(OptionsGrpBx, {.Parent = GeneralTab, .Caption = "Options"});
    const auto store = Handler(&TSettingsForm::SettingChBxClick);
    TAV_CREATE(LaunchChBx, {.Parent = OptionsGrpBx,
                            .Caption = "Launch on Windows &startup",
                            .OnClick = Handler(&TSettingsForm::LaunchChBxClick)});
    TAV_CREATE(LoadChBx,
               {.Parent = OptionsGrpBx, .Caption = "Load minimized on &tray", .OnClick = store});
    TAV_CREATE(PasswordBtn, {.Parent = OptionsGrpBx,
                             .Caption = "Password...",
                             .OnClick = Handler(&TSettingsForm::PasswordBtnClick)});
    TAV_CREATE(PlaySndsChBx, {.Parent = OptionsGrpBx,
                              .Caption = "&Play sounds when commands received",
                              .OnClick = store});
    TAV_CREATE(MultipleChBx, {.Parent = OptionsGrpBx,
                              .Caption = "&Multiple instances of the program allowed",
                              .OnClick = store});
    // Alt+A is Accept's.
    TAV_CREATE(
        AdvancedKeyPressChBx,
        {.Parent = OptionsGrpBx, .Caption = "Advanced &key press simulation", .OnClick = store});
    TAV_CREATE(LogFileChBx, {.Parent = OptionsGrpBx,
                             .Caption = "&Write log file:",
                             .OnClick = Handler(&TSettingsForm::LogFileChBxClick)});
    TAV_CREATE(LogFileEdBx,
               {.Parent = OptionsGrpBx, .OnChange = Handler(&TSettingsForm::LogFileEdBxChange)});
    TAV_CREATE(BrowseLogBtn, {.Parent = OptionsGrpBx,
                              .Caption = "...",
                              .OnClick = Handler(&TSettingsForm::BrowseLogBtnClick)});
    TAV_CREATE(LanguageLbl, {.Parent = OptionsGrpBx, .Caption = "Interface language:"});
    TAV_CREATE(LangCoBx, {.Parent = OptionsGrpBx,
                          .Items = languages_,
                          .OnClick = Handler(&TSettingsForm::LangCoBxClick)});
}

void TSettingsForm::CreateOriginPage() {
    TAV_CREATE(OriginTab, {.Parent = PageCtrl, .Caption = "Origin of control"});
    TAV_CREATE(DevicesGrpBx, {.Parent = OriginTab, .Caption = "Devices"});
    const auto origin = Handler(&TSettingsForm::OriginChBxClick);
    const auto offer = Handler(&TSettingsForm::KeyboardChBxMouseUp);
    TAV_CREATE(SerialBasedChBx,
               {.Parent = DevicesGrpBx, .Caption = "&Serial port", .OnClick = origin});
    TAV_CREATE(SerialPropertiesBtn, {.Parent = DevicesGrpBx,
                                     .Caption = "Properties...",
                                     .OnClick = Handler(&TSettingsForm::SerialPropertiesBtnClick)});
    // Alt+S is the receiver's.
    TAV_CREATE(SerialConsoleChBx,
               {.Parent = DevicesGrpBx, .Caption = "Serial port &console", .OnClick = origin});
    TAV_CREATE(SerialConsolePropertiesBtn,
               {.Parent = DevicesGrpBx,
                .Caption = "Properties...",
                .OnClick = Handler(&TSettingsForm::SerialConsolePropertiesBtnClick)});
    TAV_CREATE(KeyboardChBx,
               {.Parent = DevicesGrpBx, .Caption = "&Keyboard press trapping", .OnClick = origin});
    KeyboardChBx->OnMouseUp = offer;
    TAV_CREATE(TCPIPChBX, {.Parent = DevicesGrpBx, .Caption = "&TCP/IP socket", .OnClick = origin});
    TAV_CREATE(TCPIPPropertiesBtn, {.Parent = DevicesGrpBx,
                                    .Caption = "Properties...",
                                    .OnClick = Handler(&TSettingsForm::TCPIPPropertiesBtnClick)});
    // Alt+A is Accept's.
    TAV_CREATE(
        AverChBx,
        {.Parent = DevicesGrpBx, .Caption = "A&VerMedia TV Series Remote", .OnClick = origin});
    AverChBx->OnMouseUp = offer;
    TAV_CREATE(AverWndBtn, {.Parent = DevicesGrpBx,
                            .Caption = "&Window...",
                            .OnClick = Handler(&TSettingsForm::AverWndBtnClick)});
    TAV_CREATE(UIRServerChBx, {.Parent = DevicesGrpBx, .Caption = "&IR server", .OnClick = origin});
    TAV_CREATE(BestBuyChBx,
               {.Parent = DevicesGrpBx, .Caption = "&BestBuy EasyTV", .OnClick = origin});
    TAV_CREATE(
        CreativeiNFRAChBx,
        {.Parent = DevicesGrpBx, .Caption = "&Creative iNFRA CD-ROM drive", .OnClick = origin});
    // These origins are left to the stored settings.
    for (TControl* hidden : std::initializer_list<TControl*>{AverWndBtn, UIRServerChBx, BestBuyChBx,
                                                             CreativeiNFRAChBx})
        hidden->Hide();
}

void TSettingsForm::CreateRecognitionPage() {
    TAV_CREATE(RecognitionTab, {.Parent = PageCtrl, .Caption = "Recognition"});
    TAV_CREATE(DataSequencesGrpBx,
               {.Parent = RecognitionTab, .Caption = "Data sequences comparison"});
    const auto change = Handler(&TSettingsForm::UpDownEdBxChange);
    TAV_CREATE(SkipFirstLbl,
               {.Parent = DataSequencesGrpBx, .Caption = "&Skip first random value(s):"});
    TAV_CREATE(SkipFirstEdBx,
               {.Parent = DataSequencesGrpBx, .Width = kNumberWidth, .OnChange = change});
    TAV_CREATE(SkipFirstUpDwn, {.Parent = DataSequencesGrpBx, .Associate = SkipFirstEdBx});
    TAV_CREATE(ToleranceLbl,
               {.Parent = DataSequencesGrpBx, .Caption = "&Values are equal with tolerance:"});
    TAV_CREATE(ToleranceEdBox,
               {.Parent = DataSequencesGrpBx, .Width = kNumberWidth, .OnChange = change});
    TAV_CREATE(ToleranceUpDwn, {.Parent = DataSequencesGrpBx, .Associate = ToleranceEdBox});
    TAV_CREATE(LongLimitLbl,
               {.Parent = DataSequencesGrpBx, .Caption = "&Length comparison limited to:"});
    TAV_CREATE(LengthEdBx,
               {.Parent = DataSequencesGrpBx, .Width = kNumberWidth, .OnChange = change});
    TAV_CREATE(LengthUpDwn, {.Parent = DataSequencesGrpBx, .Associate = LengthEdBx});
    TAV_CREATE(ValueSizeLbl,
               {.Parent = DataSequencesGrpBx, .Caption = "&Number of bytes for a single value:"});
    TAV_CREATE(ValueSizeEdBx,
               {.Parent = DataSequencesGrpBx, .Width = kNumberWidth, .OnChange = change});
    TAV_CREATE(ValueSizeUpDwn, {.Parent = DataSequencesGrpBx, .Associate = ValueSizeEdBx});
    TAV_CREATE(TimeOutLbl,
               {.Parent = DataSequencesGrpBx, .Caption = "&Time-out after recognition:"});
    TAV_CREATE(TimeOutEdBx,
               {.Parent = DataSequencesGrpBx, .Width = kNumberWidth, .OnChange = change});
    TAV_CREATE(TimeOutUpDwn, {.Parent = DataSequencesGrpBx, .Associate = TimeOutEdBx});
    for (TEdit* edit : {SkipFirstEdBx, ToleranceEdBox, LengthEdBx, ValueSizeEdBx, TimeOutEdBx})
        edit->OnKeyPress = Handler(&TSettingsForm::SkipFirstEdBxKeyPress);
    TAV_CREATE(EspecialBehaviourGrpBx, {.Parent = RecognitionTab, .Caption = "Especial behaviour"});
    const auto store = Handler(&TSettingsForm::SettingChBxClick);
    TAV_CREATE(SameLengthChBx, {.Parent = EspecialBehaviourGrpBx,
                                .Caption = "&Equal sequences must have the same length",
                                .OnClick = store});
    TAV_CREATE(BinaryChBx, {.Parent = EspecialBehaviourGrpBx,
                            .Caption = "&Consider values as binary with threshold:",
                            .OnClick = store});
    TAV_CREATE(BinaryEdBx,
               {.Parent = EspecialBehaviourGrpBx, .Width = kNumberWidth, .OnChange = change});
    TAV_CREATE(BinaryUpDwn, {.Parent = EspecialBehaviourGrpBx, .Associate = BinaryEdBx});
}

void TSettingsForm::CreateSoundsPage() {
    TAV_CREATE(
        SoundsTab,
        {.Parent = PageCtrl, .Caption = "Sounds", .HelpContext = help::kSettingsSoundsContext});
    TAV_CREATE(CommSoundsGrpBx, {.Parent = SoundsTab, .Caption = "Available sounds"});
    // Alt+A is Accept's.
    TAV_CREATE(NewSoundBtn, {.Parent = CommSoundsGrpBx,
                             .Caption = "A&dd new",
                             .OnClick = Handler(&TSettingsForm::NewSoundBtnClick)});
    const auto source = Handler(&TSettingsForm::WinSoundsRBtnClick);
    TAV_CREATE(
        ExternalFileRBtn,
        {.Parent = CommSoundsGrpBx, .Caption = "From &external WAV file...", .OnClick = source});
    ExternalFileRBtn->SetChecked(true);
    TAV_CREATE(WinSoundsRBtn,
               {.Parent = CommSoundsGrpBx, .Caption = "From &Windows sounds:", .OnClick = source});
    StringList labels;
    std::size_t longestPath = 0;
    for (const TWindowsSound& sound : winSounds_) {
        labels.push_back(sound.Label);
        longestPath = std::max(longestPath, sound.Path.size());
    }
    TAV_CREATE(WinSoundsCoBx, {.Parent = CommSoundsGrpBx, .Items = labels});
    TAV_CREATE(SoundsPopUpMenu, {.OnPopup = Handler(&TSettingsForm::SoundsPopUpMenuPopup)});
    TAV_CREATE(DeleteMenu, {.Parent = SoundsPopUpMenu->Items(),
                            .Caption = "&Delete",
                            .OnClick = Handler(&TSettingsForm::DeleteMenuClick)});
    TAV_CREATE(SoundsList, {.Parent = CommSoundsGrpBx,
                            .Width = kSoundNameWidth + kFileNameWidth + 24,
                            .Height = 120,
                            .PopupMenu = SoundsPopUpMenu,
                            .OnDblClick = Handler(&TSettingsForm::SoundsListDblClick)});
    SoundsList->OnKeyDown = Handler(&TSettingsForm::SoundsListKeyDown);
    SoundsList->SetRowSelect(true);
    SoundsList->AddColumn("Sound name", kSoundNameWidth);
    SoundsList->AddColumn("File name", kFileNameWidth);
    WidenFileColumn(std::string(longestPath, 'a'));
}

void TSettingsForm::CreateOsdPage() {
    TAV_CREATE(OSDTab,
               {.Parent = PageCtrl, .Caption = "OSD", .HelpContext = help::kSettingsOsdContext});
    TAV_CREATE(OSDGrpBx, {.Parent = OSDTab, .Caption = "On Screen Display"});
    const auto store = Handler(&TSettingsForm::SettingChBxClick);
    TAV_CREATE(RemoteChBx,
               {.Parent = OSDGrpBx, .Caption = "Name of the &remote", .OnClick = store});
    TAV_CREATE(CommandChBx,
               {.Parent = OSDGrpBx, .Caption = "Name of the &command", .OnClick = store});
    // Alt+A is Accept's, Alt+T the font's.
    TAV_CREATE(ActionChBx,
               {.Parent = OSDGrpBx, .Caption = "Descr&iption of the action", .OnClick = store});
    TAV_CREATE(StyleGrpBx, {.Parent = OSDGrpBx, .Caption = "Style"});
    TAV_CREATE(BackgroundColorLbl, {.Parent = StyleGrpBx, .Caption = "&Background color:"});
    TAV_CREATE(BackgroundCoBx, {.Parent = StyleGrpBx,
                                .Items = {"Transparent", "Black", "White"},
                                .OnClick = Handler(&TSettingsForm::BackgroundCoBxClick)});
    TAV_CREATE(ShowTimeLbl, {.Parent = StyleGrpBx, .Caption = "&Show time:"});
    TAV_CREATE(ShowTimeEdBx, {.Parent = StyleGrpBx,
                              .Width = kNumberWidth,
                              .OnChange = Handler(&TSettingsForm::UpDownEdBxChange)});
    TAV_CREATE(ShowTimeUpDwn, {.Parent = StyleGrpBx, .Associate = ShowTimeEdBx});
    TAV_CREATE(TextFontBtn, {.Parent = OSDGrpBx,
                             .Caption = "&Text font...",
                             .OnClick = Handler(&TSettingsForm::TextFontBtnClick)});
    // The display has no repaint of its own to choose.
    TAV_CREATE(RepaintChBx, {.Parent = OSDGrpBx, .Caption = "&Full repaint", .OnClick = store});
    RepaintChBx->Hide();
}

void TSettingsForm::CreateDdeTcpPage() {
    TAV_CREATE(
        DDETCPTab,
        {.Parent = PageCtrl, .Caption = "DDE / TCP", .HelpContext = help::kSettingsDdeTcpContext});
    TAV_CREATE(DDEGrpBx, {.Parent = DDETCPTab, .Caption = "Dynamic Data Exchange"});
    const auto store = Handler(&TSettingsForm::SettingChBxClick);
    TAV_CREATE(RemoteNameChBX,
               {.Parent = DDEGrpBx, .Caption = "Name of the &remote", .OnClick = store});
    TAV_CREATE(CommandNameChBx,
               {.Parent = DDEGrpBx, .Caption = "Name of the &command", .OnClick = store});
    TAV_CREATE(CommandsDataChBx,
               {.Parent = DDEGrpBx, .Caption = "Commands &data values", .OnClick = store});
    TAV_CREATE(CommandsDataCoBx, {.Parent = DDEGrpBx,
                                  .Items = {"All", "Recognized", "Unrecognized"},
                                  .OnClick = Handler(&TSettingsForm::CommandsDataCoBxClick)});
    // The reports send every code: which of them is not chosen here.
    CommandsDataCoBx->Hide();
    // Alt+A is Accept's, Alt+D the data's.
    TAV_CREATE(ActionDescriptionChBx,
               {.Parent = DDEGrpBx, .Caption = "Descri&ption of the action", .OnClick = store});
    TAV_CREATE(CopyDDELinkInfoBtn, {.Parent = DDEGrpBx,
                                    .Caption = "Cop&y DDE link information to clipboard",
                                    .OnClick = Handler(&TSettingsForm::CopyDDELinkInfoBtnClick)});
    TAV_CREATE(TCPIPGrpBx, {.Parent = DDETCPTab, .Caption = "TCP/IP"});
    TAV_CREATE(TCPRemoteNameChBX,
               {.Parent = TCPIPGrpBx, .Caption = "Name of the r&emote", .OnClick = store});
    TAV_CREATE(TCPCommandNameChBx,
               {.Parent = TCPIPGrpBx, .Caption = "Name of the c&ommand", .OnClick = store});
    TAV_CREATE(TCPCommandsDataChBx,
               {.Parent = TCPIPGrpBx, .Caption = "Commands da&ta values", .OnClick = store});
    TAV_CREATE(TCPActionDescriptionChBx,
               {.Parent = TCPIPGrpBx, .Caption = "Description of the act&ion", .OnClick = store});
    TAV_CREATE(TCPInfoPortLbl, {.Parent = TCPIPGrpBx, .Caption = "Port:"});
    TAV_CREATE(TCPServerPortEdBx, {.Parent = TCPIPGrpBx,
                                   .Width = kNumberWidth,
                                   .OnChange = Handler(&TSettingsForm::TCPServerPortEdBxChange)});
    TAV_CREATE(TCPServerPortUpDwn, {.Parent = TCPIPGrpBx, .Associate = TCPServerPortEdBx});
    TAV_CREATE(TCPInfoServerRBtn, {.Parent = TCPIPGrpBx,
                                   .Caption = "Server",
                                   .OnClick = Handler(&TSettingsForm::TCPInfoServerRBtnClick)});
    TCPInfoServerRBtn->SetChecked(true);
    TAV_CREATE(TCPInfoClientRBtn, {.Parent = TCPIPGrpBx,
                                   .Caption = "Client",
                                   .OnClick = Handler(&TSettingsForm::TCPInfoClientRBtnClick)});
}

TBox TSettingsForm::PagesLayout() {
    auto withButton = [](TControl* box, TControl* button) { return Row({box, Stretch(), button}); };
    return Pages(
        PageCtrl,
        {Page(GeneralTab,
              Group(OptionsGrpBx,
                    Column({LaunchChBx, LoadChBx, PlaySndsChBx, MultipleChBx, AdvancedKeyPressChBx,
                            Row({LogFileChBx, LogFileEdBx, BrowseLogBtn}),
                            LabelRows({{LanguageLbl, LangCoBx}}), PasswordBtn}))),
         Page(OriginTab,
              Group(DevicesGrpBx, Column({withButton(SerialBasedChBx, SerialPropertiesBtn),
                                          withButton(SerialConsoleChBx, SerialConsolePropertiesBtn),
                                          KeyboardChBx, withButton(TCPIPChBX, TCPIPPropertiesBtn),
                                          withButton(AverChBx, AverWndBtn), UIRServerChBx,
                                          BestBuyChBx, CreativeiNFRAChBx}))),
         Page(SerialTab, Group(ConfigGrpBx, LabelRows({{PortLbl, PortCoBx}}))),
         Page(RecognitionTab,
              Column({Group(DataSequencesGrpBx,
                            LabelRows({{SkipFirstLbl, Spin(SkipFirstEdBx, SkipFirstUpDwn)},
                                       {ToleranceLbl, Spin(ToleranceEdBox, ToleranceUpDwn)},
                                       {LongLimitLbl, Spin(LengthEdBx, LengthUpDwn)},
                                       {ValueSizeLbl, Spin(ValueSizeEdBx, ValueSizeUpDwn)},
                                       {TimeOutLbl, Spin(TimeOutEdBx, TimeOutUpDwn)}})),
                      Group(EspecialBehaviourGrpBx,
                            Column({SameLengthChBx,
                                    Row({BinaryChBx, Spin(BinaryEdBx, BinaryUpDwn)})}))})),
         Page(
             SoundsTab,
             Expand(Group(CommSoundsGrpBx,
                          Column({Row({NewSoundBtn, Column({ExternalFileRBtn,
                                                            Row({WinSoundsRBtn, WinSoundsCoBx})})}),
                                  Expand(SoundsList)})))),
         Page(OSDTab,
              Group(OSDGrpBx,
                    Column({RemoteChBx, CommandChBx, ActionChBx,
                            Group(StyleGrpBx,
                                  LabelRows({{BackgroundColorLbl, BackgroundCoBx},
                                             {ShowTimeLbl, Spin(ShowTimeEdBx, ShowTimeUpDwn)}})),
                            TextFontBtn, RepaintChBx}))),
         Page(DDETCPTab,
              Column({Group(DDEGrpBx, Column({RemoteNameChBX, CommandNameChBx,
                                              Row({CommandsDataChBx, CommandsDataCoBx}),
                                              ActionDescriptionChBx, CopyDDELinkInfoBtn})),
                      Group(TCPIPGrpBx, Column({TCPRemoteNameChBX, TCPCommandNameChBx,
                                                TCPCommandsDataChBx, TCPActionDescriptionChBx,
                                                Row({TCPInfoPortLbl,
                                                     Spin(TCPServerPortEdBx, TCPServerPortUpDwn),
                                                     TCPInfoServerRBtn, TCPInfoClientRBtn})}))}))});
}

void TSettingsForm::FormShow(TObject*) {
    sounds_ = settings_.Sounds();
    SortSounds(sounds_);
    ShowSounds();
    PageCtrl->SetActivePage(GeneralTab);
    ShowSettings();
}

void TSettingsForm::ShowSettings() {
    showing_ = true;
    try {
        for (const TBoxSetting& box : OptionBoxes())
            (this->*box.Box)->SetChecked(settings_.Bool(box.Name));
        for (const TBoxSetting& box : OriginBoxes())
            (this->*box.Box)->SetChecked(settings_.Bool(box.Name));
        LaunchChBx->SetChecked(settings_.Bool("Launch on startup"));
        // Without a log file the box clears, and the edit keeps the name it had.
        const std::string logFile = settings_.Str("Log file");
        if (!logFile.empty())
            LogFileEdBx->SetText(logFile);
        LogFileChBx->SetChecked(!logFile.empty());
        LangCoBx->SetItemIndex(IndexIgnoringCase(languages_, settings_.Str("Language")));
        PortCoBx->SetItemIndex(settings_.Int("Serial port") - 1);
        for (const TNumberSetting& number : Numbers())
            (this->*number.UpDown)->SetPosition(settings_.Int(number.Name));
        const std::int32_t background = settings_.Int("OSD background");
        BackgroundCoBx->SetItemIndex(background >= 0 && background < 3 ? background : -1);
        const std::int32_t ddeData = settings_.Int("DDE data");
        CommandsDataCoBx->SetItemIndex(ddeData >= 0 && ddeData < 3 ? ddeData : -1);
        TCPServerPortUpDwn->SetPosition(StoredPort(settings_, "TCP/IP info port"));
        if (settings_.Int("TCP/IP info type") == 0)
            TCPInfoServerRBtn->SetChecked(true);
        else if (settings_.Int("TCP/IP info type") == 1)
            TCPInfoClientRBtn->SetChecked(true);
    } catch (...) {
        showing_ = false;
        throw;
    }
    showing_ = false;
    UpdateControls();
}

void TSettingsForm::UpdateControls() {
    LogFileEdBx->SetEnabled(LogFileChBx->Checked());
    BrowseLogBtn->SetEnabled(LogFileChBx->Checked());
    SerialPropertiesBtn->SetEnabled(SerialBasedChBx->Checked());
    SerialConsolePropertiesBtn->SetEnabled(SerialConsoleChBx->Checked());
    TCPIPPropertiesBtn->SetEnabled(TCPIPChBX->Checked());
    AverWndBtn->SetEnabled(AverChBx->Checked());
    BinaryEdBx->SetEnabled(BinaryChBx->Checked());
    BinaryUpDwn->SetEnabled(BinaryChBx->Checked());
    WinSoundsCoBx->SetEnabled(WinSoundsRBtn->Checked());
    CommandsDataCoBx->SetEnabled(CommandsDataChBx->Checked());
}

void TSettingsForm::ShowSounds() {
    SoundsList->Clear();
    for (const TSoundEntry& sound : sounds_) {
        TListItem* item = SoundsList->AddItem();
        item->SetCaption(sound.Name);
        item->AddSubItem(sound.Path);
    }
}

// As wide as the path in a's, which is about as wide as most paths are.
void TSettingsForm::WidenFileColumn(const std::string& path) {
    const int width = SoundsList->MeasureText(std::string(path.size(), 'a')).Width;
    if (width > SoundsList->ColumnWidth(1))
        SoundsList->SetColumnWidth(1, width);
}

std::string TSettingsForm::LanguageFile() const {
    const TLanguageFolder folder(places_.ProgramFolder);
    const std::string name = settings_.Str("Language");
    return folder.HasFile(name) ? folder.FileOf(name) : std::string();
}

void TSettingsForm::ApplyDirectTexts(const std::string& file) {
    const StringList lines = LoadTextLines(file);
    if (const std::string caption = ReadDirectKey(lines, direct::SettingsFormCaption);
        !caption.empty())
        SetCaption(caption);
    const std::string_view columns[] = {direct::SettingsFormSoundsColumn0Caption,
                                        direct::SettingsFormSoundsColumn1Caption};
    for (int i = 0; i < 2; ++i)
        if (const std::string caption = ReadDirectKey(lines, columns[i]); !caption.empty())
            SoundsList->SetColumnCaption(i, caption);
}

std::string TSettingsForm::Message(std::string_view english) const {
    return Lang->GetMessageText(english);
}

void TSettingsForm::HelpBtnClick(TObject*) {
    if (const int context = PageCtrl->ActivePage()->HelpContext; context != 0)
        Application().HelpContext(context);
}

} // namespace tav
