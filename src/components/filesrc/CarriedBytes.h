#pragma once
// Carried bytes as the program stores them: little-endian 32-bit fields read with a check on
// every read, and the error of bytes that cannot be stored or given back (a missing source
// file, a damaged or cut payload, a size out of range).

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tav {

class ECarriedFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads from the front of carried bytes; a read that finds too few bytes throws.
class TByteReader {
public:
    explicit TByteReader(std::string_view bytes) : rest_(bytes) {}

    std::string_view Read(std::size_t count) {
        if (rest_.size() < count)
            throw ECarriedFileError("The carried data end too early");
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return taken;
    }
    std::int32_t ReadInt32() {
        const std::string_view b = Read(4);
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(b[static_cast<std::size_t>(i)]);
        return static_cast<std::int32_t>(value);
    }

private:
    std::string_view rest_;
};

inline void AppendInt32(std::string& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((bits >> shift) & 0xFF);
}

// Sizes the stored forms hold in signed 32-bit fields.
inline std::int32_t CarriedSize(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw ECarriedFileError("The carried file is too large");
    return static_cast<std::int32_t>(size);
}

} // namespace tav
