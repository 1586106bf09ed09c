// The translation table of the settings dialog. Language files use these keys and texts:
// keep them exactly as they are.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view SettingsFormCaption = "SettingsForm.Caption";
constexpr std::string_view SettingsFormSoundsColumn0Caption =
    "SettingsForm.SoundsList.Columns[0].Caption";
constexpr std::string_view SettingsFormSoundsColumn1Caption =
    "SettingsForm.SoundsList.Columns[1].Caption";
} // namespace direct

namespace msg {
constexpr std::string_view ApplyDefaultSettingsFor =
    "Do you want to apply the default settings for";
constexpr std::string_view DeleteSoundQuestion =
    "Are you sure you want to delete the sound from the list?";
constexpr std::string_view Confirmation = "Confirmation";
constexpr std::string_view SoundNeedsName = "A sound needs a name.";
} // namespace msg

namespace {

constexpr std::string_view kProperties[] = {
    "SettingsForm.Caption",
    "SettingsForm.GeneralTab.Caption",
    "SettingsForm.OptionsGrpBx.Caption",
    "SettingsForm.LaunchChBx.Caption",
    "SettingsForm.LoadChBx.Caption",
    "SettingsForm.PasswordBtn.Caption",
    "SettingsForm.PlaySndsChBx.Caption",
    "SettingsForm.MultipleChBx.Caption",
    "SettingsForm.AdvancedKeyPressChBx.Caption",
    "SettingsForm.LogFileChBx.Caption",
    "SettingsForm.BrowseLogBtn.Caption",
    "SettingsForm.LanguageLbl.Caption",
    "SettingsForm.OriginTab.Caption",
    "SettingsForm.DevicesGrpBx.Caption",
    "SettingsForm.SerialBasedChBx.Caption",
    "SettingsForm.SerialPropertiesBtn.Caption",
    "SettingsForm.SerialConsoleChBx.Caption",
    "SettingsForm.SerialConsolePropertiesBtn.Caption",
    "SettingsForm.KeyboardChBx.Caption",
    "SettingsForm.TCPIPChBx.Caption",
    "SettingsForm.TCPIPPropertiesBtn.Caption",
    "SettingsForm.UIRServerChBx.Caption",
    "SettingsForm.AverChBx.Caption",
    "SettingsForm.AverWndBtn.Caption",
    "SettingsForm.BestBuyChBx.Caption",
    "SettingsForm.CreativeiNFRAChBx.Caption",
    "SettingsForm.SerialTab.Caption",
    "SettingsForm.ConfigGrpBx.Caption",
    "SettingsForm.PortLbl.Caption",
    "SettingsForm.RecognitionTab.Caption",
    "SettingsForm.DataSequencesGrpBx.Caption",
    "SettingsForm.SkipFirstLbl.Caption",
    "SettingsForm.ToleranceLbl.Caption",
    "SettingsForm.LongLimitLbl.Caption",
    "SettingsForm.ValueSizeLbl.Caption",
    "SettingsForm.TimeOutLbl.Caption",
    "SettingsForm.EspecialBehaviourGrpBx.Caption",
    "SettingsForm.SameLengthChBx.Caption",
    "SettingsForm.BinaryChBx.Caption",
    "SettingsForm.SoundsTab.Caption",
    "SettingsForm.CommSoundsGrpBx.Caption",
    "SettingsForm.NewSoundBtn.Caption",
    "SettingsForm.ExternalFileRBtn.Caption",
    "SettingsForm.WinSoundsRBtn.Caption",
    "SettingsForm.DeleteMenu.Caption",
    "SettingsForm.SoundsList.Columns[0].Caption",
    "SettingsForm.SoundsList.Columns[1].Caption",
    "SettingsForm.OSDTab.Caption",
    "SettingsForm.OSDGrpBx.Caption",
    "SettingsForm.RemoteChBx.Caption",
    "SettingsForm.CommandChBx.Caption",
    "SettingsForm.ActionChBx.Caption",
    "SettingsForm.StyleGrpBx.Caption",
    "SettingsForm.BackgroundColorLbl.Caption",
    "SettingsForm.BackgroundCoBx.Items",
    "SettingsForm.ShowTimeLbl.Caption",
    "SettingsForm.TextFontBtn.Caption",
    "SettingsForm.RepaintChBx.Caption",
    "SettingsForm.DDETCPTab.Caption",
    "SettingsForm.DDEGrpBx.Caption",
    "SettingsForm.RemoteNameChBx.Caption",
    "SettingsForm.CommandNameChBx.Caption",
    "SettingsForm.CommandsDataChBx.Caption",
    "SettingsForm.CommandsDataCoBx.Items",
    "SettingsForm.ActionDescriptionChBx.Caption",
    "SettingsForm.CopyDDELinkInfoBtn.Caption",
    "SettingsForm.TCPIPGrpBx.Caption",
    "SettingsForm.TCPRemoteNameChBx.Caption",
    "SettingsForm.TCPCommandNameChBx.Caption",
    "SettingsForm.TCPCommandsDataChBx.Caption",
    "SettingsForm.TCPActionDescriptionChBx.Caption",
    "SettingsForm.TCPInfoPortLbl.Caption",
    "SettingsForm.TCPInfoServerRBtn.Caption",
    "SettingsForm.TCPInfoClientRBtn.Caption",
    "SettingsForm.AcceptBtn.Caption",
    "SettingsForm.HelpBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {direct::SettingsFormCaption,
                                            direct::SettingsFormSoundsColumn0Caption,
                                            direct::SettingsFormSoundsColumn1Caption};

constexpr std::string_view kMessages[] = {msg::ApplyDefaultSettingsFor, msg::DeleteSoundQuestion,
                                          msg::Confirmation, msg::SoundNeedsName};

} // namespace

constexpr TFormTranslations SettingsFormTranslations{"SettingsForm", ",", kProperties, kDirectKeys,
                                                     kMessages};

} // namespace tav
