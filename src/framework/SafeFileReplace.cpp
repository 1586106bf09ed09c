#include "framework/SafeFileReplace.h"

#include "framework/PlatformFiles.h"

namespace tav {

namespace {

std::string SavingFileName(const std::string& path) {
    return path + ".saving";
}

} // namespace

std::optional<TFileError> ReplaceFileSafely(const std::string& path, std::string_view bytes,
                                            TBackup backup) {
    if (IsFolder(path))
        return TFileError{kCannotWriteOverFolderText, path, {}};
    // The user marked it so that it stays as it is; replacing it would get round that.
    if (IsReadOnlyFile(path))
        return TFileError{kCannotWriteOverReadOnlyText, path, {}};

    // A file of this name is what a save cut short left behind.
    const std::string saving = SavingFileName(path);
    if (FileKindOf(saving) == TFileKind::File)
        RemoveFile(saving);
    std::string reason;
    switch (WriteNewFile(saving, bytes, reason)) {
    case TNewFileResult::Written:
        break;
    case TNewFileResult::NameTaken:
    case TNewFileResult::CreateFailed:
        return TFileError{kCannotCreateFileText, saving, reason};
    case TNewFileResult::WriteFailed:
        return TFileError{kCannotWriteFileText, saving, reason};
    }

    // The old file keeps its name until the new one takes it over in one step, so that no
    // moment leaves the name without a file; its backup is therefore a copy.
    if (backup == TBackup::Keep && PathExists(path)) {
        const std::string backupPath = path + ".bak";
        if (!CopyFileOver(path, backupPath, reason)) {
            RemoveFile(saving);
            return TFileError{kCannotCreateFileText, backupPath, reason};
        }
    }
    if (!RenameOver(saving, path, reason)) {
        RemoveFile(saving);
        return TFileError{kCannotRenameFileText, saving, reason};
    }
    return std::nullopt;
}

} // namespace tav
