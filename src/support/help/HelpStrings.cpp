#include "support/help/HelpStrings.h"

#include "support/help/HelpTexts.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace tav::help {

std::size_t ReplaceFirst(std::string& text, std::string_view find, std::string_view replacement,
                         std::size_t from) {
    if (find.empty() || from == 0)
        return 0;
    const std::size_t at = text.find(find, from - 1);
    if (at == std::string::npos)
        return 0;
    text.replace(at, find.size(), replacement);
    return at + 1;
}

std::size_t ReplaceAll(std::string& text, std::string_view find, std::string_view replacement) {
    std::size_t count = 0;
    for (std::size_t at = ReplaceFirst(text, find, replacement); at != 0;
         at = ReplaceFirst(text, find, replacement, at + replacement.size()))
        ++count;
    return count;
}

std::string TrimCharLeft(std::string_view text, char c) {
    const std::size_t first = text.find_first_not_of(c);
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

// The program's texts are single-byte (Windows-1252): no trail byte can look like `c`.
std::string TrimCharRight(std::string_view text, char c) {
    const std::size_t last = text.find_last_not_of(c);
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimChar(std::string_view text, char c) {
    return TrimCharRight(TrimCharLeft(text, c), c);
}

std::string RepeatChar(char c, std::size_t count) {
    return std::string(count, c);
}

std::string BoolToYesNo(bool value) {
    return value ? "YES" : "NO";
}

std::string_view LastErrorName(unsigned long error) {
    struct TErrorName {
        std::initializer_list<unsigned long> Errors;
        std::string_view Name;
    };
    static const TErrorName kNames[] = {
        {{2}, text::FileNotFound},
        {{3}, text::PathNotFound},
        {{5}, text::AccessDenied},
        {{8}, text::InsufficientMemory},
        {{19}, text::WriteProtected},
        {{21}, text::DeviceNotReady},
        {{32, 33}, text::FileInUse},
        {{39, 112}, text::DiskFull},
        {{276, 1005, 1392, 1393}, text::CorruptFileOrDisk},
        {{1009, 1358}, text::CorruptRegistry},
        {{1150}, text::WrongWindowsVersion},
        {{1151}, text::NotAProgram},
    };
    for (const TErrorName& entry : kNames)
        if (std::find(entry.Errors.begin(), entry.Errors.end(), error) != entry.Errors.end())
            return entry.Name;
    return text::GeneralFailure;
}

std::string FillLogFormat(std::string_view format, std::span<const std::string> arguments) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // Flags, width and precision, then the conversion letter.
        std::size_t end = i + 1;
        while (end < format.size() && (std::isdigit(static_cast<unsigned char>(format[end])) ||
                                       format[end] == '-' || format[end] == '.'))
            ++end;
        const bool conversion =
            end < format.size() && std::isalpha(static_cast<unsigned char>(format[end]));
        if (!conversion || next == arguments.size()) {
            out += format[i];
            continue;
        }
        out += arguments[next++];
        i = end;
    }
    return out;
}

} // namespace tav::help
