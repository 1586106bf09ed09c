#include "framework/win32/Seams.h"

#include "HandOverSupportTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace tav;
using tav::test::ChildOfClass;
using tav::test::TDialogDriver;
using tav::test::TextOf;

namespace {

// No test may stop for a person: for the whole test program every seam answers "cancel" and
// fails the test that forgot to script it. Tests of the Windows defaults call Default().
class TUnscriptedSeams : public ::testing::Environment {
public:
    void SetUp() override {
        MessageBoxSeam().Replace([](const std::string& text, const std::string&, UINT) {
            ADD_FAILURE() << "unscripted message box: " << text;
            return IDCANCEL;
        });
        InputQuerySeam().Replace([](const std::string& caption, const std::string&, std::string&) {
            ADD_FAILURE() << "unscripted input prompt: " << caption;
            return false;
        });
        const auto refuseFile = [](const TFileDialogRequest& request) {
            ADD_FAILURE() << "unscripted file dialog: " << request.Title;
            return std::optional<std::string>();
        };
        OpenFileDialogSeam().Replace(refuseFile);
        SaveFileDialogSeam().Replace(refuseFile);
        FontDialogSeam().Replace([](TFontDialogData&) {
            ADD_FAILURE() << "unscripted font dialog";
            return false;
        });
        ShellExecuteSeam().Replace([](const TShellExecuteRequest& request) {
            ADD_FAILURE() << "unscripted shell execution: " << request.File;
            return TShellExecuteResult{false, ERROR_ACCESS_DENIED};
        });
    }
};
[[maybe_unused]] ::testing::Environment* const unscriptedSeams =
    ::testing::AddGlobalTestEnvironment(new TUnscriptedSeams);

} // namespace

TEST(Seams, AScopeReplacesASeamAndPutsBackWhatWasThere) {
    std::string outer, inner;
    {
        TSeamScope first(MessageBoxSeam(), [&](const std::string& text, const std::string&, UINT) {
            outer = text;
            return IDYES;
        });
        {
            TSeamScope second(MessageBoxSeam(),
                              [&](const std::string& text, const std::string&, UINT) {
                                  inner = text;
                                  return IDNO;
                              });
            EXPECT_EQ(ShowMessageBox("Save changes?", "Tavrilo", MB_YESNO), IDNO);
        }
        EXPECT_EQ(ShowMessageBox("Delete remote?", "Tavrilo", MB_YESNO), IDYES);
    }
    EXPECT_EQ(inner, "Save changes?");
    EXPECT_EQ(outer, "Delete remote?");
}

TEST(Seams, ScriptedDialogsAnswerThroughTheCallersFunctions) {
    TSeamScope query(InputQuerySeam(),
                     [](const std::string& caption, const std::string& prompt, std::string& value) {
                         EXPECT_EQ(caption, "New remote");
                         EXPECT_EQ(prompt, "Remote name:");
                         value = "TV " + value;
                         return true;
                     });
    TFileDialogRequest seen;
    TSeamScope open(OpenFileDialogSeam(), [&](const TFileDialogRequest& request) {
        seen = request;
        return std::optional<std::string>("C:\\conf\\living.tvr");
    });
    TSeamScope save(SaveFileDialogSeam(),
                    [](const TFileDialogRequest&) { return std::optional<std::string>(); });
    TSeamScope font(FontDialogSeam(), [](TFontDialogData& data) {
        data.Color = 0x00FF00;
        data.Font.lfItalic = TRUE;
        return true;
    });
    TSeamScope shell(ShellExecuteSeam(), [](const TShellExecuteRequest& request) {
        return TShellExecuteResult{request.Verb == "open", 0};
    });

    std::string name = "Remote";
    EXPECT_TRUE(InputQuery("New remote", "Remote name:", name));
    EXPECT_EQ(name, "TV Remote");

    TFileDialogRequest request;
    request.Filter = "Tavrilo files (*.tvr)|*.tvr|All files (*.*)|*.*";
    request.DefaultExt = "tvr";
    EXPECT_EQ(OpenFileDialog(request).value_or(""), "C:\\conf\\living.tvr");
    EXPECT_EQ(seen.DefaultExt, "tvr");
    EXPECT_FALSE(SaveFileDialog(request).has_value());

    TFontDialogData data;
    EXPECT_TRUE(ChooseFontDialog(data));
    EXPECT_EQ(data.Color, 0x00FF00u);
    EXPECT_TRUE(data.Font.lfItalic);

    EXPECT_TRUE(ExecuteShell({"open", "http://example.invalid", "", "", SW_SHOW}).Success);
}

TEST(Seams, FileDialogFilterUsesNullSeparators) {
    const std::string f = FileDialogFilter("Wave table (*.wav)|*.wav|All files (*.*)|*.*");
    static const char wanted[] = "Wave table (*.wav)\0*.wav\0All files (*.*)\0*.*\0\0";
    const std::string expected(wanted, sizeof wanted - 1);
    EXPECT_EQ(f, expected);
    EXPECT_EQ(FileDialogFilter(""), "");
}

namespace {
// Finds the prompt's static text, fills the edit and presses `button`.
bool Answer(HWND dialog, const std::string& typed, int button, std::string& shownCaption,
            std::string& shownPrompt, std::string& shownValue) {
    shownCaption = TextOf(dialog);
    shownPrompt = TextOf(ChildOfClass(dialog, "Static"));
    HWND edit = ChildOfClass(dialog, "Edit");
    shownValue = TextOf(edit);
    SetWindowTextA(edit, typed.c_str());
    PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
    return true;
}
} // namespace

TEST(Seams, DefaultInputPromptShowsItsTextsAndReturnsWhatWasTyped) {
    std::string caption, prompt, shown;
    TDialogDriver driver(
        [&](HWND dialog) { return Answer(dialog, "Se\xF1or TV", IDOK, caption, prompt, shown); });
    std::string value = "Caf\xE9";
    EXPECT_TRUE(InputQuerySeam().Default()("New remote", "Remote name:", value));
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(caption, "New remote");
    EXPECT_EQ(prompt, "Remote name:");
    EXPECT_EQ(shown, "Caf\xE9");
    EXPECT_EQ(value, "Se\xF1or TV");
}

TEST(Seams, DefaultInputPromptCancelledKeepsTheValue) {
    std::string caption, prompt, shown;
    TDialogDriver driver(
        [&](HWND dialog) { return Answer(dialog, "typed", IDCANCEL, caption, prompt, shown); });
    std::string value = "kept";
    EXPECT_FALSE(InputQuerySeam().Default()("Rename", "Enter new name:", value));
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(value, "kept");
}

TEST(Seams, DefaultShellExecutionReportsAFailedStart) {
    const TShellExecuteResult result = ShellExecuteSeam().Default()(
        {"open", "C:\\no such folder\\no such program.exe", "", "", SW_SHOWNORMAL});
    EXPECT_FALSE(result.Success);
    EXPECT_NE(result.Error, 0u);
}
