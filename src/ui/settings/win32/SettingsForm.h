#pragma once
// The settings dialog: every setting of the program on seven pages, the origins, the serial
// ports, recognition, sounds, the on-screen display, the reports, the language, the password and
// the start at logon. It shows the settings model and writes each change to it at once; there is
// no Apply and no Cancel. Two things wait: the sound list, which the opener stores when the
// dialog closes, and the values of the two properties dialogs, which are stored when those are
// accepted.

#include "engine/settings/Settings.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/ListView.h"
#include "framework/win32/Menus.h"
#include "framework/win32/StdCtrls.h"
#include "ui/lang/Lang.h"
#include "ui/settings/SettingsFormHost.h"
#include "ui/settings/SoundList.h"

#include <span>
#include <string>
#include <vector>

namespace tav {

// Where the dialog finds the languages and the Windows sounds.
struct TSettingsFormPlaces {
    // The program's folder, which holds the folder of the language files.
    std::string ProgramFolder;
    // The Windows sound events, absolute below HKEY_CURRENT_USER.
    std::string AppEventsKey;
};

class TSettingsForm : public TForm {
public:
    // Both references must outlive the dialog, which takes the chosen language at once.
    TSettingsForm(TComponent* owner, TSettings& settings, ISettingsFormHost& host,
                  TSettingsFormPlaces places);

    // Shows the model's values, from the first page on.
    void FormShow(TObject* sender);
    // The sound list as the dialog holds it; the opener stores it when the dialog closed.
    const std::vector<TSoundEntry>& Sounds() const { return sounds_; }
    // The language files found, by name.
    const std::vector<std::string>& Languages() const { return languages_; }
    // The file of the language chosen, empty when it does not exist.
    std::string LanguageFile() const;

    // General page.
    void LaunchChBxClick(TObject* sender);
    void PasswordBtnClick(TObject* sender);
    void LogFileChBxClick(TObject* sender);
    void LogFileEdBxChange(TObject* sender);
    void BrowseLogBtnClick(TObject* sender);
    void LangCoBxClick(TObject* sender);
    // The boxes that store themselves (and enable what depends on them).
    void SettingChBxClick(TObject* sender);
    // Origin page: each box stores itself and stops the running origins.
    void OriginChBxClick(TObject* sender);
    void KeyboardChBxMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void AverWndBtnClick(TObject* sender);
    void SerialPropertiesBtnClick(TObject* sender);
    void SerialConsolePropertiesBtnClick(TObject* sender);
    void TCPIPPropertiesBtnClick(TObject* sender);
    // Recognition page, and the other numbers of up-downs.
    void UpDownEdBxChange(TObject* sender);
    // Only digits and backspace reach the recognition numbers.
    void SkipFirstEdBxKeyPress(TObject* sender, char& key);
    // Sounds page.
    void WinSoundsRBtnClick(TObject* sender);
    void NewSoundBtnClick(TObject* sender);
    void SoundsListDblClick(TObject* sender);
    void SoundsListKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void SoundsPopUpMenuPopup(TObject* sender);
    void DeleteMenuClick(TObject* sender);
    // OSD page.
    void BackgroundCoBxClick(TObject* sender);
    void TextFontBtnClick(TObject* sender);
    // DDE / TCP page.
    void CommandsDataCoBxClick(TObject* sender);
    void CopyDDELinkInfoBtnClick(TObject* sender);
    void TCPServerPortEdBxChange(TObject* sender);
    void TCPInfoServerRBtnClick(TObject* sender);
    void TCPInfoClientRBtnClick(TObject* sender);
    void HelpBtnClick(TObject* sender);

