// The translation table of the layouts dialog. Language files use these keys and texts:
// keep them exactly as they are.

#include "ui/lang/FormTranslations.h"

namespace tav {

namespace direct {
constexpr std::string_view LayoutsFormCaption = "LayoutsForm.Caption";
constexpr std::string_view LayoutsFormColumn0Caption = "LayoutsForm.LayoutList.Columns[0].Caption";
constexpr std::string_view LayoutsFormColumn1Caption = "LayoutsForm.LayoutList.Columns[1].Caption";
constexpr std::string_view LayoutsFormColumn2Caption = "LayoutsForm.LayoutList.Columns[2].Caption";
} // namespace direct

namespace msg {
constexpr std::string_view DeleteLayoutQuestion = "Are you sure you want to delete the layout '";
constexpr std::string_view DeleteLayoutQuestionEnd = "' and all its actions?";
constexpr std::string_view DeleteLayout = "Delete layout";
} // namespace msg

namespace {

constexpr std::string_view kProperties[] = {
    "LayoutsForm.NewLayoutBtn.Caption",  "LayoutsForm.DeleteLayoutBtn.Caption",
    "LayoutsForm.PropLayoutBtn.Caption", "LayoutsForm.RunningAppsGrpBx.Caption",
    "LayoutsForm.ShowAllChBx.Caption",   "LayoutsForm.AddBtn.Caption",
    "LayoutsForm.AcceptBtn.Caption",     "LayoutsForm.CancelBtn.Caption",
    "LayoutsForm.HelpBtn.Caption",
};

constexpr std::string_view kDirectKeys[] = {
    direct::LayoutsFormCaption, direct::LayoutsFormColumn0Caption,
    direct::LayoutsFormColumn1Caption, direct::LayoutsFormColumn2Caption};

// The last is the main window's text, which this dialog tells in its own language too.
const std::string_view kMessages[] = {msg::DeleteLayoutQuestion, msg::DeleteLayoutQuestionEnd,
                                      msg::DeleteLayout, msg::EmptyName};

} // namespace

constexpr TFormTranslations LayoutsFormTranslations{"LayoutsForm", ",", kProperties, kDirectKeys,
                                                    kMessages};

} // namespace tav
