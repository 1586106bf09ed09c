#pragma once
// The layout properties dialog: a layout's name, window title and class name, as a row of the
// layouts dialog holds them. No field is checked: an empty name is a name too.

#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"
#include "ui/lang/Lang.h"
#include "ui/layouts/LayoutRows.h"

#include <string>

namespace tav {

class TLayoutPropForm : public TForm {
public:
    // `languageFile` is the chosen language's file, empty when it does not exist.
    TLayoutPropForm(TComponent* owner, std::string languageFile);

    void FormShow(TObject* sender);
    void ShowTexts(const TLayoutTexts& texts);
    TLayoutTexts Texts() const;

    TLabel* LayoutNameLbl = nullptr;
    TEdit* LayoutNameEdBx = nullptr;
    TLabel* WinTitleLbl = nullptr;
    TEdit* WinTitleEdBx = nullptr;
    TLabel* ClassNameLbl = nullptr;
    TEdit* ClassNameEdBx = nullptr;
    TButton* AcceptBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TLanguage* Lang = nullptr;

private:
    std::string languageFile_;
};

// Runs the dialog modally on `texts`; true, with the texts as entered, on Accept.
bool EditLayoutTexts(const std::string& languageFile, TLayoutTexts& texts);

} // namespace tav
