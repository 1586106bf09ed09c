#include "ui/serialsettings/win32/SerialSettingsForm.h"

#include "framework/Text.h"
#include "ui/lang/FormTranslations.h"
#include "ui/lang/win32/DialogLanguage.h"

#include <algorithm>
#include <vector>

namespace tav {

namespace {

// The device types a port can have: the rows of serial devices, in the order the list shows.
StringList SerialDeviceTypes() {
    StringList names;
    for (std::size_t row = 0; row < kDeviceRows; ++row)
        if (DeviceTable[row][dcMode] < kFirstNonSerialMode)
            names.emplace_back(SerialTypes[row]);
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; });
    return names;
}

std::string ComPortName(std::int32_t com) {
    return "COM" + IntToStr(com);
}

// COM1 to COM8, and `com` when it is another port.
StringList ComPortNames(std::int32_t com) {
    StringList names;
    for (int listed = 1; listed <= kListedComPorts; ++listed)
        names.push_back(ComPortName(listed));
    if (com > kListedComPorts)
        names.push_back(ComPortName(com));
    return names;
}

int IndexOfText(const TListControl& list, std::string_view text) {
    for (int i = 0; i < list.ItemCount(); ++i)
        if (AnsiSameText(list.Item(i), text))
            return i;
    return -1;
}

} // namespace

TSerialSettingsForm::TSerialSettingsForm(TComponent* owner, TSettings& settings,
                                         ISerialDialogHost& host, std::string languageFile)
    : TForm(owner, "SerialSettingsForm", TBorderStyle::Dialog), settings_(settings), host_(host),
      languageFile_(std::move(languageFile)) {
    SetCaption("Serial port");
    Position = TPosition::OwnerFormCenter;

    TAV_CREATE(PageCtrl, {.Parent = this});
    TAV_CREATE(SerialTab, {.Parent = PageCtrl, .Caption = "Serial port"});
    TAV_CREATE(ConfigGrpBx, {.Parent = SerialTab, .Caption = "Configuration"});
    TAV_CREATE(TypeLbl, {.Parent = ConfigGrpBx, .Caption = "Device type:"});
    TAV_CREATE(SerialTypeCoBx, {.Parent = ConfigGrpBx,
                                .Items = SerialDeviceTypes(),
                                .OnChange = Handler(&TSerialSettingsForm::SerialTypeCoBxChange)});
    TAV_CREATE(PortLbl, {.Parent = ConfigGrpBx, .Caption = "Port:"});
    TAV_CREATE(PortCoBx, {.Parent = ConfigGrpBx, .Items = ComPortNames(1)});
    TAV_CREATE(BFindUIR, {.Parent = ConfigGrpBx,
                          .Caption = "Find",
                          .OnClick = Handler(&TSerialSettingsForm::BFindUIRClick)});
    TAV_CREATE(SpeedLbl, {.Parent = ConfigGrpBx, .Caption = "Speed:"});
    TAV_CREATE(SpeedCoBx, {.Parent = ConfigGrpBx,
                           .Items = {"110", "300", "600", "1200", "2400", "4800", "9600", "14400",
                                     "19200", "38400", "56000", "57600", "115200"}});
    TAV_CREATE(ParityLbl, {.Parent = ConfigGrpBx, .Caption = "Parity:"});
    TAV_CREATE(ParityCoBx,
               {.Parent = ConfigGrpBx, .Items = {"None", "Odd", "Even", "Mark", "Space"}});
    TAV_CREATE(DataBitsLbl, {.Parent = ConfigGrpBx, .Caption = "Data bits:"});
    TAV_CREATE(DataBitsCoBx, {.Parent = ConfigGrpBx, .Items = {"5", "6", "7", "8"}});
    TAV_CREATE(StopBitsLbl, {.Parent = ConfigGrpBx, .Caption = "Stop bits:"});
    TAV_CREATE(StopBitsCoBx, {.Parent = ConfigGrpBx, .Items = {"1", "1.5", "2"}});
    TAV_CREATE(DTRChBx, {.Parent = ConfigGrpBx, .Caption = "DTR:"});
    TAV_CREATE(RTSChBx, {.Parent = ConfigGrpBx, .Caption = "RTS:"});
    TAV_CREATE(InitStringLbl, {.Parent = ConfigGrpBx, .Caption = "Initialization string:"});
    TAV_CREATE(InitStringMemo, {.Parent = ConfigGrpBx, .Width = 121, .Height = 40});
    TAV_CREATE(AcceptBtn,
               {.Parent = this, .Caption = "Accept", .ModalResult = mrOk, .Default = true});
    TAV_CREATE(CancelBtn,
               {.Parent = this, .Caption = "Cancel", .ModalResult = mrCancel, .Cancel = true});
    // The serial port has no page of its own in the help file.
    TAV_CREATE(HelpBtn, {.Parent = this, .Caption = "&Help"});
    Lang = CreateFormLanguage(this, SerialSettingsFormTranslations);
    BFindUIR->Hide();

    OnShow = Handler(&TSerialSettingsForm::FormShow);
    OnClose = Handler(&TSerialSettingsForm::FormClose);
    SetLayout(Column({
        Pages(PageCtrl,
              {Page(SerialTab,
                    Group(ConfigGrpBx, Column({LabelRows({{TypeLbl, SerialTypeCoBx},
                                                          {PortLbl, Row({PortCoBx, BFindUIR})},
                                                          {SpeedLbl, SpeedCoBx},
                                                          {ParityLbl, ParityCoBx},
                                                          {DataBitsLbl, DataBitsCoBx},
                                                          {StopBitsLbl, StopBitsCoBx}}),
                                               Row({DTRChBx, RTSChBx}),
                                               LabelRows({{InitStringLbl, InitStringMemo}})})))}),
        Buttons({AcceptBtn, CancelBtn, HelpBtn}),
    }));
}

