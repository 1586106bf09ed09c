#pragma once
// A dialog of the kind the program's settings pages are: twenty-five controls on three tab
// pages, declared once and placed by the measured layout. The framework's tests use it for
// the forms contract, the keyboard and screenshots; later forms are written the same way.

#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/ListView.h"
#include "framework/win32/StdCtrls.h"
#include "ui/lang/FormTranslations.h"

namespace tav::test {

// The values the dialog edits; the dialog keeps none of its own.
struct TSampleSettings {
    int Port = 0;
    int Speed = 9600;
    std::string Name = "Living room";
    bool Log = false;
    int Mode = 0;
};

class TSampleDialog : public TForm {
public:
    TSampleDialog(TComponent* owner, TSampleSettings& settings);

    TPageControl* PageCtl;
    TTabSheet* GeneralTab;
    TLabel* PortLbl;
    TComboBox* PortCoBx;
    TLabel* SpeedLbl;
    TEdit* SpeedEdBx;
    TUpDown* SpeedUpDwn;
    TLabel* NameLbl;
    TEdit* NameEdBx;
    TCheckBox* LogChBx;
    TCheckBox* StartChBx;
    TTabSheet* OptionsTab;
    TRadioGroup* ModeRGrp;
    TLabel* TimeOutLbl;
    TEdit* TimeOutEdBx;
    TUpDown* TimeOutUpDwn;
    TCheckBox* BinaryChBx;
    TGroupBox* OutputGrpBx;
    TLabel* DestLbl;
    TComboBox* DestCoBx;
    TTabSheet* SoundsTab;
    TListView* SoundsList;
    TButton* AddSoundBtn;
    TButton* DeleteSoundBtn;
    TButton* OkBtn;
    TButton* CancelBtn;
    TButton* HelpBtn;
    TLanguage* Lang;

    void PortCoBxChange(TObject* sender);
    void SpeedEdBxChange(TObject* sender);
    void NameEdBxChange(TObject* sender);
    void LogChBxClick(TObject* sender);
    void ModeRGrpClick(TObject* sender);
    void AddSoundBtnClick(TObject* sender);
    void DeleteSoundBtnClick(TObject* sender);
    void HelpBtnClick(TObject* sender);

private:
    TSampleSettings& settings_;
};

extern const TFormTranslations SampleDialogTranslations;

} // namespace tav::test
