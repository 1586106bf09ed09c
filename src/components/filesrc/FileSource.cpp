#include "components/filesrc/FileSource.h"

#include "components/filesrc/FileData.h"
#include "framework/PlatformFiles.h"
#include "framework/Text.h"

#include <algorithm>
#include <fstream>

namespace tav {

std::string TempFileCandidate(const TTempPlace& place, int n, std::string_view extension) {
    return place.Folder + std::string(kTempFilePrefix) + IntToStr(place.Seconds) + IntToStr(n) +
           std::string(extension);
}

bool IsTempFileName(std::string_view name, std::string_view extension) {
    if (name.size() <= kTempFilePrefix.size() + extension.size() ||
        !AnsiSameText(name.substr(0, kTempFilePrefix.size()), kTempFilePrefix) ||
        !AnsiSameText(name.substr(name.size() - extension.size()), extension))
        return false;
    name = name.substr(kTempFilePrefix.size(),
                       name.size() - kTempFilePrefix.size() - extension.size());
    return std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

TFileSource::TFileSource(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)) {}

TFileSource::~TFileSource() {
    DeleteExtracted();
}

std::string TFileSource::FileName() const {
    return !fileName_.empty() && PathExists(fileName_) ? fileName_ : std::string();
}

void TFileSource::SetFileName(const std::string& path) {
    DeleteExtracted();
    fileName_ = path;
    const std::size_t dot = path.find_last_of(".\\/");
    extension_ = dot != std::string::npos && path[dot] == '.' ? path.substr(dot) : std::string();
}

void TFileSource::DeleteExtracted() {
    hold_.Release();
    if (extracted_)
        RemoveFileWithin(fileName_, kLetGoOfFileMs);
    extracted_ = false;
}

void TFileSource::ReadData(std::string_view payload, const TTempPlace& place) {
    DeleteExtracted();
    fileName_.clear();
    const std::string file = DecodeFileData(payload, compress_);
    // A name left behind by an earlier run, or taken by another program meanwhile, is skipped.
    for (int n = 0;; ++n) {
        const std::string path = TempFileCandidate(place, n, extension_);
        std::string reason;
        switch (WriteNewFile(path, file, reason, &hold_)) {
        case TNewFileResult::Written:
            fileName_ = path;
            extracted_ = true;
            return;
        case TNewFileResult::NameTaken:
            continue;
        case TNewFileResult::CreateFailed:
        case TNewFileResult::WriteFailed:
            throw ECarriedFileError("Cannot write file \"" + path + "\": " + reason);
        }
    }
}

std::string TFileSource::WriteData() const {
    if (FileName().empty())
        throw ECarriedFileError(Name() + " cannot store file: " + fileName_ + " (file is missing)");
    std::ifstream in(fileName_, std::ios::binary | std::ios::ate);
    const std::streamoff size = in.tellg();
    std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in)
        throw ECarriedFileError(Name() + " cannot read file: " + fileName_);
    return EncodeFileData(bytes, compress_);
}

} // namespace tav