TSerialSettingsForm::~TSerialSettingsForm() {
    EndSearch();
}

void TSerialSettingsForm::FormShow(TObject*) {
    ShowInLanguage(*this, *Lang, languageFile_, direct::SerialSettingsFormCaption);
    const bool hasType = PortKind == kReceiverPortKind || PortKind == kConsolePortKind;
    TypeLbl->SetVisible(hasType);
    SerialTypeCoBx->SetVisible(hasType);
    if (hasType)
        SerialTypeCoBx->SetItemIndex(
            IndexOfText(*SerialTypeCoBx, settings_.Str(PortSettingsOf(PortKind).Type)));
    ShowPortValues();
}

void TSerialSettingsForm::FormClose(TObject*, TCloseAction&) {
    EndSearch();
}

void TSerialSettingsForm::ShowPortValues() {
    const TSerialChoice shown = StoredSerialChoice(settings_, PortSettingsOf(PortKind));
    SelectPort(shown.Line.ComNumber);
    SpeedCoBx->SetItemIndex(shown.Line.Speed);
    ParityCoBx->SetItemIndex(shown.Line.Parity);
    DataBitsCoBx->SetItemIndex(shown.Line.DataBits);
    StopBitsCoBx->SetItemIndex(shown.Line.StopBits);
    DTRChBx->SetChecked(shown.Dtr);
    RTSChBx->SetChecked(shown.Rts);
    InitStringMemo->SetText(shown.InitString);
    BFindUIR->SetVisible(PortKind == kReceiverPortKind &&
                         SerialTypeCoBx->Text().find("UIR") != std::string::npos);
    const TDeviceModes& modes = host_.DeviceModes();
    const std::int32_t mode = PortKind == kReceiverPortKind  ? modes.Receiver
                              : PortKind == kConsolePortKind ? modes.Console
                                                             : kModeGeneric;
    // A device with line settings of its own leaves nothing to choose.
    ShowLineSettings(mode == kModeGeneric);
}

void TSerialSettingsForm::ShowLineSettings(bool shown) {
    for (TControl* c : std::initializer_list<TControl*>{SpeedLbl, SpeedCoBx, ParityLbl, ParityCoBx,
                                                        DataBitsLbl, DataBitsCoBx, StopBitsLbl,
                                                        StopBitsCoBx, DTRChBx, RTSChBx})
        c->SetVisible(shown);
    // The output port sends no init string.
    const bool initString = shown && PortKind != kOutputPortKind;
    InitStringLbl->SetVisible(initString);
    InitStringMemo->SetVisible(initString);
}

// The presets are stored at once, whatever the dialog's answer; the port chosen in the dialog
// is no preset and stays chosen.
void TSerialSettingsForm::SerialTypeCoBxChange(TObject*) {
    if (PortKind != kReceiverPortKind && PortKind != kConsolePortKind)
        return;
    const std::string name = SerialTypeCoBx->Text();
    const std::int32_t port = Chosen().Line.ComNumber;
    settings_.SetStr(PortSettingsOf(PortKind).Type, name);
    host_.ApplyDeviceDefaults(DeviceRowOf(name), PortKind);
    ShowPortValues();
    SelectPort(port);
}

// The search reports through its own boxes; the port the user takes is shown here, so that
// Accept keeps it.
void TSerialSettingsForm::BFindUIRClick(TObject*) {
    searching_ = true;
    host_.FindReceiver([this](std::int32_t com) { SelectPort(com); });
}

void TSerialSettingsForm::EndSearch() {
    if (!searching_)
        return;
    searching_ = false;
    host_.EndReceiverSearch();
}

// A port that the list of eight does not hold is listed as well, so that Accept keeps it.
void TSerialSettingsForm::SelectPort(std::int32_t com) {
    const StringList names = ComPortNames(com);
    if (PortCoBx->Items() != names)
        PortCoBx->SetItems(names);
    PortCoBx->SetItemIndex(PortCoBx->IndexOf(ComPortName(com)));
}

TSerialChoice TSerialSettingsForm::Chosen() const {
    const int port = PortCoBx->ItemIndex();
    const std::int32_t com = port < 0 ? 0 : StrToIntDef(PortCoBx->Item(port).substr(3), 0);
    return {{com, SpeedCoBx->ItemIndex(), ParityCoBx->ItemIndex(), DataBitsCoBx->ItemIndex(),
             StopBitsCoBx->ItemIndex()},
            DTRChBx->Checked(),
            RTSChBx->Checked(),
            InitStringMemo->Text()};
}

} // namespace tav
