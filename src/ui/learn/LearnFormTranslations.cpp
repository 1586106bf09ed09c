// The translation table of the learning dialog. Language files use these keys and texts:
// keep them exactly as they are.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view LearnFormCaption = "LearnForm.Caption";
} // namespace direct

namespace {

constexpr std::string_view kProperties[] = {
    "LearnForm.Caption",
    "LearnForm.InstructionsLbl.Caption",
    "LearnForm.IncomingGrpBx.Caption",
    "LearnForm.ProgressGrpBx.Caption",
    "LearnForm.RestartBtn.Caption",
    "LearnForm.AcceptBtn.Caption",
    "LearnForm.CancelBtn.Caption",
    "LearnForm.HelpBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {direct::LearnFormCaption};

} // namespace

constexpr TFormTranslations LearnFormTranslations{"LearnForm", ",", kProperties, kDirectKeys, {}};

} // namespace tav
