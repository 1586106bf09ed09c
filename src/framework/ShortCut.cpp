#include "framework/ShortCut.h"

#include <array>
#include <utility>

namespace tav {
namespace {

// Virtual-key codes, as numbers so this file needs no platform header.
constexpr std::array<std::pair<unsigned, const char*>, 19> kNamedKeys{{
    {0x08, "BkSp"},  {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},   {0x20, "Space"},
    {0x21, "PgUp"},  {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"},  {0x25, "Left"},
    {0x26, "Up"},    {0x27, "Right"}, {0x28, "Down"},  {0x2D, "Ins"},   {0x2E, "Del"},
    {0x6A, "Num *"}, {0x6B, "Num +"}, {0x6D, "Num -"}, {0x6F, "Num /"},
}};

std::string KeyName(unsigned key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87) // F1..F24
        return std::string("F").append(std::to_string(key - 0x6F));
    for (const auto& [code, name] : kNamedKeys)
        if (code == key)
            return name;
    return {};
}

} // namespace

std::string ShortCutToText(TShortCut shortCut) {
    std::string name = KeyName(shortCut & 0xFF);
    if (name.empty())
        return {};
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    text.append(name);
    return text;
}

} // namespace tav
