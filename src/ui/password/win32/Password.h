#pragma once
// The small dialog that asks for the settings-protection password, and in plain-text mode for
// any one line of text (a name).

#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"
#include "ui/lang/Lang.h"

#include <string>

namespace tav {

enum class TInputMode {
    // Each letter shows as "*"; the language file may replace the caption and the prompt.
    Password,
    // The letters show; the caller sets caption, prompt and text.
    PlainText,
};

class TInputDlg : public TForm {
public:
    // `languageFile` is the chosen language's file, empty when it does not exist.
    TInputDlg(TComponent* owner, std::string languageFile, TInputMode mode);

    void FormShow(TObject* sender);

    TLabel* EnterPasswordLbl = nullptr;
    TEdit* PasswordEdBx = nullptr;
    TButton* OKBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TLanguage* Lang = nullptr;

private:
    std::string languageFile_;
    TInputMode mode_;
};

// Asks for one line of text in a modal plain-text dialog showing `value`. On OK `value` takes
// the typed text and the result is true; otherwise `value` stays as it was.
bool InputQueryDlg(const std::string& caption, const std::string& prompt, std::string& value,
                   const std::string& languageFile);

} // namespace tav
