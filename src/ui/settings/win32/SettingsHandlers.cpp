// What the settings dialog's controls store, and what else each change does.

#include "engine/network/IpAddress.h"
#include "framework/Text.h"
#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"
#include "ui/lang/LanguageFolder.h"
#include "ui/osd/OsdText.h"
#include "ui/password/SettingsProtection.h"
#include "ui/password/win32/Password.h"
#include "ui/serialsettings/win32/SerialSettingsForm.h"
#include "ui/settings/win32/SettingsForm.h"
#include "ui/tcpsettings/win32/TCPSettingsForm.h"

#include <cstdlib>
#include <memory>

namespace tav {

namespace {

constexpr const char* kLogFilter = "Log files (*.log)|*.log|All files (*.*)|*.*";

} // namespace

void TSettingsForm::SettingChBxClick(TObject* sender) {
    UpdateControls();
    if (const TBoxSetting* box = BoxIn(OptionBoxes(), sender); box && !showing_)
        settings_.SetBool(box->Name, (this->*box->Box)->Checked());
}

void TSettingsForm::OriginChBxClick(TObject* sender) {
    UpdateControls();
    const TBoxSetting* box = BoxIn(OriginBoxes(), sender);
    if (box == nullptr || showing_)
        return;
    settings_.SetBool(box->Name, (this->*box->Box)->Checked());
    host_.StopOrigins();
}

// The release of any mouse button over a checked box offers the presets; the space bar checks
// the box and asks nothing.
void TSettingsForm::KeyboardChBxMouseUp(TObject* sender, TMouseButton, TShiftState, int, int) {
    if (sender == KeyboardChBx && KeyboardChBx->Checked())
        OfferDefaults(KeyboardChBx, "Multimedia Keyboard");
    else if (sender == AverChBx && AverChBx->Checked())
        OfferDefaults(AverChBx, "AVerMedia");
}

void TSettingsForm::OfferDefaults(TCheckBox* box, std::string_view deviceType) {
    const std::string question =
        Message(msg::ApplyDefaultSettingsFor) + " " + StripMenuCaption(box->Caption()) + "?";
    if (ShowMessageBox(question, "Tavrilo", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    host_.ApplyDeviceDefaults(DeviceRowOf(deviceType), kReceiverPortKind);
    ShowSettings();
}

void TSettingsForm::LaunchChBxClick(TObject*) {
    if (showing_)
        return;
    const bool launch = LaunchChBx->Checked();
    // Without the place that holds the entry nothing is written.
    if (host_.SetLaunchAtLogon(launch))
        settings_.SetBool("Launch on startup", launch);
}

void TSettingsForm::PasswordBtnClick(TObject*) {
    auto dialog = std::make_unique<TInputDlg>(nullptr, LanguageFile(), TInputMode::Password);
    dialog->PasswordEdBx->SetText("");
    if (dialog->ShowModal() == mrOk)
        settings_.SetStr("Restore", EncipherRestorePassword(dialog->PasswordEdBx->Text()));
    dialog.reset();
    Application().ProcessMessages();
}

void TSettingsForm::LogFileChBxClick(TObject*) {
    UpdateControls();
    if (showing_)
        return;
    if (LogFileChBx->Checked()) {
        LogFileEdBxChange(LogFileEdBx);
        return;
    }
    // The edit keeps the name for when the box is checked again.
    settings_.SetStr("Log file", "");
    host_.SetLogEnabled(false);
}

void TSettingsForm::LogFileEdBxChange(TObject*) {
    if (showing_)
        return;
    if (LogFileChBx->Checked())
        settings_.SetStr("Log file", LogFileEdBx->Text());
    host_.SetLogEnabled(!settings_.Str("Log file").empty());
}

void TSettingsForm::BrowseLogBtnClick(TObject*) {
    if (const auto file = OpenFileDialog({{}, kLogFilter, "log", {}, LogFileEdBx->Text()}))
        LogFileEdBx->SetText(*file);
}

// Only a language whose file is there is taken: the program's forms, then this dialog, then
// the setting.
void TSettingsForm::LangCoBxClick(TObject*) {
    const int chosen = LangCoBx->ItemIndex();
    if (chosen < 0)
        return;
    const std::string name = LangCoBx->Item(chosen);
    const TLanguageFolder folder(places_.ProgramFolder);
    if (!folder.HasFile(name))
        return;
    const std::string file = folder.FileOf(name);
    host_.LanguageChosen(file);
    Lang->SetLanguageFile(file);
    ApplyDirectTexts(file);
    settings_.SetStr("Language", name);
}

void TSettingsForm::AverWndBtnClick(TObject*) {
    std::string title = settings_.Str("AVerMedia window");
    InputQueryDlg("AVerMedia remote", "Title of window:", title, LanguageFile());
    settings_.SetStr("AVerMedia window", title);
}

void TSettingsForm::SerialPropertiesBtnClick(TObject*) {
    EditSerialPort(kReceiverPortKind);
}

void TSettingsForm::SerialConsolePropertiesBtnClick(TObject*) {
    EditSerialPort(kConsolePortKind);
}

// The dialog stores the device type's presets itself; the port's other values are taken over
// on Accept. The presets may have changed the recognition numbers shown here.
void TSettingsForm::EditSerialPort(int portKind) {
    auto dialog = std::make_unique<TSerialSettingsForm>(nullptr, settings_, host_, LanguageFile());
    dialog->PortKind = portKind;
    // The console's device type is the receiver's choice alone.
    if (portKind == kConsolePortKind)
        dialog->SerialTypeCoBx->SetEnabled(false);
    if (dialog->ShowModal() == mrOk) {
        host_.StopOrigins();
        StoreSerialChoice(settings_, PortSettingsOf(portKind), dialog->Chosen());
        host_.ApplyDeviceDefaults(-1, portKind);
    }
    dialog.reset();
    Application().ProcessMessages();
    ShowSettings();
}

void TSettingsForm::TCPIPPropertiesBtnClick(TObject*) {
    auto dialog = std::make_unique<TTCPSettingsForm>(nullptr, settings_, LanguageFile());
    if (dialog->ShowModal() == mrOk) {
        host_.StopOrigins();
        settings_.SetInt("TCP/IP client port", dialog->ClientPortUpDwn->Position());
        settings_.SetStr("TCP/IP client host", dialog->ClientHostEdBx->Text());
        settings_.SetInt("TCP/IP server port", dialog->ServerPortUpDwn->Position());
        // An address that does not convert would leave the server nothing to compare with.
        for (const auto& [name, text] : {std::pair{"TCP/IP server IP", dialog->ServerIP()},
                                         std::pair{"TCP/IP server filter", dialog->ServerFilter()}})
            if (IPToInt(text))
                settings_.SetStr(name, text);
    }
    dialog.reset();
    Application().ProcessMessages();
}

// The up-down's position is the number in range that the edit's text stands for; the edit shows
// it once it loses the focus.
void TSettingsForm::UpDownEdBxChange(TObject* sender) {
    const TNumberSetting* number = NumberOf(sender);
    if (number == nullptr)
        return;
    const int position = (this->*number->UpDown)->Position();
    if (number->Name == "Recognition time out")
        host_.SetTimeOutInterval(static_cast<unsigned>(position));
    if (!showing_)
        settings_.SetInt(number->Name, position);
}

void TSettingsForm::SkipFirstEdBxKeyPress(TObject*, char& key) {
    if (key != '\b' && (key < '0' || key > '9'))
        key = 0;
}

void TSettingsForm::BackgroundCoBxClick(TObject*) {
    settings_.SetInt("OSD background", BackgroundCoBx->ItemIndex());
}

// The display takes the font and its colour at its next show.
void TSettingsForm::TextFontBtnClick(TObject*) {
    const TOsdStyle style = ReadOsdStyle(settings_);
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    TFontDialogData data;
    data.Font.lfHeight = -MulDiv(style.Font.Size, pixelsPerInch, 72);
    data.Font.lfWeight = style.Font.Bold ? FW_BOLD : FW_NORMAL;
    data.Font.lfItalic = style.Font.Italic;
    data.Font.lfUnderline = style.Font.Underline;
    data.Font.lfStrikeOut = style.Font.StrikeOut;
    data.Font.lfCharSet = DEFAULT_CHARSET;
    style.Font.Name.copy(data.Font.lfFaceName, LF_FACESIZE - 1);
    data.Color = style.Color;
    if (!ChooseFontDialog(data))
        return;
    TOsdFont font;
    font.Name = data.Font.lfFaceName;
    font.Size = MulDiv(std::abs(data.Font.lfHeight), 72, pixelsPerInch);
    font.Bold = data.Font.lfWeight >= FW_BOLD;
    font.Italic = data.Font.lfItalic != 0;
    font.Underline = data.Font.lfUnderline != 0;
    font.StrikeOut = data.Font.lfStrikeOut != 0;
    StoreOsdFont(settings_, font, data.Color);
}

void TSettingsForm::CommandsDataCoBxClick(TObject*) {
    settings_.SetInt("DDE data", CommandsDataCoBx->ItemIndex());
}

void TSettingsForm::CopyDDELinkInfoBtnClick(TObject*) {
    host_.CopyDdeLink();
}

// A new info port stops both info sockets; the opener starts the chosen one again once the
// dialog has closed.
void TSettingsForm::TCPServerPortEdBxChange(TObject*) {
    if (showing_)
        return;
    const int port = TCPServerPortUpDwn->Position();
    host_.StopInfoSockets(port);
    settings_.SetInt("TCP/IP info port", port);
}

void TSettingsForm::TCPInfoServerRBtnClick(TObject*) {
    if (!showing_ && TCPInfoServerRBtn->Checked())
        settings_.SetInt("TCP/IP info type", 0);
}

void TSettingsForm::TCPInfoClientRBtnClick(TObject*) {
    if (!showing_ && TCPInfoClientRBtn->Checked())
        settings_.SetInt("TCP/IP info type", 1);
}

} // namespace tav
