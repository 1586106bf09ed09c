#include "engine/document/Names.h"

namespace tav {

bool IsEmptyName(std::string_view name) {
    return name.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace tav
