#pragma once
// The TCP/IP dialog: the control client's host and port, the control server's port and the
// address and mask its clients must match. The two enabling boxes are stored at once; the opener
// takes the other values over after Accept, which the dialog allows only with valid addresses
// while the server is on. A stored address the fields cannot hold is shown as its default.

#include "engine/settings/Settings.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"
#include "ui/lang/Lang.h"
#include "ui/tcpsettings/win32/AlignEdit.h"

#include <array>
#include <string>

namespace tav {

class TTCPSettingsForm : public TForm {
public:
    // `languageFile` is the chosen language's file, empty when it does not exist; `settings`
    // must outlive the dialog.
    TTCPSettingsForm(TComponent* owner, TSettings& settings, std::string languageFile);

    void FormShow(TObject* sender);
    void ClientChBxClick(TObject* sender);
    void ServerChBxClick(TObject* sender);
    // Entering any of the eight address fields selects its text.
    void IP1EdBxEnter(TObject* sender);
    // The keys of the port and address fields: digits and backspace; "." goes on to the next
    // field.
    void ClientPortEdBxKeyPress(TObject* sender, char& key);
    void AcceptBtnClick(TObject* sender);
    // Each group of fields is enabled as its box is checked.
    void UpdateControls();

    // The address and the mask as their fields show them, joined with ".".
    std::string ServerIP() const;
    std::string ServerFilter() const;

    TCheckBox* ClientChBx = nullptr;
    TLabel* ClientPortLbl = nullptr;
    TEdit* ClientPortEdBx = nullptr;
    TUpDown* ClientPortUpDwn = nullptr;
    TLabel* ClientHostLbl = nullptr;
    TEdit* ClientHostEdBx = nullptr;
    TCheckBox* ServerChBx = nullptr;
    TLabel* ServerPortLbl = nullptr;
    TEdit* ServerPortEdBx = nullptr;
    TUpDown* ServerPortUpDwn = nullptr;
    TLabel* IPLbl = nullptr;
    TPanel* IPPanel = nullptr;
    TAlignEdit* IP1EdBx = nullptr;
    TAlignEdit* IP2EdBx = nullptr;
    TAlignEdit* IP3EdBx = nullptr;
    TAlignEdit* IP4EdBx = nullptr;
    TLabel* FilterLbl = nullptr;
    TPanel* FilterPanel = nullptr;
    TAlignEdit* FilterIP1EdBx = nullptr;
    TAlignEdit* FilterIP2EdBx = nullptr;
    TAlignEdit* FilterIP3EdBx = nullptr;
    TAlignEdit* FilterIP4EdBx = nullptr;
    TButton* AcceptBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TButton* HelpBtn = nullptr;
    TLanguage* Lang = nullptr;

private:
    using TAddressEdits = std::array<TAlignEdit*, 4>;
    TAddressEdits AddressEdits() const { return {IP1EdBx, IP2EdBx, IP3EdBx, IP4EdBx}; }
    TAddressEdits FilterEdits() const {
        return {FilterIP1EdBx, FilterIP2EdBx, FilterIP3EdBx, FilterIP4EdBx};
    }
    // The first address field in use whose text is no address part, or none.
    TAlignEdit* WrongAddressField() const;
    // The four fields of `panel` with a dot between each two.
    TBox AddressLayout(TPanel* panel, const TAddressEdits& edits, const std::string& name);

    TSettings& settings_;
    std::string languageFile_;
};

} // namespace tav
