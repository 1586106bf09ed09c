#include "ui/tcpsettings/win32/TCPSettingsForm.h"

#include "engine/network/IpAddress.h"
#include "engine/network/SocketSettings.h"
#include "framework/Text.h"
#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"
#include "ui/lang/win32/DialogLanguage.h"

namespace tav {

namespace {

constexpr int kPortDigits = 5;
constexpr int kAddressDigits = 3;
constexpr int kAddressFieldWidth = 34;

std::string Joined(const std::array<TAlignEdit*, 4>& edits) {
    std::string text = edits[0]->Text();
    for (std::size_t i = 1; i < edits.size(); ++i) {
        text += '.';
        text += edits[i]->Text();
    }
    return text;
}

} // namespace

TTCPSettingsForm::TTCPSettingsForm(TComponent* owner, TSettings& settings, std::string languageFile)
    : TForm(owner, "TCPSettingsForm", TBorderStyle::Dialog), settings_(settings),
      languageFile_(std::move(languageFile)) {
    SetCaption("TCP/IP");
    Position = TPosition::OwnerFormCenter;

    TAV_CREATE(ClientChBx, {.Parent = this,
                            .Caption = "Client: connect to a server",
                            .OnClick = Handler(&TTCPSettingsForm::ClientChBxClick)});
    TAV_CREATE(ClientPortLbl, {.Parent = this, .Caption = "Port:"});
    TAV_CREATE(ClientPortEdBx, {.Parent = this});
    TAV_CREATE(ClientPortUpDwn, {.Parent = this, .Associate = ClientPortEdBx});
    TAV_CREATE(ClientHostLbl, {.Parent = this, .Caption = "Host address:"});
    TAV_CREATE(ClientHostEdBx, {.Parent = this});
    TAV_CREATE(ServerChBx, {.Parent = this,
                            .Caption = "Server: accept client connections",
                            .OnClick = Handler(&TTCPSettingsForm::ServerChBxClick)});
    TAV_CREATE(ServerPortLbl, {.Parent = this, .Caption = "Listen on port:"});
    TAV_CREATE(ServerPortEdBx, {.Parent = this});
    TAV_CREATE(ServerPortUpDwn, {.Parent = this, .Associate = ServerPortEdBx});
    TAV_CREATE(IPLbl, {.Parent = this, .Caption = "Accept from IP:"});
    TAV_CREATE(IPPanel, {.Parent = this});
    const auto onEnter = Handler(&TTCPSettingsForm::IP1EdBxEnter);
    TAV_CREATE(IP1EdBx, {.Parent = IPPanel, .Width = kAddressFieldWidth, .OnEnter = onEnter});
    TAV_CREATE(IP2EdBx, {.Parent = IPPanel, .Width = kAddressFieldWidth, .OnEnter = onEnter});
    TAV_CREATE(IP3EdBx, {.Parent = IPPanel, .Width = kAddressFieldWidth, .OnEnter = onEnter});
    TAV_CREATE(IP4EdBx, {.Parent = IPPanel, .Width = kAddressFieldWidth, .OnEnter = onEnter});
    TAV_CREATE(FilterLbl, {.Parent = this, .Caption = "Filter mask:"});
    TAV_CREATE(FilterPanel, {.Parent = this});
    TAV_CREATE(FilterIP1EdBx,
               {.Parent = FilterPanel, .Width = kAddressFieldWidth, .OnEnter = onEnter});
    TAV_CREATE(FilterIP2EdBx,
               {.Parent = FilterPanel, .Width = kAddressFieldWidth, .OnEnter = onEnter});
    TAV_CREATE(FilterIP3EdBx,
               {.Parent = FilterPanel, .Width = kAddressFieldWidth, .OnEnter = onEnter});
    TAV_CREATE(FilterIP4EdBx,
               {.Parent = FilterPanel, .Width = kAddressFieldWidth, .OnEnter = onEnter});
    TAV_CREATE(AcceptBtn, {.Parent = this,
                           .Caption = "Accept",
                           .Default = true,
                           .OnClick = Handler(&TTCPSettingsForm::AcceptBtnClick)});
    TAV_CREATE(CancelBtn,
               {.Parent = this, .Caption = "Cancel", .ModalResult = mrCancel, .Cancel = true});
    // The TCP/IP settings have no page of their own in the help file.
    TAV_CREATE(HelpBtn, {.Parent = this, .Caption = "&Help"});
    Lang = CreateFormLanguage(this, TCPSettingsFormTranslations);

    const auto keyFilter = Handler(&TTCPSettingsForm::ClientPortEdBxKeyPress);
    for (TEdit* port : {ClientPortEdBx, ServerPortEdBx}) {
        port->SetMaxLength(kPortDigits);
        port->OnKeyPress = keyFilter;
    }
    for (const TAddressEdits& edits : {AddressEdits(), FilterEdits()})
        for (TAlignEdit* field : edits) {
            field->SetMaxLength(kAddressDigits);
            field->OnKeyPress = keyFilter;
        }
    for (TPanel* panel : {IPPanel, FilterPanel})
        panel->SetBevelOuter(TBevel::None);
    for (TUpDown* upDown : {ClientPortUpDwn, ServerPortUpDwn})
        upDown->SetRange(0, 0xFFFF);

    // Loaded once: a box clicked later leaves what the user typed.
    ClientChBx->SetChecked(settings_.Bool("TCP/IP client enabled"));
    ServerChBx->SetChecked(settings_.Bool("TCP/IP server enabled"));
    ClientPortUpDwn->SetPosition(StoredPort(settings_, "TCP/IP client port"));
    ClientHostEdBx->SetText(settings_.Str("TCP/IP client host"));
    ServerPortUpDwn->SetPosition(StoredPort(settings_, "TCP/IP server port"));
    const auto address = StoredAddressParts(settings_, "TCP/IP server IP");
    const auto filter = StoredAddressParts(settings_, "TCP/IP server filter");
    for (std::size_t i = 0; i < address.size(); ++i) {
        AddressEdits()[i]->SetText(address[i]);
        FilterEdits()[i]->SetText(filter[i]);
    }

    OnShow = Handler(&TTCPSettingsForm::FormShow);
    SetLayout(Column({
        ClientChBx,
        LabelRows({{ClientPortLbl, Spin(ClientPortEdBx, ClientPortUpDwn)},
                   {ClientHostLbl, ClientHostEdBx}}),
        ServerChBx,
        LabelRows({{ServerPortLbl, Spin(ServerPortEdBx, ServerPortUpDwn)},
                   {IPLbl, AddressLayout(IPPanel, AddressEdits(), "IPDot")},
                   {FilterLbl, AddressLayout(FilterPanel, FilterEdits(), "FilterDot")}}),
        Buttons({AcceptBtn, CancelBtn, HelpBtn}),
    }));
    UpdateControls();
}

TBox TTCPSettingsForm::AddressLayout(TPanel* panel, const TAddressEdits& edits,
                                     const std::string& name) {
    std::vector<TBox> row{edits[0]};
    for (std::size_t i = 1; i < edits.size(); ++i) {
        TLabel* dot = nullptr;
        CreateComponent(dot, this, name + IntToStr(static_cast<std::int64_t>(i)),
                        {.Parent = panel, .Caption = "."});
        row.insert(row.end(), {dot, edits[i]});
    }
    return Panel(panel, Row(std::move(row), 2));
}

void TTCPSettingsForm::FormShow(TObject*) {
    ShowInLanguage(*this, *Lang, languageFile_, direct::TCPSettingsFormCaption);
}

void TTCPSettingsForm::UpdateControls() {
    const bool client = ClientChBx->Checked();
    for (TControl* c : std::initializer_list<TControl*>{
             ClientHostLbl, ClientHostEdBx, ClientPortLbl, ClientPortEdBx, ClientPortUpDwn})
        c->SetEnabled(client);
    const bool server = ServerChBx->Checked();
    for (TControl* c :
         std::initializer_list<TControl*>{ServerPortLbl, ServerPortEdBx, ServerPortUpDwn, IPLbl,
                                          IPPanel, FilterLbl, FilterPanel})
        c->SetEnabled(server);
    for (const TAddressEdits& edits : {AddressEdits(), FilterEdits()})
        for (TAlignEdit* field : edits)
            field->SetEnabled(server);
}

// The boxes are stored even when the dialog is then cancelled; the sockets follow them the next
// time the origins open.
void TTCPSettingsForm::ClientChBxClick(TObject*) {
    settings_.SetBool("TCP/IP client enabled", ClientChBx->Checked());
    UpdateControls();
}

void TTCPSettingsForm::ServerChBxClick(TObject*) {
    settings_.SetBool("TCP/IP server enabled", ServerChBx->Checked());
    UpdateControls();
}

void TTCPSettingsForm::IP1EdBxEnter(TObject* sender) {
    if (auto* field = dynamic_cast<TEdit*>(sender))
        field->SelectAll();
}

void TTCPSettingsForm::ClientPortEdBxKeyPress(TObject*, char& key) {
    if (key == '\b' || (key >= '0' && key <= '9'))
        return;
    if (key == '.')
        Perform(WM_NEXTDLGCTL, 0, 0);
    key = 0;
}

// An address part out of range would make the stored address useless to the server: the
// dialog stays open on that field.
void TTCPSettingsForm::AcceptBtnClick(TObject*) {
    if (TAlignEdit* wrong = WrongAddressField()) {
        ShowMessageBox(Lang->GetMessageText(msg::AddressPartRange), Caption(),
                       MB_OK | MB_ICONEXCLAMATION);
        FocusByKeyboard(wrong);
        return;
    }
    ModalResult = mrOk;
}

// The fields count only while the server is on: the user cannot reach them otherwise.
TAlignEdit* TTCPSettingsForm::WrongAddressField() const {
    if (!ServerChBx->Checked())
        return nullptr;
    for (const TAddressEdits& edits : {AddressEdits(), FilterEdits()})
        for (TAlignEdit* field : edits)
            if (!ValidAddressPart(field->Text()))
                return field;
    return nullptr;
}

std::string TTCPSettingsForm::ServerIP() const {
    return Joined(AddressEdits());
}

std::string TTCPSettingsForm::ServerFilter() const {
    return Joined(FilterEdits());
}

} // namespace tav
