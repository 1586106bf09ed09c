#include "engine/actions/ProgramFile.h"

#include "framework/Text.h"

#include <array>

namespace tav {

namespace {

bool Quoted(std::string_view file) {
    return file.size() >= 2 && file.front() == '"' && file.back() == '"';
}

} // namespace

bool IsProgramFile(std::string_view file) {
    if (Quoted(file))
        file = file.substr(1, file.size() - 2);
    const auto slash = file.find_last_of("\\/");
    const std::string_view name = slash == std::string_view::npos ? file : file.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string extension = AnsiUpperCase(name.substr(dot + 1));
    constexpr std::array<std::string_view, 3> kPrograms = {"EXE", "COM", "BAT"};
    for (std::string_view program : kPrograms)
        if (extension == program)
            return true;
    return false;
}

std::string ProgramCommandLine(std::string_view file, std::string_view parameters) {
    const bool quote = file.find(' ') != std::string_view::npos && !Quoted(file);
    std::string line;
    if (quote)
        line += '"';
    line += file;
    if (quote)
        line += '"';
    line += ' ';
    line += parameters;
    return line;
}

} // namespace tav
