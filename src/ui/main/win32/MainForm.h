#pragma once
// The main window: the File menu, the status bar (configuration file, running origins), the
// document and the settings, and the routines of the program's start.

#include "engine/document/Document.h"
#include "engine/settings/Settings.h"
#include "engine/settings/win32/RegistryStore.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/Menus.h"
#include "ui/lang/Lang.h"
#include "ui/main/DocumentFiles.h"

#include <string>
#include <vector>

namespace tav {

class TMainForm : public TForm, private IDocumentFilesView {
public:
    // `settingsKey` is where the settings live below HKEY_CURRENT_USER; `arguments` is the
    // command line without the program's name (at most a configuration file to open).
    explicit TMainForm(TComponent* owner, std::string settingsKey = kSettingsKey,
                       std::vector<std::string> arguments = {});

    // Creation of the window's own state; with no sender only the document part.
    void FormCreate(TObject* sender);
    // The show routine of start-up: the version check, loading the stored settings and opening
    // the configuration file. Called by the show event, or directly with no sender when the
    // program starts minimized; its body runs once.
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);

    void NewMenuClick(TObject* sender);
    void OpenMenuClick(TObject* sender);
    void ImportMenuClick(TObject* sender);
    void SaveMenuClick(TObject* sender);
    void SaveAsMenuClick(TObject* sender);
    void ExitMenuClick(TObject* sender);

    TDocument& Document() { return document_; }
    TSettings& Settings() { return settings_; }

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* FileMenu = nullptr;
    TMenuItem* NewMenu = nullptr;
    TMenuItem* OpenMenu = nullptr;
    TMenuItem* SaveMenu = nullptr;
    TMenuItem* SaveAsMenu = nullptr;
    TMenuItem* ImportMenu = nullptr;
    TMenuItem* SettingsMenu = nullptr;
    TMenuItem* ExitMenu = nullptr;
    // Panel 0: the configuration file's name; panel 1: the running origins.
    TStatusBar* StatBar = nullptr;
    TLanguage* Lang = nullptr;

private:
    // What the file operations need of the window.
    std::string FileNamePanel() const override;
    void SetFileNamePanel(const std::string& name) override;
    std::optional<std::string> AskOpenFileName() override;
    std::optional<std::string> AskSaveFileName() override;
    TSaveChangesAnswer AskSaveChanges() override;
    void ShowFileError(const std::string& text, const std::string& title) override;
    void ShowFileNotice(const std::string& text) override;
    std::string SaveDateText() override;
    std::string Translate(const std::string& english) override;
    void CloseOrigins() override;
    void DocumentReloaded() override;
    void ModifiedChanged() override;
    void SetBusy(bool busy) override;

    TRegistryStore store_;
    TSettings settings_;
    TDocument document_;
    TDocumentFiles files_;
    std::vector<std::string> arguments_;
    bool startedUp_ = false;
};

// The caption the main window bears once it runs; another instance looks for it.
extern const char* const kMainCaption;

} // namespace tav
