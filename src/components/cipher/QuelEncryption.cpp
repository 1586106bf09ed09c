#include "components/cipher/QuelEncryption.h"

#include "framework/Text.h"

#include <memory>
#include <random>

namespace tav {

namespace {

// Decodes pairs of hexadecimal digits; a lone last digit is a value of its own. No value for a
// non-digit.
std::optional<std::string> HexBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() / 2 + 1);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int value = 0;
        for (char c : text.substr(i, 2)) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + digit;
        }
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

} // namespace

TQuelEncryption::TQuelEncryption(TComponent* owner) : TComponent(owner) {
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    random_ = [engine] {
        return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(*engine));
    };
    PublishString(
        "Input", [this] { return input_; }, [this](const std::string& v) { SetInput(v); });
    PublishString(
        "Output", [this] { return output_; }, [this](const std::string& v) { SetOutput(v); });
    PublishString(
        "Key", [this] { return key_; }, [this](const std::string& v) { SetKey(v); });
    PublishInteger(
        "Action", [this] { return static_cast<int>(action_); },
        [this](int v) {
            SetAction(v == 0 ? TActionType::atEncryption : TActionType::atDecryption);
        });
}

void TQuelEncryption::SetInput(const std::string& value) {
    if (value != input_)
        input_ = value;
}

void TQuelEncryption::SetOutput(const std::string& value) {
    if (value != output_)
        output_ = value;
}

void TQuelEncryption::SetKey(const std::string& value) {
    if (value != key_)
        key_ = value;
}

void TQuelEncryption::SetAction(TActionType value) {
    if (value != action_)
        action_ = value;
}

bool TQuelEncryption::Execute() {
    if (input_.empty()) {
        output_.clear();
        return true;
    }
    auto result = Crypt(input_, key_, action_ == TActionType::atEncryption);
    output_ = result.value_or(std::string());
    return result.has_value();
}

std::optional<std::string> TQuelEncryption::Crypt(std::string_view text, std::string_view key,
                                                  bool encrypt) {
    if (key.empty())
        key = kDefaultKey;
    std::size_t k = 0;
    auto nextKey = [&] {
        const unsigned value = static_cast<unsigned char>(key[k]);
        k = (k + 1) % key.size();
        return value;
    };

    if (encrypt) {
        unsigned b = random_();
        std::string out = IntToHex(static_cast<std::int32_t>(b), 2);
        for (char c : text) {
            b = ((b + static_cast<unsigned char>(c)) % 255) ^ nextKey();
            out += IntToHex(static_cast<std::int32_t>(b), 2);
        }
        return out;
    }

    // The leading byte and at least one more digit; shorter texts hold no character.
    const auto bytes = text.size() < 3 ? std::nullopt : HexBytes(text);
    if (!bytes)
        return std::nullopt;
    unsigned b = static_cast<unsigned char>((*bytes)[0]);
    std::string out;
    out.reserve(bytes->size() - 1);
    for (std::size_t i = 1; i < bytes->size(); ++i) {
        const unsigned c = static_cast<unsigned char>((*bytes)[i]);
        const unsigned d = c ^ nextKey();
        // Enciphering adds modulo 255, so a difference of 0 stands for the code 255.
        const unsigned plain = (d + 255 * 2 - b) % 255;
        out.push_back(static_cast<char>(plain == 0 ? 255 : plain));
        b = c;
    }
    return out;
}

} // namespace tav
