#pragma once
// The optional password that guards the way back from the tray. The registry value "Restore"
// holds it enciphered with the string cipher and the key below; empty means no protection.

#include <string>

namespace tav {

// The ANSI bytes of the key; both "\xF1" are the letter n with a tilde.
inline constexpr const char* kSettingsProtectionKey = "kq7h2vwpe5r\xF1lymct3zb\xF1";

enum class TPasswordCheck {
    Right,
    Wrong,
    // The stored value is no cipher text: no password can match it, and only clearing the
    // value lifts the protection.
    Corrupt,
};

// The text "Restore" holds for the password `typed` (letter case kept); the empty password
// gives the empty text, which is no protection.
std::string EncipherRestorePassword(const std::string& typed);

// Deciphers `stored` (the value of "Restore") and compares it with `typed`, letter case
// included. An empty stored value deciphers to the empty text.
TPasswordCheck CheckRestorePassword(const std::string& stored, const std::string& typed);

} // namespace tav
