// The translation table of the layout properties dialog. Language files use these keys and texts:
// keep them exactly as they are.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view LayoutPropFormCaption = "LayoutPropForm.Caption";
} // namespace direct

namespace {

constexpr std::string_view kProperties[] = {
    "LayoutPropForm.LayoutNameLbl.Caption", "LayoutPropForm.WinTitleLbl.Caption",
    "LayoutPropForm.ClassNameLbl.Caption",  "LayoutPropForm.AcceptBtn.Caption",
    "LayoutPropForm.CancelBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {direct::LayoutPropFormCaption};

// The main window's text, which this dialog tells in its own language too.
const std::string_view kMessages[] = {msg::EmptyName};

} // namespace

constexpr TFormTranslations LayoutPropFormTranslations{"LayoutPropForm", ",", kProperties,
                                                       kDirectKeys, kMessages};

} // namespace tav
