#include "engine/serial/ValuePacker.h"

#include <cstdint>

namespace tav {

void TValuePacker::Pack(std::string_view bytes, int valueSize, TReceivedCode& code) {
    waiting_.append(bytes);
    const auto size = static_cast<std::size_t>(valueSize);
    std::size_t used = 0;
    for (; waiting_.size() - used >= size; used += size) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value = (value << 8) | static_cast<std::uint8_t>(waiting_[used + i]);
        // Four bytes with the top bit set make a negative value, as the stored codes have it.
        code.AppendUpTo1000(static_cast<std::int32_t>(value));
    }
    waiting_.erase(0, used);
}

} // namespace tav
