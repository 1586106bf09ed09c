#pragma once
// How the editors take a name from the user and how their questions quote one. The layouts'
// dialogs use the same check and texts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

// What asking for a name needs of the user and of the language.
class INamePrompts {
public:
    virtual ~INamePrompts() = default;
    // A name typed into a text box that shows `name`; none on Cancel.
    virtual std::optional<std::string>
    AskName(const std::string& caption, const std::string& prompt, const std::string& name) = 0;
    // Tells the user why the input is refused (a box with OK).
    virtual void Refuse(const std::string& text) = 0;
    virtual std::string Translate(const std::string& english) = 0;
};

// Refuses an empty name (see IsEmptyName) with the translated message; true when refused.
bool RefusedAsEmpty(INamePrompts& prompts, std::string_view name);

// AskName, with an empty name refused as RefusedAsEmpty does and then taken as Cancel.
std::optional<std::string> AskUsableName(INamePrompts& prompts, const std::string& caption,
                                         const std::string& prompt, const std::string& name);

// The longest name a question quotes whole; a longer one is cut and ends in "...", so the
// message box stays narrower than the screen.
inline constexpr std::size_t kQuotedNameLength = 60;
std::string QuotedName(std::string_view name);

} // namespace tav
