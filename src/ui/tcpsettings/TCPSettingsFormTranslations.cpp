// The translation table of the TCP/IP properties dialog. Language files use these keys and texts:
// keep them exactly as they are.
// The pass reads its lines under "TCPIPForm", but the dialog reads its caption under
// "TCPSettingsForm"; the dialog has no list values, so its separator stays empty.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view TCPSettingsFormCaption = "TCPSettingsForm.Caption";
} // namespace direct

namespace msg {
constexpr std::string_view AddressPartRange =
    "Each part of an address is a number from 0 to 255, or nothing.";
} // namespace msg

namespace {

constexpr std::string_view kProperties[] = {
    "TCPIPForm.Caption",
    "TCPIPForm.ClientChBx.Caption",
    "TCPIPForm.ClientHostLbl.Caption",
    "TCPIPForm.ClientPortLbl.Caption",
    "TCPIPForm.ServerChBx.Caption",
    "TCPIPForm.ServerPortLbl.Caption",
    "TCPIPForm.IPLbl.Caption",
    "TCPIPForm.FilterLbl.Caption",
    "TCPIPForm.AcceptBtn.Caption",
    "TCPIPForm.CancelBtn.Caption",
    "TCPIPForm.HelpBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {direct::TCPSettingsFormCaption};

constexpr std::string_view kMessages[] = {msg::AddressPartRange};

} // namespace

constexpr TFormTranslations TCPSettingsFormTranslations{"TCPIPForm", "", kProperties, kDirectKeys,
                                                        kMessages};

} // namespace tav
