#include "framework/SafeFileReplace.h"

#include "framework/PlatformFiles.h"

namespace tav {

namespace {

// Names tried for the temporary file before giving up; each one that exists is passed over.
constexpr int kTemporaryNames = 100;

std::string TemporaryName(const std::string& path, int attempt) {
    return path + ".new" + (attempt == 0 ? std::string() : std::to_string(attempt));
}

// Writes the temporary file under the first free name; its name on success.
std::optional<TFileError> WriteTemporary(const std::string& path, std::string_view bytes,
                                         std::string& temporary) {
    std::string reason;
    for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
        temporary = TemporaryName(path, attempt);
        switch (WriteNewFile(temporary, bytes, reason)) {
        case TNewFileResult::Written:
            return std::nullopt;
        case TNewFileResult::NameTaken:
            continue;
        case TNewFileResult::CreateFailed:
            return TFileError{kCannotCreateFileText, temporary, reason};
        case TNewFileResult::WriteFailed:
            return TFileError{kCannotWriteFileText, temporary, reason};
        }
    }
    return TFileError{kCannotCreateFileText, temporary, reason};
}

} // namespace

std::optional<TFileError> ReplaceFileSafely(const std::string& path, std::string_view bytes,
                                            TBackup backup) {
    if (IsFolder(path))
        return TFileError{kCannotWriteOverFolderText, path, {}};
    // The user marked it so that it stays as it is; renaming it aside would get round that.
    if (IsReadOnlyFile(path))
        return TFileError{kCannotWriteOverReadOnlyText, path, {}};
    std::string temporary;
    if (auto error = WriteTemporary(path, bytes, temporary))
        return error;

    const std::string backupPath = path + ".bak";
    const bool rotate = backup == TBackup::Keep && PathExists(path);
    std::string reason;
    if (rotate && !RenameOver(path, backupPath, reason)) {
        RemoveFile(temporary);
        return TFileError{kCannotRenameFileText, path, reason};
    }
    if (!RenameOver(temporary, path, reason)) {
        std::string ignored;
        if (rotate)
            RenameOver(backupPath, path, ignored);
        RemoveFile(temporary);
        return TFileError{kCannotRenameFileText, temporary, reason};
    }
    return std::nullopt;
}

} // namespace tav
