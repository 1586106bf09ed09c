#include "ui/main/DocumentFiles.h"

#include "framework/PlatformFiles.h"

namespace tav {

namespace {
const char* const kLastFileSetting = "LastTVRFile";

// Through the program's own file functions: the standard library's paths do not take the
// program's 8-bit names through the Windows code page. A folder or a device exists: the reader
// refuses it with its error.
bool FileExists(const std::string& path) {
    return !path.empty() && FileKindOf(path) != TFileKind::Missing;
}

// Keeps the busy cursor up for the length of a load or a save.
class TBusy {
public:
    explicit TBusy(IDocumentFilesView& view) : view_(view) { view_.SetBusy(true); }
    ~TBusy() { view_.SetBusy(false); }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    IDocumentFilesView& view_;
};
} // namespace

TDocumentFiles::TDocumentFiles(TDocument& document, TSettings& settings, IDocumentFilesView& view)
    : document_(document), settings_(settings), view_(view) {}

std::string TDocumentFiles::DefaultLayoutName() {
    return view_.Translate("Default");
}

bool TDocumentFiles::CloseQuery() {
    const bool canClose = SaveQuery();
    view_.CloseOrigins();
    return canClose;
}

bool TDocumentFiles::SaveQuery() {
    bool canClose = true;
    if (document_.Modified()) {
        switch (view_.AskSaveChanges()) {
        case TSaveChangesAnswer::Yes:
            // A save that did not happen must not let the unsaved document go.
            canClose = Save();
            break;
        case TSaveChangesAnswer::No:
            break;
        case TSaveChangesAnswer::Cancel:
            canClose = false;
            break;
        }
    }
    return canClose;
}

bool TDocumentFiles::Save() {
    const std::string path = view_.FileNamePanel();
    if (path.empty())
        return SaveAs();
    TConfigSaveResult result;
    {
        TBusy busy(view_);
        TConfigFileInfo info;
        info.Date = view_.SaveDateText();
        result = SaveConfigFile(document_, path, info);
    }
    if (!result.Ok) {
        view_.ShowFileError(FileErrorText(result.Error), view_.Translate(kCannotSaveFileTitle));
        return false;
    }
    document_.SetModified(false);
    view_.ModifiedChanged();
    return true;
}

bool TDocumentFiles::SaveAs() {
    std::optional<std::string> path = view_.AskSaveFileName();
    // As a Windows save dialog does: a No to replacing a file goes back to choosing a name.
    while (path && FileKindOf(*path) == TFileKind::File &&
           !view_.Confirm(*path + "\r\n" + view_.Translate(kReplaceFileText)))
        path = view_.AskSaveFileName();
    if (!path)
        return false;
    view_.SetFileNamePanel(*path);
    settings_.SetStr(kLastFileSetting, *path);
    return Save();
}

void TDocumentFiles::New() {
    if (document_.Modified() && !CloseQuery())
        return;
    document_.Reset();
    view_.SetFileNamePanel("");
    view_.DocumentReloaded();
}

std::optional<std::string> TDocumentFiles::AskExistingFile() {
    if (document_.Modified() && !CloseQuery())
        return std::nullopt;
    std::optional<std::string> path = view_.AskOpenFileName();
    if (path && !FileExists(*path)) {
        ReportMissing(*path);
        return std::nullopt;
    }
    return path;
}

void TDocumentFiles::Open() {
    if (const std::optional<std::string> path = AskExistingFile())
        OpenPath(*path, TOpenKind::Open);
}

void TDocumentFiles::LoadNamedFile() {
    const std::string path = view_.FileNamePanel();
    if (path.empty())
        return;
    if (!FileExists(path)) {
        // The file may be on a drive not mounted yet (at logon): the setting keeps its name for
        // the next start, while the panel forgets it so that no save goes there meanwhile.
        view_.SetFileNamePanel("");
        return;
    }
    OpenPath(path, TOpenKind::StartUp);
}

void TDocumentFiles::OpenPath(const std::string& path, TOpenKind kind) {
    TConfigLoadResult result;
    {
        TBusy busy(view_);
        result = LoadConfigFile(path, [this] { return DefaultLayoutName(); });
    }
    switch (result.Status) {
    case TConfigLoadStatus::Loaded:
        break;
    case TConfigLoadStatus::Missing:
        if (kind == TOpenKind::StartUp)
            view_.SetFileNamePanel(""); // kept in the setting, as above
        else
            ReportMissing(path);
        return;
    case TConfigLoadStatus::NotConfig:
    case TConfigLoadStatus::Unreadable:
        ReportLoadFailure(result.Status, result.Error);
        // At start-up the panel names the file that failed, not the document in use; a save
        // must not go over it. The setting keeps the name, so the next start tries again.
        if (kind == TOpenKind::StartUp)
            view_.SetFileNamePanel("");
        return;
    }
    document_.TakeContentFrom(*result.Document);
    document_.SetModified(false);
    view_.SetFileNamePanel(path);
    if (kind == TOpenKind::Open)
        settings_.SetStr(kLastFileSetting, path);
    view_.DocumentReloaded();
    view_.ModifiedChanged();
    ReportSkippedTriggers(result.SkippedTriggers);
}

void TDocumentFiles::Import() {
    const std::optional<std::string> path = AskExistingFile();
    if (!path)
        return;
    TConfigImportResult result;
    {
        TBusy busy(view_);
        result = ImportConfigFile(*path, document_);
    }
    switch (result.Status) {
    case TConfigLoadStatus::Loaded:
        break;
    case TConfigLoadStatus::Missing:
        ReportMissing(*path);
        return;
    case TConfigLoadStatus::NotConfig:
    case TConfigLoadStatus::Unreadable:
        ReportLoadFailure(result.Status, result.Error);
        return;
    }
    if (result.AddedNodes > 0) {
        view_.DocumentReloaded();
        view_.ModifiedChanged();
    }
}

void TDocumentFiles::ReportMissing(const std::string& path) {
    view_.ShowFileError(path + "\r\n" + view_.Translate(kMissingFileText),
                        view_.Translate(kCannotOpenFileTitle));
}

void TDocumentFiles::ReportLoadFailure(TConfigLoadStatus status, const TFileError& error) {
    const std::string text = status == TConfigLoadStatus::NotConfig
                                 ? view_.Translate(kNotConfigFileText)
                                 : FileErrorText(error);
    view_.ShowFileError(text, view_.Translate(kCannotOpenFileTitle));
}

void TDocumentFiles::ReportSkippedTriggers(int count) {
    if (count > 0)
        view_.ShowFileNotice(std::to_string(count) + " " + view_.Translate(kSkippedTriggersText));
}

std::string TDocumentFiles::FileErrorText(const TFileError& error) {
    // The file's name and the system's reason are shown as they are.
    return error.Text(view_.Translate(error.What));
}

} // namespace tav
