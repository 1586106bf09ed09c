#pragma once
// The language files: one "<name>.lng" per language in the folder "Lang" of the program's
// folder. The language's name is the file's name without its extension ".lng".

#include <string>
#include <string_view>
#include <vector>

namespace tav {

class TLanguageFolder {
public:
    // `programFolder` is the folder of the program, with or without a final separator.
    explicit TLanguageFolder(std::string_view programFolder);

    // The folder of the language files, ending in a separator.
    const std::string& Path() const { return path_; }
    // The names of the languages found there, in the order of their file names (letter case
    // ignored); none when the folder does not exist.
    std::vector<std::string> Names() const;
    // The language file of `name`, and whether that file exists: a name that is no plain file
    // name (one with a folder or a drive in it) has none.
    std::string FileOf(std::string_view name) const;
    bool HasFile(std::string_view name) const;

private:
    std::string path_;
};

} // namespace tav
