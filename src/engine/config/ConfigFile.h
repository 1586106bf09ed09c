#pragma once
// The configuration file (extension "tvr"): the commands tree, the layouts and their action
// items in INI form. Version 4 is written and read; the older version 3 is read only.
//
// A load builds a fresh document and hands it over only when the file is a readable
// configuration file, so a bad file never touches the document in use. A save writes a new file
// beside the old one and swaps it in only when it was written whole, keeping the previous file
// as ".bak".

#include "engine/document/Document.h"
#include "framework/FileError.h"

#include <memory>
#include <string>
#include <string_view>

namespace tav {

// Texts of the system, passed through the translation before they are shown.
inline constexpr const char* kNotConfigFileText =
    "The selected file is not a Tavrilo configuration file type.";
inline constexpr const char* kCannotOpenFileTitle = "Cannot open file";

inline constexpr const char* kConfigProgramCaption = "Tavrilo 4.0b";
inline constexpr const char* kConfigWebAddress = "http://www.tavrilo.example";

enum class TConfigLoadStatus {
    Loaded,
    Missing,    // no such file (or no name): forget the name, keep the document
    NotConfig,  // not a configuration file of a version this program reads
    Unreadable, // the file exists but could not be read
};

struct TConfigLoadResult {
    TConfigLoadStatus Status = TConfigLoadStatus::Missing;
    // The loaded document (not modified); set only for Loaded.
    std::unique_ptr<TDocument> Document;
    // Unreadable: what went wrong. NotConfig is told by kNotConfigFileText and
    // kCannotOpenFileTitle.
    TFileError Error;
    // Trigger references that named no node and were left out.
    int SkippedTriggers = 0;
};

struct TConfigImportResult {
    TConfigLoadStatus Status = TConfigLoadStatus::Missing;
    TFileError Error; // as for a load
    int AddedNodes = 0;
};

struct TConfigSaveResult {
    bool Ok = false;
    TFileError Error; // what went wrong when not Ok
};

// Values of the "[File information]" section that the reader never uses.
struct TConfigFileInfo {
    std::string Program = kConfigProgramCaption;
    std::string Web = kConfigWebAddress;
    std::string Date; // the time of the save in the user's short date and long time format
};

// Open and the start-up load. `defaultLayoutName` names the fresh document's default layout.
TConfigLoadResult LoadConfigFile(const std::string& path, TDocument::NameSource defaultLayoutName);
// The same from the file's bytes.
TConfigLoadResult ParseConfig(std::string_view bytes, TDocument::NameSource defaultLayoutName);

// Adds the file's remotes and commands after those of `document`; its layouts are ignored.
// The document changes only when the file could be read.
TConfigImportResult ImportConfigFile(const std::string& path, TDocument& document);

// The bytes of the version-4 file for `document`.
std::string FormatConfig(const TDocument& document, const TConfigFileInfo& info);
// Writes `document` to `path`; a copy of the previous file becomes `path` + ".bak". On failure
// the file at `path` is left as it was. The document's modified flag is not touched: the caller
// clears it on success.
TConfigSaveResult SaveConfigFile(const TDocument& document, const std::string& path,
                                 const TConfigFileInfo& info);

} // namespace tav
