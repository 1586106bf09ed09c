// The translation table of the password and text input dialog. Language files use these keys and
// texts: keep them exactly as they are. The prompt is read only in password mode.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view PasswordDlgCaption = "PasswordDlg.Caption";
constexpr std::string_view PasswordDlgPromptCaption = "PasswordDlg.EnterPasswordLbl.Caption";
} // namespace direct

namespace {

constexpr std::string_view kProperties[] = {
    "PasswordDlg.OkBtn.Caption",
    "PasswordDlg.CancelBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {direct::PasswordDlgCaption,
                                            direct::PasswordDlgPromptCaption};

} // namespace

constexpr TFormTranslations InputDlgTranslations{"PasswordDlg", ",", kProperties, kDirectKeys, {}};

} // namespace tav
