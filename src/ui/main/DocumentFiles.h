#pragma once
// The File menu's work on the document: New, Open, Import, Save, Save As, the start-up load and
// the close query. The main window supplies the dialogs and shows the results; the name of the
// current file is the text of its status bar's first panel.
//
// Whatever goes wrong while reading, the document in use is only replaced by one that was read
// whole, and the user's file is only replaced by one that was written whole.

#include "engine/config/ConfigFile.h"
#include "engine/document/Document.h"
#include "engine/settings/Settings.h"

#include <optional>
#include <string>

namespace tav {

// The texts of the file operations' messages, translated before they are shown. A count goes
// before the skipped-triggers text, separated by a blank.
inline constexpr const char* kMissingFileText = "The file does not exist.";
inline constexpr const char* kSkippedTriggersText =
    "trigger entries named no command of the file and were left out.";
inline constexpr const char* kCannotSaveFileTitle = "Cannot save file";
// Follows the file's name on a line of its own.
inline constexpr const char* kReplaceFileText =
    "This file already exists. Do you want to replace it?";

enum class TSaveChangesAnswer { Yes, No, Cancel };

// What the main window offers the file operations.
class IDocumentFilesView {
public:
    virtual ~IDocumentFilesView() = default;

    // The status bar's first panel: the current file's name, empty for none.
    virtual std::string FileNamePanel() const = 0;
    virtual void SetFileNamePanel(const std::string& name) = 0;

    // The open and save dialogs; no value when the user cancelled.
    virtual std::optional<std::string> AskOpenFileName() = 0;
    virtual std::optional<std::string> AskSaveFileName() = 0;
    // "Save changes to the configuration file?" with Yes, No and Cancel.
    virtual TSaveChangesAnswer AskSaveChanges() = 0;
    // A question with Yes and No; `text` is shown as given.
    virtual bool Confirm(const std::string& text) = 0;
    // A message box with OK and the exclamation icon; both texts are shown as given.
    virtual void ShowFileError(const std::string& text, const std::string& title) = 0;

    // A message box with OK and the information icon.
    virtual void ShowFileNotice(const std::string& text) = 0;
    // The time of a save in the user's short date and long time format.
    virtual std::string SaveDateText() = 0;

    // The message lookup of the main window's translation component.
    virtual std::string Translate(const std::string& english) = 0;

    // The close query stops the input origins, whatever the user answers.
    virtual void CloseOrigins() = 0;
    // The document was replaced or gained nodes: the tree, the layout box and the action page
    // show it anew.
    virtual void DocumentReloaded() = 0;
    // The document's modified flag changed (the Save menu item follows it).
    virtual void ModifiedChanged() = 0;
    virtual void SetBusy(bool busy) = 0;
};

class TDocumentFiles {
public:
    TDocumentFiles(TDocument& document, TSettings& settings, IDocumentFilesView& view);

    void New();
    // The Open menu: asks for a file and opens it.
    void Open();
    // The Import menu: asks for a file and adds its remotes and commands.
    void Import();
    // The start-up load: opens the file named in the status panel without asking anything.
    void LoadNamedFile();
    // False when nothing was saved (no name chosen, or the write failed).
    bool Save();
    bool SaveAs();
    // True when the window may close (also asked by Open, Import and New). The origins stop
    // whatever the answer.
    bool CloseQuery();
    // The save question alone, for a program that gives way to a newer start: refused, the
    // program goes on as it was, its origins running.
    bool SaveQuery();

private:
    enum class TOpenKind { Open, StartUp };
    // Asks about unsaved changes, then for a file; reports a name that does not exist.
    std::optional<std::string> AskExistingFile();
    void OpenPath(const std::string& path, TOpenKind kind);
    void ReportMissing(const std::string& path);
    void ReportLoadFailure(TConfigLoadStatus status, const TFileError& error);
    void ReportSkippedTriggers(int count);
    std::string FileErrorText(const TFileError& error);
    std::string DefaultLayoutName();

    TDocument& document_;
    TSettings& settings_;
    IDocumentFilesView& view_;
};

} // namespace tav
