#include "ui/lang/LanguageFolder.h"

#include "framework/Text.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace tav {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

constexpr std::string_view kExtension = ".lng";

bool IsFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Only a plain file name stays inside the folder: a separator or a drive would reach out of it.
bool IsPlainFileName(std::string_view name) {
    return name.find_first_of("\\/:") == std::string_view::npos;
}

bool HasLanguageExtension(std::string_view fileName) {
    return fileName.size() > kExtension.size() &&
           AnsiSameText(fileName.substr(fileName.size() - kExtension.size()), kExtension);
}

} // namespace

TLanguageFolder::TLanguageFolder(std::string_view programFolder) : path_(programFolder) {
    if (!path_.empty() && path_.back() != '/' && path_.back() != '\\')
        path_ += kSeparator;
    path_ += "Lang";
    path_ += kSeparator;
}

std::vector<std::string> TLanguageFolder::Names() const {
    std::vector<std::string> files;
    if (DIR* dir = opendir(path_.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (HasLanguageExtension(name) && IsFile(path_ + name))
                files.push_back(name);
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end(),
              [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; });
    // "pt.br.lng" is the language "pt.br": only the extension goes.
    for (std::string& name : files)
        name.resize(name.size() - kExtension.size());
    return files;
}

std::string TLanguageFolder::FileOf(std::string_view name) const {
    return path_ + std::string(name) + std::string(kExtension);
}

bool TLanguageFolder::HasFile(std::string_view name) const {
    return IsPlainFileName(name) && IsFile(FileOf(name));
}

} // namespace tav
