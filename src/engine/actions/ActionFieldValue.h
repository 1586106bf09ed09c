#pragma once
// The value of a field the executor cannot do without.

#include "engine/actions/ActionExecutor.h"

#include <string>
#include <string_view>

namespace tav {

template <typename T> T Required(const ActionField<T>& field, std::string_view name) {
    if (!field.Valid())
        throw EActionError("The action's field " + std::string(name) +
                           " does not hold a valid value: \"" + field.text + "\"");
    return *field.value;
}

} // namespace tav