    TPageControl* PageCtrl = nullptr;
    TTabSheet* GeneralTab = nullptr;
    TGroupBox* OptionsGrpBx = nullptr;
    TCheckBox* LaunchChBx = nullptr;
    TCheckBox* LoadChBx = nullptr;
    TButton* PasswordBtn = nullptr;
    TCheckBox* PlaySndsChBx = nullptr;
    TCheckBox* MultipleChBx = nullptr;
    TCheckBox* AdvancedKeyPressChBx = nullptr;
    TCheckBox* LogFileChBx = nullptr;
    TEdit* LogFileEdBx = nullptr;
    TButton* BrowseLogBtn = nullptr;
    TLabel* LanguageLbl = nullptr;
    TComboBox* LangCoBx = nullptr;
    TTabSheet* OriginTab = nullptr;
    TGroupBox* DevicesGrpBx = nullptr;
    TCheckBox* SerialBasedChBx = nullptr;
    TButton* SerialPropertiesBtn = nullptr;
    TCheckBox* SerialConsoleChBx = nullptr;
    TButton* SerialConsolePropertiesBtn = nullptr;
    TCheckBox* KeyboardChBx = nullptr;
    TCheckBox* TCPIPChBX = nullptr;
    TButton* TCPIPPropertiesBtn = nullptr;
    TCheckBox* AverChBx = nullptr;
    TButton* AverWndBtn = nullptr;
    TCheckBox* UIRServerChBx = nullptr;
    TCheckBox* BestBuyChBx = nullptr;
    TCheckBox* CreativeiNFRAChBx = nullptr;
    TTabSheet* SerialTab = nullptr;
    TGroupBox* ConfigGrpBx = nullptr;
    TLabel* PortLbl = nullptr;
    TComboBox* PortCoBx = nullptr;
    TTabSheet* RecognitionTab = nullptr;
    TGroupBox* DataSequencesGrpBx = nullptr;
    TLabel* SkipFirstLbl = nullptr;
    TEdit* SkipFirstEdBx = nullptr;
    TUpDown* SkipFirstUpDwn = nullptr;
    TLabel* ToleranceLbl = nullptr;
    TEdit* ToleranceEdBox = nullptr;
    TUpDown* ToleranceUpDwn = nullptr;
    TLabel* LongLimitLbl = nullptr;
    TEdit* LengthEdBx = nullptr;
    TUpDown* LengthUpDwn = nullptr;
    TLabel* ValueSizeLbl = nullptr;
    TEdit* ValueSizeEdBx = nullptr;
    TUpDown* ValueSizeUpDwn = nullptr;
    TLabel* TimeOutLbl = nullptr;
    TEdit* TimeOutEdBx = nullptr;
    TUpDown* TimeOutUpDwn = nullptr;
    TGroupBox* EspecialBehaviourGrpBx = nullptr;
    TCheckBox* SameLengthChBx = nullptr;
    TCheckBox* BinaryChBx = nullptr;
    TEdit* BinaryEdBx = nullptr;
    TUpDown* BinaryUpDwn = nullptr;
    TTabSheet* SoundsTab = nullptr;
    TGroupBox* CommSoundsGrpBx = nullptr;
    TButton* NewSoundBtn = nullptr;
    TRadioButton* ExternalFileRBtn = nullptr;
    TRadioButton* WinSoundsRBtn = nullptr;
    TComboBox* WinSoundsCoBx = nullptr;
    TListView* SoundsList = nullptr;
    TPopupMenu* SoundsPopUpMenu = nullptr;
    TMenuItem* DeleteMenu = nullptr;
    TTabSheet* OSDTab = nullptr;
    TGroupBox* OSDGrpBx = nullptr;
    TCheckBox* RemoteChBx = nullptr;
    TCheckBox* CommandChBx = nullptr;
    TCheckBox* ActionChBx = nullptr;
    TGroupBox* StyleGrpBx = nullptr;
    TLabel* BackgroundColorLbl = nullptr;
    TComboBox* BackgroundCoBx = nullptr;
    TLabel* ShowTimeLbl = nullptr;
    TEdit* ShowTimeEdBx = nullptr;
    TUpDown* ShowTimeUpDwn = nullptr;
    TButton* TextFontBtn = nullptr;
    TCheckBox* RepaintChBx = nullptr;
    TTabSheet* DDETCPTab = nullptr;
    TGroupBox* DDEGrpBx = nullptr;
    TCheckBox* RemoteNameChBX = nullptr;
    TCheckBox* CommandNameChBx = nullptr;
    TCheckBox* CommandsDataChBx = nullptr;
    TComboBox* CommandsDataCoBx = nullptr;
    TCheckBox* ActionDescriptionChBx = nullptr;
    TButton* CopyDDELinkInfoBtn = nullptr;
    TGroupBox* TCPIPGrpBx = nullptr;
    TCheckBox* TCPRemoteNameChBX = nullptr;
    TCheckBox* TCPCommandNameChBx = nullptr;
    TCheckBox* TCPCommandsDataChBx = nullptr;
    TCheckBox* TCPActionDescriptionChBx = nullptr;
    TLabel* TCPInfoPortLbl = nullptr;
    TEdit* TCPServerPortEdBx = nullptr;
    TUpDown* TCPServerPortUpDwn = nullptr;
    TRadioButton* TCPInfoServerRBtn = nullptr;
    TRadioButton* TCPInfoClientRBtn = nullptr;
    TButton* AcceptBtn = nullptr;
    TButton* HelpBtn = nullptr;
    TLanguage* Lang = nullptr;

private:
    // A check box and the setting it stands for.
    struct TBoxSetting {
        TCheckBox* TSettingsForm::*Box;
        std::string_view Name;
    };
    // An up-down, its edit and the setting its position stands for.
    struct TNumberSetting {
        TUpDown* TSettingsForm::*UpDown;
        TEdit* TSettingsForm::*Edit;
        std::string_view Name;
    };
    const TNumberSetting* NumberOf(const TObject* edit) const;
    // The boxes that store themselves, the origins' boxes and the numbers.
    static std::span<const TBoxSetting> OptionBoxes();
    static std::span<const TBoxSetting> OriginBoxes();
    static std::span<const TNumberSetting> Numbers();
    const TBoxSetting* BoxIn(std::span<const TBoxSetting> boxes, const TObject* sender) const;

    void CreateGeneralPage();
    void CreateOriginPage();
    void CreateRecognitionPage();
    void CreateSoundsPage();
    void CreateOsdPage();
    void CreateDdeTcpPage();
    TBox PagesLayout();
    // The model's values in the controls; no handler stores anything meanwhile.
    void ShowSettings();
    // The controls enabled as the boxes they depend on are checked.
    void UpdateControls();
    void ShowSounds();
    void WidenFileColumn(const std::string& path);
    // The translated texts the translation pass cannot reach.
    void ApplyDirectTexts(const std::string& file);
    // The device presets that the keyboard and AVerMedia origins suit, after a question.
    void OfferDefaults(TCheckBox* box, std::string_view deviceType);
    void EditSerialPort(int portKind);
    std::string Message(std::string_view english) const;

    TSettings& settings_;
    ISettingsFormHost& host_;
    TSettingsFormPlaces places_;
    std::vector<std::string> languages_;
    std::vector<TWindowsSound> winSounds_;
    std::vector<TSoundEntry> sounds_;
    bool showing_ = false;
};

} // namespace tav
