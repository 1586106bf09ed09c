// The translation table of the action editor. Language files use these keys and texts:
// keep them exactly as they are.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view ActionFormCaption = "ActionForm.Caption";
} // namespace direct

namespace msg {
constexpr std::string_view UserMessagesCut =
    "The user message list is too long; only its first lines are offered: ";
} // namespace msg

namespace {

constexpr std::string_view kProperties[] = {
    "ActionForm.Caption",
    "ActionForm.ActionTypeLbl.Caption",
    "ActionForm.ActionTypeCoBx.Items",
    "ActionForm.DetailsGrpBx.Caption",
    "ActionForm.SystemKeyRBtn.Caption",
    "ActionForm.ParticularKeyRBtn.Caption",
    "ActionForm.ModifyiersGrpBx.Caption",
    "ActionForm.AltKeyChBx.Caption",
    "ActionForm.CtrlKeyChBx.Caption",
    "ActionForm.ShiftKeyChBx.Caption",
    "ActionForm.ClickRBtn.Caption",
    "ActionForm.ClickTypeCoBx.Items",
    "ActionForm.DoubleClickChBtn.Caption",
    "ActionForm.RelativeMoveRBtn.Caption",
    "ActionForm.RelativeMoveCoBx.Items",
    "ActionForm.AccelerationLbl.Caption",
    "ActionForm.MaxLbl.Caption",
    "ActionForm.AbsoluteMoveRBtn.Caption",
    "ActionForm.ExeNameLbl.Caption",
    "ActionForm.ParamsLbl.Caption",
    "ActionForm.EnterSuspendModeChBx.Caption",
    "ActionForm.TryFirstChBx.Caption",
    "ActionForm.WinMsgRBtn.Caption",
    "ActionForm.UserMsgRBtn.Caption",
    "ActionForm.ParamsGrpBx.Caption",
    "ActionForm.wParamLbl.Caption",
    "ActionForm.lParamLbl.Caption",
    "ActionForm.MixerLbl.Caption",
    "ActionForm.DestLbl.Caption",
    "ActionForm.MixerLineLbl.Caption",
    "ActionForm.VolumeRBtn.Caption",
    "ActionForm.VolumeCoBx.Items",
    "ActionForm.IncrementLbl.Caption",
    "ActionForm.MaxIncrementLbl.Caption",
    "ActionForm.MuteRBtn.Caption",
    "ActionForm.ShutDownRBtn.Caption",
    "ActionForm.ShutDownCoBx.Items",
    "ActionForm.WindowStateRBtn.Caption",
    "ActionForm.WindowStateCoBx.Items",
    "ActionForm.OSDRBtn.Caption",
    "ActionForm.OSDCoBx.Items",
    "ActionForm.OptionsGrpBx.Caption",
    "ActionForm.DelayTimeLbl.Caption",
    "ActionForm.DestinationWndLbl.Caption",
    "ActionForm.KeepActiveChBx.Caption",
    "ActionForm.AcceptBtn.Caption",
    "ActionForm.CancelBtn.Caption",
    "ActionForm.HelpBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {direct::ActionFormCaption};

constexpr std::string_view kMessages[] = {msg::UserMessagesCut};

} // namespace

constexpr TFormTranslations ActionFormTranslations{"ActionForm", ",", kProperties, kDirectKeys,
                                                   kMessages};

} // namespace tav
