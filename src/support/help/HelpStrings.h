#pragma once
// The help modules' small text routines, and the type-safe filling of their log formats.

#include <concepts>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tav::help {

// Replaces the first `find` at or after position `from` (counted from 1); the position of the
// replaced text, 0 when there was none (or `find` is empty).
std::size_t ReplaceFirst(std::string& text, std::string_view find, std::string_view replacement,
                         std::size_t from = 1);
// Replaces every `find` and returns how many. The search goes on after each replacement, so a
// replacement that holds `find` does not make it run forever.
std::size_t ReplaceAll(std::string& text, std::string_view find, std::string_view replacement);
std::string TrimCharLeft(std::string_view text, char c);
std::string TrimCharRight(std::string_view text, char c);
std::string TrimChar(std::string_view text, char c);
std::string RepeatChar(char c, std::size_t count);
std::string BoolToYesNo(bool value);

// The English name of a system error number, as the help reports it ("File Not Found").
std::string_view LastErrorName(unsigned long error);

// A log line's format filled with its arguments: each "%" conversion ("%s", "%d", "%5d"...)
// takes the text of the next argument, whatever its type; "%%" is one "%". A conversion left
// without an argument stays as written.
std::string FillLogFormat(std::string_view format, std::span<const std::string> arguments);

inline std::string LogArgumentText(std::string_view text) {
    return std::string(text);
}
inline std::string LogArgumentText(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}
template <std::integral T> std::string LogArgumentText(T value) {
    return std::to_string(value);
}

// With no arguments the format is the message itself, "%" and all.
template <class... Args> std::string FormatLog(std::string_view format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return std::string(format);
    } else {
        const std::string texts[] = {LogArgumentText(args)...};
        return FillLogFormat(format, texts);
    }
}

} // namespace tav::help
