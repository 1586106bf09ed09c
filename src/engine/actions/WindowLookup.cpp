#include "engine/actions/WindowLookup.h"

#include <algorithm>

namespace tav {

namespace {
bool Contains(std::string_view text, std::string_view part) {
    return !part.empty() && text.find(part) != std::string_view::npos;
}
} // namespace

TWindowHandle FindWindowByTitleOrClass(std::string_view names,
                                       std::span<const TTopWindow> windows) {
    std::string_view title = names;
    std::string_view className = names;
    if (const auto comma = names.find(','); comma != std::string_view::npos) {
        title = names.substr(0, comma);
        className = names.substr(std::min(comma + 2, names.size()));
    }
    for (const TTopWindow& w : windows)
        if (Contains(w.Title, title) || Contains(w.ClassName, className))
            return w.Handle;
    return 0;
}

} // namespace tav
