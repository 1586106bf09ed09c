#pragma once
// Dotted addresses as the control server's allowed address and mask are stored.

#include "engine/settings/Settings.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tav {

// "192.168.0.1" to 0xC0A80001, the first part in the highest byte. Parts 1 to 3 end before
// the next "."; part 4 is what is left; an empty part counts 0 ("10.1" is 0x0A000001). None
// when a part is not a number or lies outside 0..255.
std::optional<std::uint32_t> IPToInt(std::string_view text);

// The stored address or mask named `name`; a value that does not convert counts as the
// setting's default, so a damaged mask never lets every address in.
std::uint32_t StoredAddress(const TSettings& settings, std::string_view name);

// Whether a peer of dotted address `address` lies in the range the stored allowed address and
// mask ("TCP/IP server IP", "TCP/IP server filter") let in: the servers take no other.
bool AllowedPeer(const TSettings& settings, std::string_view address);

} // namespace tav
