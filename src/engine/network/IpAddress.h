#pragma once
// Dotted addresses as the control server's allowed address and mask are stored.

#include "engine/settings/Settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

// The four parts of a dotted address: parts 1 to 3 end before the next "."; part 4 is what is
// left. A missing "." makes that part empty and leaves the rest for the parts after it ("10.1"
// gives "10", "", "", "1").
std::array<std::string, 4> SplitAddress(std::string_view text);

// What an address field may hold: nothing (it counts 0), or a decimal number from 0 to 255.
bool ValidAddressPart(std::string_view part);

// The stored address or mask named `name` in the four fields that show it; when a part is not
// one a field may hold, the whole value counts as the setting's default.
std::array<std::string, 4> StoredAddressParts(const TSettings& settings, std::string_view name);

// "192.168.0.1" to 0xC0A80001, the first part in the highest byte, the parts as SplitAddress
// cuts them; an empty part counts 0 ("10.1" is 0x0A000001). None when a part is not a number or
// lies outside 0..255.
std::optional<std::uint32_t> IPToInt(std::string_view text);

// The stored address or mask named `name`; a value that does not convert counts as the
// setting's default, so a damaged mask never lets every address in.
std::uint32_t StoredAddress(const TSettings& settings, std::string_view name);

// Whether a peer of dotted address `address` lies in the range the stored allowed address and
// mask ("TCP/IP server IP", "TCP/IP server filter") let in: the servers take no other.
bool AllowedPeer(const TSettings& settings, std::string_view address);

} // namespace tav
