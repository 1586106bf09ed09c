#pragma once
// The about box, which is also the splash screen shown while the program starts: the program's
// picture, its name (the file version as its hint) and a link to its web page.

#include "framework/win32/ExtCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"

namespace tav {

class TSplashForm : public TForm {
public:
    explicit TSplashForm(TComponent* owner);

    // Shows the box without its OK button, as the splash screen that the main window releases
    // when it is first activated.
    void ShowSplash();

    void FormCreate(TObject* sender);
    // However it is closed, the box is freed: each use makes a new one.
    void FormClose(TObject* sender, TCloseAction& action);
    void LURLClick(TObject* sender);
    void BOKClick(TObject* sender);

    TShape* Shape1 = nullptr;
    TImage* Image1 = nullptr;
    TLabel* AppLbl = nullptr;
    TLabel* LURL = nullptr;
    TButton* BOK = nullptr;
};

} // namespace tav
