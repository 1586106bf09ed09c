#include "ui/password/win32/Password.h"

#include "ui/lang/TempFolder.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

// Answers every modal form with `script` for the life of the scope.
struct ScriptedModal {
    explicit ScriptedModal(std::function<int(TInputDlg&)> script)
        : saved(std::exchange(TForm::ModalHook, [script](TForm& form) {
              return script(dynamic_cast<TInputDlg&>(form));
          })) {}
    ~ScriptedModal() { TForm::ModalHook = saved; }
    std::function<int(TForm&)> saved;
};

TEST(InputDlg, TheTextQueryShowsTheTextPlainAndReplacesItOnlyOnOk) {
    int answer = mrOk;
    std::string shown;
    ScriptedModal modal([&](TInputDlg& dialog) {
        shown = dialog.Caption() + "|" + dialog.EnterPasswordLbl->Caption() + "|" +
                dialog.PasswordEdBx->Text() + "|" + dialog.PasswordEdBx->PasswordChar();
        dialog.PasswordEdBx->SetText("Living room TV");
        return answer;
    });
    std::string name = "New remote";
    EXPECT_TRUE(InputQueryDlg("New remote", "Remote name:", name, ""));
    EXPECT_EQ(name, "Living room TV");
    EXPECT_EQ(shown, std::string("New remote|Remote name:|New remote|") + '\0');
    answer = mrCancel;
    name = "Kitchen";
    EXPECT_FALSE(InputQueryDlg("Rename", "Enter new name:", name, ""));
    EXPECT_EQ(name, "Kitchen");
}

TEST(InputDlg, OnlyThePasswordModeTakesCaptionAndPromptFromTheLanguageFile) {
    test::TempFolder folder;
    const std::string file =
        folder.Write("spanish.lng", "[Translations]\r\n"
                                    "PasswordDlg.OkBtn.Caption=Aceptar\r\n"
                                    "PasswordDlg.Caption=Protecci\xF3n\r\n"
                                    "PasswordDlg.EnterPasswordLbl.Caption=Clave\r\n");
    std::string shown;
    ScriptedModal modal([&](TInputDlg& dialog) {
        shown = dialog.Caption() + "|" + dialog.EnterPasswordLbl->Caption() + "|" +
                dialog.OKBtn->Caption() + "|" + dialog.PasswordEdBx->PasswordChar();
        return static_cast<int>(mrCancel);
    });
    TInputDlg(nullptr, file, TInputMode::Password).ShowModal();
    EXPECT_EQ(shown, "Protecci\xF3n|Clave|Aceptar|*");
    TInputDlg(nullptr, file, TInputMode::PlainText).ShowModal();
    EXPECT_EQ(shown, std::string("Settings protection|Enter password:|Aceptar|") + '\0');
}

} // namespace
