#pragma once
// The serial-port dialog: the settings of one serial port, the receiver's, the console's or the
// output port of the send-data action. For the receiver and the console it also chooses the
// device type, whose presets are applied and stored at once. The opener takes the other values
// over after Accept (StoreSerialChoice).

#include "engine/settings/Settings.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"
#include "ui/lang/Lang.h"
#include "ui/serialsettings/SerialChoice.h"
#include "ui/serialsettings/SerialDialogHost.h"

#include <string>

namespace tav {

class TSerialSettingsForm : public TForm {
public:
    // `languageFile` is the chosen language's file, empty when it does not exist. Both
    // references must outlive the dialog.
    TSerialSettingsForm(TComponent* owner, TSettings& settings, ISerialDialogHost& host,
                        std::string languageFile);
    ~TSerialSettingsForm() override;

    // kReceiverPortKind, kConsolePortKind or kOutputPortKind; set before the dialog is shown.
    int PortKind = kOutputPortKind;

    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void SerialTypeCoBxChange(TObject* sender);
    void BFindUIRClick(TObject* sender);
    // Shows the port's stored values, and its line settings only where its device type lets
    // the user choose them.
    void ShowPortValues();
    // What the lists and boxes hold now.
    TSerialChoice Chosen() const;

    TPageControl* PageCtrl = nullptr;
    TTabSheet* SerialTab = nullptr;
    TGroupBox* ConfigGrpBx = nullptr;
    TLabel* TypeLbl = nullptr;
    TComboBox* SerialTypeCoBx = nullptr;
    TLabel* PortLbl = nullptr;
    TComboBox* PortCoBx = nullptr;
    TButton* BFindUIR = nullptr;
    TLabel* SpeedLbl = nullptr;
    TComboBox* SpeedCoBx = nullptr;
    TLabel* ParityLbl = nullptr;
    TComboBox* ParityCoBx = nullptr;
    TLabel* DataBitsLbl = nullptr;
    TComboBox* DataBitsCoBx = nullptr;
    TLabel* StopBitsLbl = nullptr;
    TComboBox* StopBitsCoBx = nullptr;
    TCheckBox* DTRChBx = nullptr;
    TCheckBox* RTSChBx = nullptr;
    TLabel* InitStringLbl = nullptr;
    TMemo* InitStringMemo = nullptr;
    TButton* AcceptBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TButton* HelpBtn = nullptr;
    TLanguage* Lang = nullptr;

private:
    void ShowLineSettings(bool shown);
    void SelectPort(std::int32_t com);
    void EndSearch();

    TSettings& settings_;
    ISerialDialogHost& host_;
    std::string languageFile_;
    bool searching_ = false;
};

} // namespace tav
