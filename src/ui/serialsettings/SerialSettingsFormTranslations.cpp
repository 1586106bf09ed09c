// The translation table of the serial-port properties dialog. Language files use these keys and
// texts: keep them exactly as they are.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view SerialSettingsFormCaption = "SerialSettingsForm.Caption";
} // namespace direct

namespace {

constexpr std::string_view kProperties[] = {
    "SerialSettingsForm.Caption",
    "SerialSettingsForm.SerialTab.Caption",
    "SerialSettingsForm.ConfigGrpBx.Caption",
    "SerialSettingsForm.TypeLbl.Caption",
    "SerialSettingsForm.PortLbl.Caption",
    "SerialSettingsForm.BFindUIR.Caption",
    "SerialSettingsForm.SpeedLbl.Caption",
    "SerialSettingsForm.ParityLbl.Caption",
    "SerialSettingsForm.DataBitsLbl.Caption",
    "SerialSettingsForm.StopBitsLbl.Caption",
    "SerialSettingsForm.InitStringLbl.Caption",
    "SerialSettingsForm.AcceptBtn.Caption",
    "SerialSettingsForm.CancelBtn.Caption",
    "SerialSettingsForm.HelpBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {direct::SerialSettingsFormCaption};

} // namespace

constexpr TFormTranslations SerialSettingsFormTranslations{
    "SerialSettingsForm", ",", kProperties, kDirectKeys, {}};

} // namespace tav
