#pragma once
// The action editor: one action's type, the details of that type on its page, the delay before
// the next action and, for keys and window messages, the destination window. It is made once
// and shown again for every action, so a new action starts from what the editor held last. Its
// controls show a TActionEditorValues; the action string is made from those values and read
// into them by the action-string codec.

#include "components/mixer/AudioMixer.h"
#include "engine/actions/ActionLabels.h"
#include "engine/actions/MessageLists.h"
#include "engine/settings/Settings.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/DrawnImages.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"
#include "framework/win32/Timer.h"
#include "ui/action/ActionAccept.h"
#include "ui/action/ActionEditorValues.h"
#include "ui/action/EditorLists.h"
#include "ui/lang/Lang.h"
#include "ui/serialsettings/SerialDialogHost.h"

#include <functional>
#include <string>

namespace tav {

class TActionForm;

// What the editor reaches of the program; every reference outlives the editor.
struct TActionFormLinks {
    TAudioMixer& Mixer;
    const TMessageLists& Messages;
    TSettings& Settings;
    ISerialDialogHost& SerialHost;
    // The chosen language's file, empty when it does not exist.
    std::function<std::string()> LanguageFile;
    // The pictures of the action types, in the type list's order.
    TImageList& ActionPictures;
    // Runs at the end of the editor's creation (the program's start-up goes on from there).
    std::function<void(TActionForm& editor)> CreationDone;
};

class TActionForm : public TForm {
public:
    TActionForm(TComponent* owner, TActionFormLinks links);

    // The editor's values as its controls hold them, and shown in them.
    TActionEditorValues Values() const;
    void ShowValues(const TActionEditorValues& values);
    // The action string of the chosen type; empty when no type is chosen.
    std::string ComposeAction() const;
    // Shows the action and selects its type. Throws, changing nothing, for a string that the
    // editor cannot show as it is (LoadEditorAction).
    void LoadActionIntoDialog(const std::string& action);
    // The texts of the editor's lists and options, as translated now, for the actions list's
    // captions.
    const ActionLabels& Labels() const { return labels_; }
    // Translates the editor; empty leaves its texts.
    void SetLanguageFile(const std::string& file);

    void ActionTypeCoBxClick(TObject* sender);
    void ActionTypeCoBxDrawItem(TControl* control, int index, HDC dc, const RECT& rect, UINT state);
    void RelativeMoveCoBxDrawItem(TControl* control, int index, HDC dc, const RECT& rect,
                                  UINT state);
    void CursorPosTimerTimer(TObject* sender);
    void FormHide(TObject* sender);
    // F2 anywhere in the editor takes the cursor's position into the absolute move.
    void FormKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void WindowCoBxDropDown(TObject* sender);
    void WindowCoBxExit(TObject* sender);
    // Every option's radio button and check box enables the controls of what is chosen.
    void OptionClick(TObject* sender);
    void UserMsgCoBxClick(TObject* sender);
    void HexEdBxKeyPress(TObject* sender, char& key);
    void FileNameEdBxChange(TObject* sender);
    void MixerCoBxChange(TObject* sender);
    void DestCoBxChange(TObject* sender);
    void BrowseBtnClick(TObject* sender);
    void DataOpenFileBtnClick(TObject* sender);
    void DataPortBtnClick(TObject* sender);
    void AcceptBtnClick(TObject* sender);
    void LangAfterTranslation(TComponent* sender);
    void HelpBtnClick(TObject* sender);

    TLabel* ActionTypeLbl = nullptr;
    TComboBox* ActionTypeCoBx = nullptr;
    TGroupBox* DetailsGrpBx = nullptr;
    // The pages of the seven types; no tabs: the type list chooses the page.
    TPageControl* PanelsCtrl = nullptr;

    TTabSheet* TapKeyPanel = nullptr;
    TRadioButton* SystemKeyRBtn = nullptr;
    TComboBox* SystemKeysCoBx = nullptr;
    TRadioButton* ParticularKeyRBtn = nullptr;
    TEdit* ParticularKeyEdBx = nullptr;
    TGroupBox* ModifyiersGrpBx = nullptr;
    TCheckBox* AltKeyChBx = nullptr;
    TCheckBox* CtrlKeyChBx = nullptr;
    TCheckBox* ShiftKeyChBx = nullptr;
    TCheckBox* WinKeyChBx = nullptr;

    TTabSheet* MouseMovePanel = nullptr;
    TRadioButton* ClickRBtn = nullptr;
    TComboBox* ClickTypeCoBx = nullptr;
    TCheckBox* DoubleClickChBtn = nullptr;
    TRadioButton* RelativeMoveRBtn = nullptr;
    TComboBox* RelativeMoveCoBx = nullptr;
    TDrawnImageList* ArrowsImgList = nullptr;
    TLabel* AccelerationLbl = nullptr;
    TTrackBar* AccelBar = nullptr;
    TLabel* MaxLbl = nullptr;
    TRadioButton* AbsoluteMoveRBtn = nullptr;
    TEdit* XPositionEdBx = nullptr;
    TUpDown* XPosUpDown = nullptr;
    TEdit* YPositionEdBx = nullptr;
    TUpDown* YPosUpDown = nullptr;
    TLabel* XPosInfoLbl = nullptr;
    TLabel* YPosInfoLbl = nullptr;

