#include "ui/lang/DirectRead.h"

#include "framework/Text.h"

#include <fstream>
#include <iterator>

namespace tav {

StringList SplitTextLines(std::string_view text) {
    StringList lines;
    while (!text.empty())
        lines.emplace_back(CutTextLine(text));
    return lines;
}

StringList LoadTextLines(const std::string& path) {
    std::string text;
    if (std::ifstream in{path, std::ios::binary})
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return SplitTextLines(text);
}

std::string ReadDirectKey(const StringList& lines, std::string_view key) {
    for (const std::string& line : lines) {
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && AnsiSameText(std::string_view(line).substr(0, eq), key))
            return line.substr(eq + 1);
    }
    return {};
}

std::string ReadDirectKey(const std::string& path, std::string_view key) {
    return ReadDirectKey(LoadTextLines(path), key);
}

} // namespace tav
