#include "ui/main/MenuCaption.h"

#include <algorithm>

namespace tav {

std::string StripMenuCaption(std::string_view caption) {
    std::string text(caption);
    if (const std::size_t amp = text.find('&'); amp != std::string::npos)
        text.erase(amp, 1);
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return text;
    return text.substr(0, std::min(colon, text.find('.')));
}

} // namespace tav
