#pragma once
// Translations of a form whose every text is 40 % longer than its English one: no caption may
// be clipped by them.

#include "framework/Text.h"
#include "framework/win32/Forms.h"
#include "ui/lang/FormTranslations.h"

#include <optional>
#include <string>

namespace tav::test {

// A key's component and property: "Form.Component.Property".
struct KeyParts {
    std::string Component;
    std::string Property;
};
inline std::optional<KeyParts> SplitKey(std::string_view key) {
    const StringList parts = SplitString(key, ".");
    if (parts.size() != 3)
        return std::nullopt;
    return KeyParts{parts[1], parts[2]};
}

// Texts 40 % longer than `text`, keeping its mnemonic.
inline std::string Longer(const std::string& text) {
    const size_t extra = (text.size() * 2 + 4) / 5;
    std::string filler;
    for (size_t i = 0; i < extra; ++i)
        filler += "mwa"[i % 3];
    return text + filler;
}

// A language file whose every text is 40 % longer than the form's English one.
inline std::string LongerLanguageFile(TForm& form, const TFormTranslations& table) {
    std::string file = "[Translations]\r\n";
    for (std::string_view key : table.Properties) {
        const auto parts = SplitKey(key);
        TComponent* component = parts ? form.FindComponent(parts->Component) : nullptr;
        const PublishedProperty* p = component ? component->FindProperty(parts->Property) : nullptr;
        if (p == nullptr)
            continue;
        std::string value;
        if (p->kind == PropertyKind::String) {
            value = Longer(p->getString());
        } else if (p->kind == PropertyKind::StringList) {
            for (const std::string& item : p->getList())
                value += (value.empty() ? "" : std::string(table.Separator)) + Longer(item);
        }
        if (!value.empty())
            file += std::string(key) + "=" + value + "\r\n";
    }
    return file;
}

} // namespace tav::test
