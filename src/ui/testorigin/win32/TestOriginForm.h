#pragma once
// The origin test: the user picks one of the enabled input origins, which alone is opened, and
// watches what it receives, in the chosen format, in the text area.

#include "engine/recognition/CodeReceiver.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"
#include "ui/lang/Lang.h"

#include <functional>
#include <string>
#include <vector>

namespace tav {

// One input origin as the settings dialog shows it.
struct TTestOrigin {
    // The caption of its box in the settings dialog ("&Serial port").
    std::string Caption;
    // Whether its box is checked: only those can be tested.
    bool Checked = false;
    // Opens (true) or closes (false) the origin; none for an origin that has no routine.
    std::function<void(bool open)> Open;
};

class TTestOriginForm : public TForm, public IOriginTestView {
public:
    // `origins` in the settings dialog's order; `enableOrigins` runs when the dialog closes,
    // after every origin was closed; `languageFile` is empty when the chosen language's file
    // does not exist.
    TTestOriginForm(TComponent* owner, std::vector<TTestOrigin> origins,
                    std::function<void()> enableOrigins, std::string languageFile);

    // What the origins write while the dialog is visible: one line of received data, in the
    // format chosen now.
    bool Visible() const override { return TForm::Visible(); }
    void AddLine(const std::string& text) override;
    TDataFormat Format() const override;

    void FormShow(TObject* sender);
    void ShowDataFromCoBxChange(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);

    TLabel* ShowDataFromLbl = nullptr;
    TComboBox* ShowDataFromCoBx = nullptr;
    TLabel* DataFormatLbl = nullptr;
    TComboBox* DataFormatCoBx = nullptr;
    TMemo* Memo = nullptr;
    TButton* CloseBtn = nullptr;
    TButton* HelpBtn = nullptr;
    TLanguage* Lang = nullptr;

private:
    std::vector<TTestOrigin> origins_;
    std::function<void()> enableOrigins_;
    std::string languageFile_;
};

} // namespace tav
