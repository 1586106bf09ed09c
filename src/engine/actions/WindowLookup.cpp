#include "engine/actions/WindowLookup.h"

#include <algorithm>

namespace tav {

namespace {
bool Contains(std::string_view text, std::string_view part) {
    return !part.empty() && text.find(part) != std::string_view::npos;
}
} // namespace

TTitleOrClassMatch::TTitleOrClassMatch(std::string_view names) : title_(names), className_(names) {
    if (const auto comma = names.find(','); comma != std::string_view::npos) {
        title_ = names.substr(0, comma);
        className_ = names.substr(std::min(comma + 2, names.size()));
    }
}

bool TTitleOrClassMatch::operator()(std::string_view title, std::string_view className) const {
    return Contains(title, title_) || Contains(className, className_);
}

} // namespace tav