    TTabSheet* ExecuteProgramPanel = nullptr;
    TLabel* ExeNameLbl = nullptr;
    TEdit* FileNameEdBx = nullptr;
    TButton* BrowseBtn = nullptr;
    TLabel* ParamsLbl = nullptr;
    TEdit* ParamsEdBx = nullptr;
    TCheckBox* EnterSuspendModeChBx = nullptr;
    TCheckBox* TryFirstChBx = nullptr;
    TComboBox* TryFirstCoBx = nullptr;

    TTabSheet* PostMessagePanel = nullptr;
    TRadioButton* WinMsgRBtn = nullptr;
    TComboBox* WinMsgCoBx = nullptr;
    TRadioButton* UserMsgRBtn = nullptr;
    TComboBox* UserMsgCoBx = nullptr;
    TGroupBox* ParamsGrpBx = nullptr;
    TLabel* wParamLbl = nullptr;
    TEdit* wParamEdBx = nullptr;
    TLabel* lParamLbl = nullptr;
    TEdit* lParamEdBx = nullptr;

    TTabSheet* SoundPanel = nullptr;
    TLabel* MixerLbl = nullptr;
    TComboBox* MixerCoBx = nullptr;
    TLabel* DestLbl = nullptr;
    TComboBox* DestCoBx = nullptr;
    TLabel* MixerLineLbl = nullptr;
    TComboBox* MixerLineCoBx = nullptr;
    TRadioButton* VolumeRBtn = nullptr;
    TComboBox* VolumeCoBx = nullptr;
    TLabel* IncrementLbl = nullptr;
    TTrackBar* VolIncrementBar = nullptr;
    TLabel* MaxIncrementLbl = nullptr;
    TRadioButton* MuteRBtn = nullptr;

    TTabSheet* EspecialPanel = nullptr;
    TRadioButton* ShutDownRBtn = nullptr;
    TComboBox* ShutDownCoBx = nullptr;
    TRadioButton* WindowStateRBtn = nullptr;
    TComboBox* WindowStateCoBx = nullptr;
    TRadioButton* OSDRBtn = nullptr;
    TComboBox* OSDCoBx = nullptr;

    TTabSheet* SendDataPanel = nullptr;
    TRadioButton* DataStreamRBtn = nullptr;
    TEdit* DataStreamEdBx = nullptr;
    TRadioButton* DataFileRBtn = nullptr;
    TEdit* DataFileEdBx = nullptr;
    TButton* DataOpenFileBtn = nullptr;
    TButton* DataPortBtn = nullptr;

    TGroupBox* OptionsGrpBx = nullptr;
    TLabel* DelayTimeLbl = nullptr;
    TEdit* DelayEdBx = nullptr;
    TUpDown* DelayUpDwn = nullptr;
    TLabel* DestinationWndLbl = nullptr;
    TComboBox* DestinationWndCoBx = nullptr;
    TCheckBox* KeepActiveChBx = nullptr;

    TButton* AcceptBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TButton* HelpBtn = nullptr;
    TTimer* CursorPosTimer = nullptr;
    TLanguage* Lang = nullptr;

private:
    // The translated texts of the editor's controls.
    class TLabels : public ActionLabels {
    public:
        explicit TLabels(const TActionForm& form) : form_(form) {}
        std::optional<std::string> Item(ActionList list, std::int32_t index) const override;
        std::string Caption(ActionOption option) const override;
        std::optional<std::string> MixerLineName(std::int32_t destination,
                                                 std::int32_t line) const override;

    private:
        const TActionForm& form_;
    };

    void CreateTypePanels();
    void CreateTapKeyPanel();
    void CreateMousePanel();
    void CreateExecutePanel();
    void CreatePostMessagePanel();
    void CreateSoundPanel();
    void CreateEspecialPanel();
    void CreateSendDataPanel();
    TBox PanelsLayout();
    void FillLists();
    void FillSystemKeys();
    // The combo boxes show their first item, the type list its first type.
    void SelectFirstItems();
    // Enables the controls of every chosen option, and the destination window for the types
    // that address one.
    void UpdateOptions();
    // The destination and line lists of the device `mixer`, then those of its first destination;
    // the mixer opens that device.
    void ShowMixer(int mixer);
    void ShowMixerLines(int destination);
    TControl* CaptionOf(TEditorValue value) const;
    std::string LanguageFile() const { return links_.LanguageFile ? links_.LanguageFile() : ""; }

    TActionFormLinks links_;
    // What the editor's lists hold, as read when it was made.
    TEditorLists lists_;
    TLabels labels_{*this};
};

} // namespace tav
