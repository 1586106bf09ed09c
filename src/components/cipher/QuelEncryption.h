#pragma once
// A light text obfuscation with a text key: a text becomes upper-case hexadecimal digits led by
// a random byte, so the same text never looks the same twice. Not a strong cipher.

#include "framework/Component.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

enum class TActionType { atEncryption, atDecryption };

class TQuelEncryption : public TComponent {
public:
    // Draws the leading byte of each cipher text.
    using RandomSource = std::function<std::uint8_t()>;

    static constexpr const char* kDefaultKey = "Ina Vok";

    explicit TQuelEncryption(TComponent* owner = nullptr);

    const std::string& Input() const { return input_; }
    void SetInput(const std::string& value);
    const std::string& Output() const { return output_; }
    void SetOutput(const std::string& value);
    const std::string& Key() const { return key_; }
    void SetKey(const std::string& value);
    TActionType Action() const { return action_; }
    void SetAction(TActionType value);

    // Replaces the generator, which otherwise is seeded once when the component is made.
    void SetRandomSource(RandomSource source) { random_ = std::move(source); }

    // Output becomes the result for Input. A cipher text of fewer than three digits, or with
    // any character that is no hexadecimal digit, leaves Output empty and returns false.
    bool Execute();
    // The enciphered or deciphered text; no value for a malformed cipher text.
    std::optional<std::string> Crypt(std::string_view text, std::string_view key, bool encrypt);

private:
    std::string input_;
    std::string output_;
    std::string key_;
    TActionType action_ = TActionType::atEncryption;
    RandomSource random_;
};

} // namespace tav
