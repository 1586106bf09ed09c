#pragma once
// The layout properties dialog: a layout's name, window title and class name, as a row of the
// layouts dialog holds them. Accept refuses an empty name and keeps the dialog open; title and
// class may be empty.

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
    void AcceptBtnClick(TObject* sender);
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

// Tells the user of `form` that a layout needs a name, in the language of `lang`.
void RefuseEmptyLayoutName(TForm& form, TLanguage& lang);

// Runs the dialog modally on `texts`; true, with the texts as entered, on Accept.
bool EditLayoutTexts(const std::string& languageFile, TLayoutTexts& texts);

} // namespace tav
