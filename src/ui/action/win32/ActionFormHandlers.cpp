// What the action editor's controls do: the type's page, the options, the window and mixer
// lists, the cursor position, the files, the output port and Accept.

#include "engine/actions/ProgramFile.h"
#include "framework/Text.h"
#include "framework/win32/PictureItem.h"
#include "framework/win32/Seams.h"
#include "framework/win32/TopLevelWindows.h"
#include "support/help/HelpContexts.h"
#include "ui/action/EditorLists.h"
#include "ui/action/win32/ActionForm.h"
#include "ui/serialsettings/win32/SerialSettingsForm.h"

#include <memory>

namespace tav {

namespace {

constexpr const char* kIncompleteCaption = "Action setup incomplete";
constexpr const char* kProgramFilter =
    "Executable files (*.exe; *.com; *.bat)|*.exe; *.com; *.bat|All files (*.*)|*.*";
constexpr const char* kAnyFileFilter = "All files (*.*)|*.*";

int ChosenIndex(const TListControl& list) {
    return list.ItemIndex();
}

std::string ChosenItem(const TListControl& list) {
    const int index = list.ItemIndex();
    return index >= 0 ? list.Item(index) : std::string();
}

} // namespace

std::string TActionForm::ComposeAction() const {
    if (ActionTypeCoBx->ItemIndex() < 0)
        return {};
    return ComposeEditorAction(Values());
}

void TActionForm::LoadActionIntoDialog(const std::string& action) {
    ShowValues(LoadEditorAction(action, Values(), lists_));
}

TActionEditorValues TActionForm::Values() const {
    TActionEditorValues v;
    v.Type = static_cast<TActionType>(std::max(ChosenIndex(*ActionTypeCoBx), 0));
    v.SystemKey = SystemKeyRBtn->Checked();
    v.SystemKeyIndex = ChosenIndex(*SystemKeysCoBx);
    v.Keys = ParticularKeyEdBx->Text();
    v.Modifiers = {AltKeyChBx->Checked(), CtrlKeyChBx->Checked(), ShiftKeyChBx->Checked(),
                   WinKeyChBx->Checked()};
    v.Mouse = RelativeMoveRBtn->Checked()   ? TMouseOption::RelativeMove
              : AbsoluteMoveRBtn->Checked() ? TMouseOption::AbsoluteMove
                                            : TMouseOption::Click;
    v.ClickType = ChosenIndex(*ClickTypeCoBx);
    v.DoubleClick = DoubleClickChBtn->Checked();
    v.Direction = ChosenIndex(*RelativeMoveCoBx);
    v.Acceleration = AccelBar->Position();
    v.X = XPosUpDown->Position();
    v.Y = YPosUpDown->Position();
    v.TryFirst = TryFirstChBx->Checked();
    v.TryWindow = TryFirstCoBx->Text();
    v.FileName = FileNameEdBx->Text();
    v.Params = ParamsEdBx->Text();
    v.Suspend = EnterSuspendModeChBx->Checked();
    v.WindowsMessage = WinMsgRBtn->Checked();
    v.WindowsMessageName = ChosenItem(*WinMsgCoBx);
    v.UserMessageName = UserMsgCoBx->Text();
    v.WParam = wParamEdBx->Text();
    v.LParam = lParamEdBx->Text();
    v.Mixer = ChosenIndex(*MixerCoBx);
    v.Destination = ChosenIndex(*DestCoBx);
    v.Line = ChosenIndex(*MixerLineCoBx);
    v.Mute = MuteRBtn->Checked();
    v.VolumeStep = ChosenIndex(*VolumeCoBx);
    v.Increment = VolIncrementBar->Position();
    v.Misc = WindowStateRBtn->Checked() ? TMiscOption::WindowState
             : OSDRBtn->Checked()       ? TMiscOption::Osd
                                        : TMiscOption::Shutdown;
    v.ShutdownCode = ChosenIndex(*ShutDownCoBx);
    v.WindowStateCode = ChosenIndex(*WindowStateCoBx);
    v.OsdText = OSDCoBx->Text();
    v.Data = DataFileRBtn->Checked() ? SendDataSource::File : SendDataSource::Stream;
    v.Stream = DataStreamEdBx->Text();
    v.DataFile = DataFileEdBx->Text();
    v.Delay = DelayUpDwn->Position();
    v.DestinationWindow = DestinationWndCoBx->Text();
    v.KeepActive = KeepActiveChBx->Checked();
    return v;
}

void TActionForm::ShowValues(const TActionEditorValues& v) {
    ActionTypeCoBx->SetItemIndex(static_cast<int>(v.Type));
    (v.SystemKey ? SystemKeyRBtn : ParticularKeyRBtn)->SetChecked(true);
    SystemKeysCoBx->SetItemIndex(v.SystemKeyIndex);
    ParticularKeyEdBx->SetText(v.Keys);
    AltKeyChBx->SetChecked(v.Modifiers.alt);
    CtrlKeyChBx->SetChecked(v.Modifiers.ctrl);
    ShiftKeyChBx->SetChecked(v.Modifiers.shift);
    WinKeyChBx->SetChecked(v.Modifiers.windows);
    switch (v.Mouse) {
    case TMouseOption::Click:
        ClickRBtn->SetChecked(true);
        break;
    case TMouseOption::RelativeMove:
        RelativeMoveRBtn->SetChecked(true);
        break;
    case TMouseOption::AbsoluteMove:
        AbsoluteMoveRBtn->SetChecked(true);
        break;
    }
    ClickTypeCoBx->SetItemIndex(v.ClickType);
    DoubleClickChBtn->SetChecked(v.DoubleClick);
    RelativeMoveCoBx->SetItemIndex(v.Direction);
    AccelBar->SetPosition(v.Acceleration);
    XPosUpDown->SetPosition(v.X);
    YPosUpDown->SetPosition(v.Y);
    TryFirstCoBx->SetText(v.TryWindow);
    TryFirstChBx->SetChecked(v.TryFirst);
    FileNameEdBx->SetText(v.FileName);
    ParamsEdBx->SetText(v.Params);
    EnterSuspendModeChBx->SetChecked(v.Suspend);
    (v.WindowsMessage ? WinMsgRBtn : UserMsgRBtn)->SetChecked(true);
    WinMsgCoBx->SetItemIndex(WinMsgCoBx->IndexOf(v.WindowsMessageName));
    UserMsgCoBx->SetItemIndex(UserMsgCoBx->IndexOf(v.UserMessageName));
    UserMsgCoBx->SetText(v.UserMessageName);
    wParamEdBx->SetText(v.WParam);
    lParamEdBx->SetText(v.LParam);
    // The lists of the string's own mixer and destination, before their lines are chosen.
    MixerCoBx->SetItemIndex(v.Mixer);
    ShowMixer(v.Mixer);
    DestCoBx->SetItemIndex(v.Destination);
    ShowMixerLines(v.Destination);
    MixerLineCoBx->SetItemIndex(v.Line);
    (v.Mute ? MuteRBtn : VolumeRBtn)->SetChecked(true);
    VolumeCoBx->SetItemIndex(v.VolumeStep);
    VolIncrementBar->SetPosition(v.Increment);
    switch (v.Misc) {
    case TMiscOption::Shutdown:
        ShutDownRBtn->SetChecked(true);
        break;
    case TMiscOption::WindowState:
        WindowStateRBtn->SetChecked(true);
        break;
    case TMiscOption::Osd:
        OSDRBtn->SetChecked(true);
        break;
    }
    ShutDownCoBx->SetItemIndex(v.ShutdownCode);
    WindowStateCoBx->SetItemIndex(v.WindowStateCode);
    OSDCoBx->SetText(v.OsdText);
    (v.Data == SendDataSource::File ? DataFileRBtn : DataStreamRBtn)->SetChecked(true);
    DataStreamEdBx->SetText(v.Stream);
    DataFileEdBx->SetText(v.DataFile);
    DelayUpDwn->SetPosition(v.Delay);
    DestinationWndCoBx->SetText(v.DestinationWindow);
    KeepActiveChBx->SetChecked(v.KeepActive);
    ActionTypeCoBxClick(nullptr);
}

void TActionForm::ActionTypeCoBxClick(TObject*) {
    const int type = ActionTypeCoBx->ItemIndex();
    PanelsCtrl->SetActivePageIndex(type);
    CursorPosTimer->SetEnabled(type == static_cast<int>(TActionType::MouseMove));
    UpdateOptions();
}

void TActionForm::UpdateOptions() {
    const int type = ActionTypeCoBx->ItemIndex();
    const bool window = type == static_cast<int>(TActionType::TapKey) ||
                        type == static_cast<int>(TActionType::PostMessage);
    for (TControl* c :
         std::initializer_list<TControl*>{DestinationWndLbl, DestinationWndCoBx, KeepActiveChBx})
        c->SetEnabled(window);
    SystemKeysCoBx->SetEnabled(SystemKeyRBtn->Checked());
    ParticularKeyEdBx->SetEnabled(ParticularKeyRBtn->Checked());
    for (TControl* c : std::initializer_list<TControl*>{ClickTypeCoBx, DoubleClickChBtn})
        c->SetEnabled(ClickRBtn->Checked());
    for (TControl* c :
         std::initializer_list<TControl*>{RelativeMoveCoBx, AccelerationLbl, AccelBar, MaxLbl})
        c->SetEnabled(RelativeMoveRBtn->Checked());
    for (TControl* c :
         std::initializer_list<TControl*>{XPositionEdBx, XPosUpDown, YPositionEdBx, YPosUpDown})
        c->SetEnabled(AbsoluteMoveRBtn->Checked());
    TryFirstCoBx->SetEnabled(TryFirstChBx->Checked());
    WinMsgCoBx->SetEnabled(WinMsgRBtn->Checked());
    UserMsgCoBx->SetEnabled(UserMsgRBtn->Checked());
    // Volume and mute wait for a line to act on.
    const bool lines = MixerLineCoBx->ItemCount() > 0;
    VolumeRBtn->SetEnabled(lines);
    MuteRBtn->SetEnabled(lines);
    VolumeCoBx->SetEnabled(lines && VolumeRBtn->Checked());
    VolIncrementBar->SetEnabled(lines && VolumeRBtn->Checked());
    ShutDownCoBx->SetEnabled(ShutDownRBtn->Checked());
    WindowStateCoBx->SetEnabled(WindowStateRBtn->Checked());
    OSDCoBx->SetEnabled(OSDRBtn->Checked());
    DataStreamEdBx->SetEnabled(DataStreamRBtn->Checked());
    DataFileEdBx->SetEnabled(DataFileRBtn->Checked());
    DataOpenFileBtn->SetEnabled(DataFileRBtn->Checked());
}

void TActionForm::OptionClick(TObject*) {
    UpdateOptions();
}

void TActionForm::ActionTypeCoBxDrawItem(TControl*, int index, HDC dc, const RECT& rect,
                                         UINT state) {
    DrawPictureItem(*ActionTypeCoBx, links_.ActionPictures, index, dc, rect, state);
}

void TActionForm::RelativeMoveCoBxDrawItem(TControl*, int index, HDC dc, const RECT& rect,
                                           UINT state) {
    DrawPictureItem(*RelativeMoveCoBx, *ArrowsImgList, index, dc, rect, state);
}

void TActionForm::CursorPosTimerTimer(TObject*) {
    POINT cursor{};
    GetCursorPos(&cursor);
    XPosInfoLbl->SetCaption(IntToStr(cursor.x));
    YPosInfoLbl->SetCaption(IntToStr(cursor.y));
}

void TActionForm::FormHide(TObject*) {
    CursorPosTimer->SetEnabled(false);
}

void TActionForm::FormKeyDown(TObject*, WORD& key, TShiftState) {
    if (key != VK_F2)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    XPosUpDown->SetPosition(cursor.x);
    YPosUpDown->SetPosition(cursor.y);
    key = 0;
}

// Both window lists get the windows open now; what the user typed stays.
void TActionForm::WindowCoBxDropDown(TObject*) {
    const TCursor cursor = Application().Cursor();
    Application().SetCursor(TCursor::HourGlass);
    const StringList entries = WindowListEntries(TopLevelWindows(), IdOf(Application().Handle()));
    for (TComboBox* list : {TryFirstCoBx, DestinationWndCoBx}) {
        const std::string text = list->Text();
        list->SetItems(entries);
        list->SetText(text);
    }
    Application().SetCursor(cursor);
}

void TActionForm::WindowCoBxExit(TObject* sender) {
    auto* list = dynamic_cast<TComboBox*>(sender);
    if (list == nullptr)
        return;
    const int index = list->ItemIndex();
    if (index >= 0 && list->Text() == list->Item(index))
        list->SetText(WithoutOwnedIndent(list->Text()));
}

void TActionForm::UserMsgCoBxClick(TObject*) {
    const std::string name = ChosenItem(*UserMsgCoBx);
    if (const auto params = UserMessageParams(links_.Messages.UserMessages(), name)) {
        wParamEdBx->SetText(params->first);
        lParamEdBx->SetText(params->second);
    }
}

void TActionForm::HexEdBxKeyPress(TObject*, char& key) {
    if (!IsHexBoxKey(key))
        key = 0;
}

void TActionForm::FileNameEdBxChange(TObject*) {
    EnterSuspendModeChBx->SetEnabled(IsProgramFile(FileNameEdBx->Text()));
}

void TActionForm::MixerCoBxChange(TObject*) {
    ShowMixer(MixerCoBx->ItemIndex());
}

void TActionForm::DestCoBxChange(TObject*) {
    ShowMixerLines(DestCoBx->ItemIndex());
}

void TActionForm::ShowMixer(int mixer) {
    if (mixer >= 0 && mixer < links_.Mixer.MixerCount())
        links_.Mixer.SetMixerId(mixer);
    DestCoBx->SetItems(DestinationsOf(lists_.Mixers, mixer));
    DestCoBx->SetItemIndex(DestCoBx->ItemCount() > 0 ? 0 : -1);
    ShowMixerLines(DestCoBx->ItemIndex());
}

void TActionForm::ShowMixerLines(int destination) {
    MixerLineCoBx->SetItems(LinesOf(lists_.Mixers, MixerCoBx->ItemIndex(), destination));
    MixerLineCoBx->SetItemIndex(MixerLineCoBx->ItemCount() > 0 ? 0 : -1);
    VolumeCoBx->SetItemIndex(0);
    UpdateOptions();
}

void TActionForm::BrowseBtnClick(TObject*) {
    if (const auto file = OpenFileDialog({{}, kProgramFilter, {}, {}, FileNameEdBx->Text()}))
        FileNameEdBx->SetText(*file);
}

void TActionForm::DataOpenFileBtnClick(TObject*) {
    if (const auto file = OpenFileDialog({{}, kAnyFileFilter, {}, {}, DataFileEdBx->Text()}))
        DataFileEdBx->SetText(*file);
}

// The port's values are stored only when the user accepts them.
void TActionForm::DataPortBtnClick(TObject*) {
    auto dialog = std::make_unique<TSerialSettingsForm>(nullptr, links_.Settings, links_.SerialHost,
                                                        LanguageFile());
    dialog->PortKind = kOutputPortKind;
    if (dialog->ShowModal() == mrOk)
        StoreSerialChoice(links_.Settings, kDataPortSettings, dialog->Chosen());
    dialog.reset();
    Application().ProcessMessages();
}

TControl* TActionForm::CaptionOf(TEditorValue value) const {
    switch (value) {
    case TEditorValue::SystemKey:
        return SystemKeyRBtn;
    case TEditorValue::ParticularKeys:
        return ParticularKeyRBtn;
    case TEditorValue::Modifiers:
        return ModifyiersGrpBx;
    case TEditorValue::Click:
        return ClickRBtn;
    case TEditorValue::DoubleClick:
        return DoubleClickChBtn;
    case TEditorValue::RelativeMove:
        return RelativeMoveRBtn;
    case TEditorValue::Acceleration:
        return AccelerationLbl;
    case TEditorValue::AbsoluteMove:
        return AbsoluteMoveRBtn;
    case TEditorValue::TryWindow:
        return TryFirstChBx;
    case TEditorValue::FileName:
        return ExeNameLbl;
    case TEditorValue::Params:
        return ParamsLbl;
    case TEditorValue::Suspend:
        return EnterSuspendModeChBx;
    case TEditorValue::WindowsMessage:
        return WinMsgRBtn;
    case TEditorValue::UserMessage:
        return UserMsgRBtn;
    case TEditorValue::WParam:
        return wParamLbl;
    case TEditorValue::LParam:
        return lParamLbl;
    case TEditorValue::Mixer:
        return MixerLbl;
    case TEditorValue::Destination:
        return DestLbl;
    case TEditorValue::Line:
        return MixerLineLbl;
    case TEditorValue::Volume:
        return VolumeRBtn;
    case TEditorValue::Increment:
        return IncrementLbl;
    case TEditorValue::Shutdown:
        return ShutDownRBtn;
    case TEditorValue::WindowState:
        return WindowStateRBtn;
    case TEditorValue::OsdText:
        return OSDRBtn;
    case TEditorValue::Stream:
        return DataStreamRBtn;
    case TEditorValue::DataFile:
        return DataFileRBtn;
    case TEditorValue::Delay:
        return DelayTimeLbl;
    case TEditorValue::DestinationWindow:
        return DestinationWndLbl;
    case TEditorValue::KeepActive:
        return KeepActiveChBx;
    case TEditorValue::None:
        break;
    }
    return ActionTypeLbl;
}

void TActionForm::AcceptBtnClick(TObject*) {
    if (ActionTypeCoBx->ItemIndex() < 0)
        return;
    const TAcceptCheck check = CheckAccept(Values(), lists_);
    switch (check.Answer) {
    case TAcceptAnswer::Accept:
        ModalResult = mrOk;
        break;
    case TAcceptAnswer::Cancel:
        ModalResult = mrCancel;
        break;
    case TAcceptAnswer::Refuse:
        ShowMessageBox(StripMenuCaption(CaptionOf(check.Missing)->Caption()) + "?",
                       kIncompleteCaption, MB_OK | MB_ICONEXCLAMATION);
        break;
    }
}

// A translation replaces the lists' items.
void TActionForm::LangAfterTranslation(TComponent*) {
    SelectFirstItems();
}

void TActionForm::HelpBtnClick(TObject*) {
    Application().HelpContext(help::kActionEditorContext);
}

std::optional<std::string> TActionForm::TLabels::Item(ActionList list, std::int32_t index) const {
    const TComboBox* box = nullptr;
    switch (list) {
    case ActionList::ActionTypes:
        box = form_.ActionTypeCoBx;
        break;
    case ActionList::SystemKeys:
        box = form_.SystemKeysCoBx;
        break;
    case ActionList::ClickTypes:
        box = form_.ClickTypeCoBx;
        break;
    case ActionList::Directions:
        box = form_.RelativeMoveCoBx;
        break;
    case ActionList::VolumeSteps:
        box = form_.VolumeCoBx;
        break;
    case ActionList::ShutdownKinds:
        box = form_.ShutDownCoBx;
        break;
    case ActionList::WindowStates:
        box = form_.WindowStateCoBx;
        break;
    case ActionList::OsdTexts:
        box = form_.OSDCoBx;
        break;
    }
    if (box == nullptr || index < 0 || index >= box->ItemCount())
        return std::nullopt;
    return box->Item(index);
}

std::string TActionForm::TLabels::Caption(ActionOption option) const {
    switch (option) {
    case ActionOption::Click:
        return form_.ClickRBtn->Caption();
    case ActionOption::DoubleClick:
        return form_.DoubleClickChBtn->Caption();
    case ActionOption::Volume:
        return form_.VolumeRBtn->Caption();
    case ActionOption::Mute:
        return form_.MuteRBtn->Caption();
    }
    return {};
}

std::optional<std::string> TActionForm::TLabels::MixerLineName(std::int32_t destination,
                                                               std::int32_t line) const {
    const std::vector<std::string> names = MixerLineNames(form_.links_.Mixer, destination);
    if (line < 0 || static_cast<std::size_t>(line) >= names.size())
        return std::nullopt;
    return names[static_cast<std::size_t>(line)];
}

} // namespace tav
