// The action editor's controls, their places, and the lists filled when it is made.

#include "ui/action/win32/ActionForm.h"

#include "ui/action/win32/ArrowPictures.h"

#include "framework/win32/Seams.h"
#include "support/help/HelpContexts.h"
#include "ui/action/EditorLists.h"
#include "ui/lang/FormTranslations.h"
#include "ui/lang/win32/DialogLanguage.h"

namespace tav {

namespace {

constexpr int kNumberWidth = 60;
constexpr int kDelayStep = 250;
constexpr int kStreamDigits = 512;
constexpr int kKeyNameLength = 256;
constexpr int kWindowsNtPlatform = 2;

} // namespace

TActionForm::TActionForm(TComponent* owner, TActionFormLinks links)
    : TForm(owner, "ActionForm", TBorderStyle::Dialog), links_(std::move(links)) {
    SetCaption("Action setup");
    Position = TPosition::OwnerFormCenter;
    HelpContext = help::kActionEditorContext;
    KeyPreview = true;
    OnKeyDown = Handler(&TActionForm::FormKeyDown);
    // The cursor is followed only while the mouse page can be seen.
    OnShow = Handler(&TActionForm::ActionTypeCoBxClick);
    OnHide = Handler(&TActionForm::FormHide);

    // Alt+A is Accept's.
    TAV_CREATE(ActionTypeLbl, {.Parent = this, .Caption = "Action &type:"});
    TAV_CREATE(ActionTypeCoBx, {.Parent = this,
                                .Items = {"Tap key", "Mouse move", "Execute program", "PostMessage",
                                          "Volume control", "Miscellaneous", "Send data"},
                                .OnClick = Handler(&TActionForm::ActionTypeCoBxClick)});
    ActionTypeCoBx->SetStyle(TComboStyle::OwnerDrawFixed);
    ActionTypeCoBx->OnDrawItem = Handler(&TActionForm::ActionTypeCoBxDrawItem);
    ActionTypeLbl->FocusControl = ActionTypeCoBx;
    TAV_CREATE(DetailsGrpBx, {.Parent = this, .Caption = "Details"});
    TAV_CREATE(PanelsCtrl, {.Parent = DetailsGrpBx});
    CreateTypePanels();
    PanelsCtrl->HideTabs();

    TAV_CREATE(OptionsGrpBx, {.Parent = this, .Caption = "Options"});
    TAV_CREATE(DelayTimeLbl,
               {.Parent = OptionsGrpBx, .Caption = "Delay time before the next act&ion occurs:"});
    TAV_CREATE(DelayEdBx, {.Parent = OptionsGrpBx, .Width = kNumberWidth});
    TAV_CREATE(DelayUpDwn, {.Parent = OptionsGrpBx, .Associate = DelayEdBx});
    DelayTimeLbl->FocusControl = DelayEdBx;
    DelayUpDwn->SetRange(0, kMaxActionDelay);
    DelayUpDwn->Increment = kDelayStep;
    TAV_CREATE(DestinationWndLbl, {.Parent = OptionsGrpBx, .Caption = "Destination window:"});
    TAV_CREATE(DestinationWndCoBx,
               {.Parent = OptionsGrpBx, .OnExit = Handler(&TActionForm::WindowCoBxExit)});
    DestinationWndCoBx->SetStyle(TComboStyle::DropDown);
    DestinationWndCoBx->OnDropDown = Handler(&TActionForm::WindowCoBxDropDown);
    DestinationWndLbl->FocusControl = DestinationWndCoBx;
    TAV_CREATE(KeepActiveChBx, {.Parent = OptionsGrpBx, .Caption = "&Keep active"});

    TAV_CREATE(AcceptBtn, {.Parent = this,
                           .Caption = "&Accept",
                           .Default = true,
                           .OnClick = Handler(&TActionForm::AcceptBtnClick)});
    TAV_CREATE(CancelBtn,
               {.Parent = this, .Caption = "&Cancel", .ModalResult = mrCancel, .Cancel = true});
    TAV_CREATE(
        HelpBtn,
        {.Parent = this, .Caption = "&Help", .OnClick = Handler(&TActionForm::HelpBtnClick)});
    TAV_CREATE(
        CursorPosTimer,
        {.Interval = 100, .Enabled = false, .OnTimer = Handler(&TActionForm::CursorPosTimerTimer)});
    Lang = CreateFormLanguage(this, ActionFormTranslations);
    Lang->OnAfterTranslation = Handler(&TActionForm::LangAfterTranslation);

    SetLayout(Column(
        {Row({ActionTypeLbl, ActionTypeCoBx}), Group(DetailsGrpBx, PanelsLayout()),
         Group(OptionsGrpBx, Column({LabelRows({{DelayTimeLbl, Row({Spin(DelayEdBx, DelayUpDwn)})},
                                                {DestinationWndLbl, DestinationWndCoBx}}),
                                     KeepActiveChBx})),
         Buttons({AcceptBtn, CancelBtn, HelpBtn})}));
    FillLists();
    // The type list starts on its first type, so Accept always has a page to check.
    SelectFirstItems();
    SetLanguageFile(LanguageFile());
    // The list is read once, at the program's start, and the notice is given then.
    if (links_.Messages.UserListCut())
        ShowMessageBox(Lang->GetMessageText(msg::UserMessagesCut) + links_.Messages.UserListPath(),
                       Application().Title(), MB_OK | MB_ICONEXCLAMATION);
    if (links_.CreationDone)
        links_.CreationDone(*this);
}

void TActionForm::SetLanguageFile(const std::string& file) {
    ShowInLanguage(*this, *Lang, file, direct::ActionFormCaption);
}

void TActionForm::CreateTypePanels() {
    CreateTapKeyPanel();
    CreateMousePanel();
    CreateExecutePanel();
    CreatePostMessagePanel();
    CreateSoundPanel();
    CreateEspecialPanel();
    CreateSendDataPanel();
}

void TActionForm::CreateTapKeyPanel() {
    const auto option = Handler(&TActionForm::OptionClick);
    TAV_CREATE(TapKeyPanel, {.Parent = PanelsCtrl});
    // Alt+S is Shift's.
    TAV_CREATE(SystemKeyRBtn,
               {.Parent = TapKeyPanel, .Caption = "S&ystem key:", .OnClick = option});
    TAV_CREATE(SystemKeysCoBx, {.Parent = TapKeyPanel});
    TAV_CREATE(ParticularKeyRBtn,
               {.Parent = TapKeyPanel, .Caption = "&Particular key(s):", .OnClick = option});
    TAV_CREATE(ParticularKeyEdBx, {.Parent = TapKeyPanel});
    TAV_CREATE(ModifyiersGrpBx, {.Parent = TapKeyPanel, .Caption = "Modifyers"});
    // Alt+A is Accept's, Alt+C Cancel's.
    TAV_CREATE(AltKeyChBx, {.Parent = ModifyiersGrpBx, .Caption = "+A&lt"});
    TAV_CREATE(CtrlKeyChBx, {.Parent = ModifyiersGrpBx, .Caption = "+Ct&rl"});
    TAV_CREATE(ShiftKeyChBx, {.Parent = ModifyiersGrpBx, .Caption = "+&Shift"});
    TAV_CREATE(WinKeyChBx, {.Parent = ModifyiersGrpBx, .Caption = "+&Windows"});
    SystemKeyRBtn->SetChecked(true);
}

void TActionForm::CreateMousePanel() {
    const auto option = Handler(&TActionForm::OptionClick);
    TAV_CREATE(MouseMovePanel, {.Parent = PanelsCtrl});
    // Alt+C is Cancel's.
    TAV_CREATE(ClickRBtn,
               {.Parent = MouseMovePanel, .Caption = "Button c&lick:", .OnClick = option});
    TAV_CREATE(ClickTypeCoBx, {.Parent = MouseMovePanel,
                               .Items = {"Left", "Middle", "Right", "Left down", "Left up",
                                         "Middle down", "Middle up", "Right down", "Right up"}});
    TAV_CREATE(DoubleClickChBtn, {.Parent = MouseMovePanel, .Caption = "&Double click"});
    TAV_CREATE(
        RelativeMoveRBtn,
        {.Parent = MouseMovePanel, .Caption = "&Relative cursor movement:", .OnClick = option});
    TAV_CREATE(RelativeMoveCoBx, {.Parent = MouseMovePanel,
                                  .Items = {"Up", "Up-Left", "Up-Right", "Left", "Right", "Down",
                                            "Down-Left", "Down-Right"}});
    RelativeMoveCoBx->SetStyle(TComboStyle::OwnerDrawFixed);
    ArrowsImgList = new TDrawnImageList(this, "ArrowsImgList");
    AddArrowPictures(*ArrowsImgList);
    RelativeMoveCoBx->OnDrawItem = Handler(&TActionForm::RelativeMoveCoBxDrawItem);
    TAV_CREATE(AccelerationLbl, {.Parent = MouseMovePanel, .Caption = "Acceleration:"});
    TAV_CREATE(AccelBar, {.Parent = MouseMovePanel});
    AccelBar->SetRange(kMinBarStep, kMaxBarStep);
    AccelBar->SetPosition(5);
    SendMessageA(AccelBar->Handle(), TBM_SETLINESIZE, 0, 2);
    TAV_CREATE(MaxLbl, {.Parent = MouseMovePanel, .Caption = "Max."});
    TAV_CREATE(AbsoluteMoveRBtn, {.Parent = MouseMovePanel,
                                  .Caption = "A&bsolute cursor movement (x, y):",
                                  .OnClick = option});
    TAV_CREATE(XPositionEdBx, {.Parent = MouseMovePanel, .Width = kNumberWidth});
    TAV_CREATE(XPosUpDown, {.Parent = MouseMovePanel, .Associate = XPositionEdBx});
    TAV_CREATE(YPositionEdBx, {.Parent = MouseMovePanel, .Width = kNumberWidth});
    TAV_CREATE(YPosUpDown, {.Parent = MouseMovePanel, .Associate = YPositionEdBx});
    TAV_CREATE(XPosInfoLbl, {.Parent = MouseMovePanel, .Caption = "0"});
    TAV_CREATE(YPosInfoLbl, {.Parent = MouseMovePanel, .Caption = "0"});
    ClickRBtn->SetChecked(true);
}

void TActionForm::CreateExecutePanel() {
    TAV_CREATE(ExecuteProgramPanel, {.Parent = PanelsCtrl});
    TAV_CREATE(ExeNameLbl, {.Parent = ExecuteProgramPanel, .Caption = "E&xecutable:"});
    TAV_CREATE(FileNameEdBx, {.Parent = ExecuteProgramPanel,
                              .OnChange = Handler(&TActionForm::FileNameEdBxChange)});
    TAV_CREATE(BrowseBtn, {.Parent = ExecuteProgramPanel,
                           .Caption = "...",
                           .OnClick = Handler(&TActionForm::BrowseBtnClick)});
    ExeNameLbl->FocusControl = FileNameEdBx;
    TAV_CREATE(ParamsLbl, {.Parent = ExecuteProgramPanel, .Caption = "Pa&rameters:"});
    TAV_CREATE(ParamsEdBx, {.Parent = ExecuteProgramPanel});
    ParamsLbl->FocusControl = ParamsEdBx;
    TAV_CREATE(EnterSuspendModeChBx, {.Parent = ExecuteProgramPanel,
                                      .Caption = "&Enter in suspend mode till application closes"});
    TAV_CREATE(TryFirstChBx, {.Parent = ExecuteProgramPanel,
                              .Caption = "Try first to activate the window:",
                              .OnClick = Handler(&TActionForm::OptionClick)});
    TAV_CREATE(TryFirstCoBx,
               {.Parent = ExecuteProgramPanel, .OnExit = Handler(&TActionForm::WindowCoBxExit)});
    TryFirstCoBx->SetStyle(TComboStyle::DropDown);
    TryFirstCoBx->OnDropDown = Handler(&TActionForm::WindowCoBxDropDown);
}

void TActionForm::CreatePostMessagePanel() {
    const auto option = Handler(&TActionForm::OptionClick);
    TAV_CREATE(PostMessagePanel, {.Parent = PanelsCtrl});
    TAV_CREATE(WinMsgRBtn,
               {.Parent = PostMessagePanel, .Caption = "&Windows message:", .OnClick = option});
    TAV_CREATE(WinMsgCoBx, {.Parent = PostMessagePanel});
    TAV_CREATE(UserMsgRBtn,
               {.Parent = PostMessagePanel, .Caption = "&User defined:", .OnClick = option});
    TAV_CREATE(UserMsgCoBx,
               {.Parent = PostMessagePanel, .OnClick = Handler(&TActionForm::UserMsgCoBxClick)});
    UserMsgCoBx->SetStyle(TComboStyle::DropDown);
    TAV_CREATE(ParamsGrpBx, {.Parent = PostMessagePanel, .Caption = "Parameters"});
    TAV_CREATE(wParamLbl, {.Parent = ParamsGrpBx, .Caption = "w&Param:"});
    TAV_CREATE(wParamEdBx, {.Parent = ParamsGrpBx});
    wParamLbl->FocusControl = wParamEdBx;
    TAV_CREATE(lParamLbl, {.Parent = ParamsGrpBx, .Caption = "&lParam:"});
    TAV_CREATE(lParamEdBx, {.Parent = ParamsGrpBx});
    lParamLbl->FocusControl = lParamEdBx;
    for (TEdit* edit : {wParamEdBx, lParamEdBx}) {
        edit->SetText("0");
        edit->OnKeyPress = Handler(&TActionForm::HexEdBxKeyPress);
    }
    WinMsgRBtn->SetChecked(true);
}

void TActionForm::CreateSoundPanel() {
    const auto option = Handler(&TActionForm::OptionClick);
    TAV_CREATE(SoundPanel, {.Parent = PanelsCtrl});
    TAV_CREATE(MixerLbl, {.Parent = SoundPanel, .Caption = "&Mixer:"});
    TAV_CREATE(MixerCoBx,
               {.Parent = SoundPanel, .OnChange = Handler(&TActionForm::MixerCoBxChange)});
    MixerLbl->FocusControl = MixerCoBx;
    TAV_CREATE(DestLbl, {.Parent = SoundPanel, .Caption = "D&estination:"});
    TAV_CREATE(DestCoBx, {.Parent = SoundPanel, .OnChange = Handler(&TActionForm::DestCoBxChange)});
    DestLbl->FocusControl = DestCoBx;
    TAV_CREATE(MixerLineLbl, {.Parent = SoundPanel, .Caption = "Co&nnection:"});
    TAV_CREATE(MixerLineCoBx, {.Parent = SoundPanel});
    MixerLineLbl->FocusControl = MixerLineCoBx;
    TAV_CREATE(VolumeRBtn, {.Parent = SoundPanel, .Caption = "&Volume:", .OnClick = option});
    TAV_CREATE(VolumeCoBx, {.Parent = SoundPanel, .Items = {"Up", "Down"}});
    TAV_CREATE(IncrementLbl, {.Parent = SoundPanel, .Caption = "Increment:"});
    TAV_CREATE(VolIncrementBar, {.Parent = SoundPanel});
    VolIncrementBar->SetRange(kMinBarStep, kMaxBarStep);
    VolIncrementBar->SetPosition(5);
    TAV_CREATE(MaxIncrementLbl, {.Parent = SoundPanel, .Caption = "Max."});
    // Alt+T is the type list's.
    TAV_CREATE(MuteRBtn, {.Parent = SoundPanel, .Caption = "Toggle m&ute", .OnClick = option});
    VolumeRBtn->SetChecked(true);
}

void TActionForm::CreateEspecialPanel() {
    const auto option = Handler(&TActionForm::OptionClick);
    TAV_CREATE(EspecialPanel, {.Parent = PanelsCtrl});
    TAV_CREATE(ShutDownRBtn,
               {.Parent = EspecialPanel, .Caption = "&Shutdown system:", .OnClick = option});
    TAV_CREATE(ShutDownCoBx, {.Parent = EspecialPanel,
                              .Items = {"Log off", "Reboot", "Shutdown", "Suspend", "Hibernate"}});
    TAV_CREATE(WindowStateRBtn,
               {.Parent = EspecialPanel, .Caption = "&Window state:", .OnClick = option});
    TAV_CREATE(WindowStateCoBx,
               {.Parent = EspecialPanel, .Items = {"Minimize", "Maximize", "Restore", "Close"}});
    TAV_CREATE(OSDRBtn,
               {.Parent = EspecialPanel, .Caption = "&On Screen Display:", .OnClick = option});
    TAV_CREATE(OSDCoBx, {.Parent = EspecialPanel, .Items = {"Current time", "Current date"}});
    OSDCoBx->SetStyle(TComboStyle::DropDown);
    ShutDownRBtn->SetChecked(true);
}

// This page's texts are not translated.
void TActionForm::CreateSendDataPanel() {
    const auto option = Handler(&TActionForm::OptionClick);
    TAV_CREATE(SendDataPanel, {.Parent = PanelsCtrl});
    TAV_CREATE(DataStreamRBtn,
               {.Parent = SendDataPanel, .Caption = "St&ream (hex):", .OnClick = option});
    TAV_CREATE(DataStreamEdBx, {.Parent = SendDataPanel});
    DataStreamEdBx->SetMaxLength(kStreamDigits);
    DataStreamEdBx->OnKeyPress = Handler(&TActionForm::HexEdBxKeyPress);
    TAV_CREATE(DataFileRBtn, {.Parent = SendDataPanel, .Caption = "&File:", .OnClick = option});
    TAV_CREATE(DataFileEdBx, {.Parent = SendDataPanel});
    TAV_CREATE(DataOpenFileBtn, {.Parent = SendDataPanel,
                                 .Caption = "...",
                                 .OnClick = Handler(&TActionForm::DataOpenFileBtnClick)});
    TAV_CREATE(DataPortBtn, {.Parent = SendDataPanel,
                             .Caption = "Edit serial &port properties...",
                             .OnClick = Handler(&TActionForm::DataPortBtnClick)});
    DataStreamRBtn->SetChecked(true);
}

TBox TActionForm::PanelsLayout() {
    auto withMax = [](TControl* label, TControl* bar, TControl* max) {
        return Row({label, Fill(bar), max});
    };
    return Pages(
        PanelsCtrl,
        {Page(TapKeyPanel, Column({LabelRows({{SystemKeyRBtn, SystemKeysCoBx},
                                              {ParticularKeyRBtn, ParticularKeyEdBx}}),
                                   Group(ModifyiersGrpBx, Row({AltKeyChBx, CtrlKeyChBx,
                                                               ShiftKeyChBx, WinKeyChBx}))})),
         Page(MouseMovePanel,
              Column({LabelRows({{ClickRBtn, Row({ClickTypeCoBx, DoubleClickChBtn})},
                                 {RelativeMoveRBtn, RelativeMoveCoBx}}),
                      withMax(AccelerationLbl, AccelBar, MaxLbl),
                      Row({AbsoluteMoveRBtn, Spin(XPositionEdBx, XPosUpDown),
                           Spin(YPositionEdBx, YPosUpDown)}),
                      Row({XPosInfoLbl, YPosInfoLbl})})),
         Page(ExecuteProgramPanel,
              Column({LabelRows(
                          {{ExeNameLbl, Row({FileNameEdBx, BrowseBtn})}, {ParamsLbl, ParamsEdBx}}),
                      EnterSuspendModeChBx, LabelRows({{TryFirstChBx, TryFirstCoBx}})})),
         Page(PostMessagePanel,
              Column({LabelRows({{WinMsgRBtn, WinMsgCoBx}, {UserMsgRBtn, UserMsgCoBx}}),
                      Group(ParamsGrpBx,
                            LabelRows({{wParamLbl, wParamEdBx}, {lParamLbl, lParamEdBx}}))})),
         Page(SoundPanel,
              Column({LabelRows({{MixerLbl, MixerCoBx},
                                 {DestLbl, DestCoBx},
                                 {MixerLineLbl, MixerLineCoBx},
                                 {VolumeRBtn, VolumeCoBx}}),
                      withMax(IncrementLbl, VolIncrementBar, MaxIncrementLbl), MuteRBtn})),
         Page(EspecialPanel, LabelRows({{ShutDownRBtn, ShutDownCoBx},
                                        {WindowStateRBtn, WindowStateCoBx},
                                        {OSDRBtn, OSDCoBx}})),
         Page(SendDataPanel,
              Column({LabelRows({{DataStreamRBtn, DataStreamEdBx},
                                 {DataFileRBtn, Row({DataFileEdBx, DataOpenFileBtn})}}),
                      DataPortBtn}))});
}

void TActionForm::FillLists() {
    lists_.WindowsMessages = MessageNames(links_.Messages.WindowsMessages());
    WinMsgCoBx->SetItems(lists_.WindowsMessages);
    UserMsgCoBx->SetItems(MessageNames(links_.Messages.UserMessages()));
    FillSystemKeys();
    lists_.SystemKeys = SystemKeysCoBx->ItemCount();
    lists_.Mixers = ReadMixerDevices(links_.Mixer);
    StringList mixerNames;
    for (const TMixerDeviceLines& device : lists_.Mixers)
        mixerNames.push_back(device.Name);
    MixerCoBx->SetItems(mixerNames);
    MixerCoBx->SetItemIndex(MixerCoBx->ItemCount() > 0 ? 0 : -1);
    MixerCoBxChange(nullptr);
    lists_.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    lists_.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    XPosUpDown->SetRange(0, lists_.ScreenWidth);
    YPosUpDown->SetRange(0, lists_.ScreenHeight);
}

void TActionForm::FillSystemKeys() {
    SystemKeysCoBx->ClearItems();
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const bool known = GetVersionExA(&version) != FALSE;
#pragma GCC diagnostic pop
    if (!known)
        return;
    StringList names;
    for (const std::uint32_t param : SystemKeyParams(version.dwPlatformId == kWindowsNtPlatform)) {
        char name[kKeyNameLength] = {};
        GetKeyNameTextA(static_cast<LONG>(param), name, sizeof name);
        names.emplace_back(name);
    }
    SystemKeysCoBx->SetItems(names);
}

void TActionForm::SelectFirstItems() {
    for (TComboBox* list : {ActionTypeCoBx, ClickTypeCoBx, RelativeMoveCoBx, WinMsgCoBx, VolumeCoBx,
                            SystemKeysCoBx, ShutDownCoBx, WindowStateCoBx})
        list->SetItemIndex(list->ItemCount() > 0 ? 0 : -1);
    ActionTypeCoBxClick(nullptr);
}

} // namespace tav
