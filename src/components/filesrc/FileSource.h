#pragma once
// A whole file carried inside the program. When the program starts, the carried bytes go to a
// new temporary file that lives as long as the component, and the program loads that file; when
// the program is built, the same component turns the file on disk into the bytes to carry.

#include "framework/Component.h"
#include "framework/PlatformFiles.h"

#include <string>
#include <string_view>

namespace tav {

// Where and when a carried file is extracted.
struct TTempPlace {
    std::string Folder; // the temporary folder, ending in its separator
    int Seconds = 0;    // the seconds of the clock, 0 to 59
};

inline constexpr std::string_view kTempFilePrefix = "~fs";
// The n-th name an extraction tries: "~fs", the seconds and n, then the extension.
std::string TempFileCandidate(const TTempPlace& place, int n, std::string_view extension);
// Whether a file's name (without its folder) is one that an extraction gives, in any case.
bool IsTempFileName(std::string_view name, std::string_view extension);

// How long the component waits at its end for other programs to let go of its file.
inline constexpr unsigned kLetGoOfFileMs = 2000;

class TFileSource : public TComponent {
public:
    TFileSource(TComponent* owner, std::string name);
    // Deletes the file this component extracted, waiting a moment for a program that still
    // holds it.
    ~TFileSource() override;

    // The carried bytes are in the compressed form.
    bool Compress() const { return compress_; }
    void SetCompress(bool compress) { compress_ = compress; }
    // With its dot; the extracted file gets it.
    const std::string& Extension() const { return extension_; }
    void SetExtension(std::string extension) { extension_ = std::move(extension); }
    // The file's path while a file of that name exists, else empty.
    std::string FileName() const;
    // Names another file and takes its extension; a file this component extracted goes first.
    void SetFileName(const std::string& path);

    // Writes the file that `payload` carries to the first free name of `place`, creating it
    // only while that name is free and writing it through the same handle, and keeps it open
    // so that another instance's sweep of files left behind cannot delete it. On failure
    // (ECarriedFileError) no file is left and FileName stays empty.
    void ReadData(std::string_view payload, const TTempPlace& place);
    // The payload that carries the named file. Throws ECarriedFileError when it is missing or
    // cannot be read.
    std::string WriteData() const;

private:
    void DeleteExtracted();

    bool compress_ = false;
    std::string extension_;
    std::string fileName_;
    // This component made the named file and deletes it.
    bool extracted_ = false;
    TFileHold hold_;
};

} // namespace tav
