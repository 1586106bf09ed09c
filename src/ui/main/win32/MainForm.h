#pragma once
// The main window: the File menu, the status bar (configuration file, running origins) and
// the routines of the program's start.

#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/Menus.h"

namespace tav {

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* owner);

    // Creation of the window's own state; with no sender only the document part.
    void FormCreate(TObject* sender);
    // The show routine of start-up: it loads the stored settings into the dialogs (after the
    // version check) once the settings dialog exists. Called by the show event, or directly
    // with no sender when the program starts minimized.
    void FormShow(TObject* sender);
    void ExitMenuClick(TObject* sender);

    TMainMenu* MainMenu1;
    TMenuItem* FileMenu;
    TMenuItem* NewMenu;
    TMenuItem* OpenMenu;
    TMenuItem* SaveMenu;
    TMenuItem* SaveAsMenu;
    TMenuItem* ImportMenu;
    TMenuItem* SettingsMenu;
    TMenuItem* ExitMenu;
    // Panel 0: the configuration file's name; panel 1: the running origins.
    TStatusBar* StatBar;
};

// The caption the main window bears once it runs; another instance looks for it.
extern const char* const kMainCaption;

} // namespace tav
