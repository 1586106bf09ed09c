// Feeds arbitrary bytes to the action-string codec: parsing must never fail on them, composing a
// parsed string must give back the very same bytes, a marker that does not start the string
// makes no kind, and describing must cope with every field.

#include "engine/actions/ActionDescription.h"
#include "engine/actions/ActionString.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view s(reinterpret_cast<const char*>(data), size);
    const auto action = tav::ParseAction(s);
    if (!action)
        return 0;
    if (tav::ComposeAction(*action) != s)
        std::abort();
    // Only a marker at the very start makes a kind.
    if (tav::ParseAction(" " + std::string(s)))
        std::abort();
    const bool wellFormed = tav::IsWellFormed(*action);
    const tav::DefaultActionLabels labels;
    const auto caption = tav::DescribeAction(*action, labels);
    if (caption.imageIndex != tav::ActionImageIndex(action->Kind()))
        std::abort();
    // A well-formed string reads every number it stores.
    if (wellFormed && action->delay.value == std::nullopt)
        std::abort();
    return 0;
}
