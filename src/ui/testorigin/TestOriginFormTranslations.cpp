// The translation table of the origin test dialog. Language files use these keys and texts:
// keep them exactly as they are.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view TestOriginFormCaption = "TestOriginForm.Caption";
} // namespace direct

namespace {

constexpr std::string_view kProperties[] = {
    "TestOriginForm.Caption",
    "TestOriginForm.ShowDataFromLbl.Caption",
    "TestOriginForm.DataFormatLbl.Caption",
    "TestOriginForm.DataFormatCoBx.Items",
    "TestOriginForm.CloseBtn.Caption",
    "TestOriginForm.HelpBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {direct::TestOriginFormCaption};

} // namespace

constexpr TFormTranslations TestOriginFormTranslations{
    "TestOriginForm", ",", kProperties, kDirectKeys, {}};

} // namespace tav
