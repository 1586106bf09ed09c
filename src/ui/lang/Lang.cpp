#include "ui/lang/Lang.h"

#include "framework/Text.h"
#include "ui/lang/PortableProfileFile.h"

namespace tav {

namespace {

TComponent* gApplicationObject = nullptr;

TProfileOpener& Opener() {
    static TProfileOpener opener = &TPortableProfileFile::Open;
    return opener;
}

} // namespace

TLanguage::TLanguage(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {
    PublishString(
        "LanguageFile", [this] { return languageFile_; },
        [this](const std::string& v) { SetLanguageFile(v); });
    PublishList(
        "Properties", [this] { return properties_; },
        [this](const StringList& v) { SetProperties(v); });
    PublishString(
        "Separator", [this] { return separator_; },
        [this](const std::string& v) { SetSeparator(v); });
}

void TLanguage::SetApplicationObject(TComponent* application) {
    gApplicationObject = application;
}

TComponent* TLanguage::ApplicationObject() {
    return gApplicationObject;
}

void TLanguage::SetProfileOpener(TProfileOpener opener) {
    Opener() = std::move(opener);
}

void TLanguage::SetLanguageFile(const std::string& value) {
    if (value == languageFile_)
        return;
    languageFile_ = value;
    if (autoTranslate_ && !Loading())
        Translate();
}

void TLanguage::SetSeparator(const std::string& value) {
    separator_ = Trim(value).empty() ? std::string(",") : value;
}

namespace {

// The owning form answers the pass's changes once, at its end.
class TUpdateScope {
public:
    explicit TUpdateScope(TComponent* component) : component_(component) {
        if (component_ != nullptr)
            component_->BeginUpdate();
    }
    ~TUpdateScope() {
        if (component_ != nullptr)
            component_->EndUpdate();
    }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TComponent* component_;
};

} // namespace

void TLanguage::Translate() {
    if (OnBeforeTranslation)
        OnBeforeTranslation(this);
    {
        const TUpdateScope update(Owner());
        const std::unique_ptr<TProfileFile> file =
            languageFile_.empty() ? nullptr : Opener()(languageFile_);
        // A handler may change Properties during the pass; the pass runs over the lines it
        // started with.
        const StringList lines = properties_;
        for (const std::string& line : lines) {
            if (Trim(line).empty())
                continue;
            ApplyTranslation(line, file ? file->ReadString("Translations", line) : std::string());
        }
    }
    if (OnAfterTranslation)
        OnAfterTranslation(this);
}

std::string TLanguage::GetMessageText(std::string_view msg) const {
    if (languageFile_.empty())
        return std::string(msg);
    std::string text = Opener()(languageFile_)->ReadString("Messages", msg);
    return text.empty() ? std::string(msg) : text;
}

void TLanguage::ApplyTranslation(std::string path, std::string value) {
    path = Trim(path);
    value = ReplaceAll(value, "~", "\t");
    TComponent* target = ApplicationObject();
    while (!IsLastSegment(path)) {
        std::string head;
        SplitPathHead(path, head);
        target = FindOwnedComponent(Owner(), head);
    }
    if (target == nullptr || value.empty())
        return;
    if (OnTranslate) {
        const std::string oldValue = GetPropertyValue(target, path);
        OnTranslate(this, target, path, oldValue, value);
    }
    SetPropertyValue(target, path, value);
}

void TLanguage::SplitPathHead(std::string& path, std::string& head) {
    const std::size_t dot = path.find('.');
    if (dot == std::string::npos) {
        head = Trim(path);
        path.clear();
        return;
    }
    head = Trim(std::string_view(path).substr(0, dot));
    path = Trim(std::string_view(path).substr(dot + 1));
}

bool TLanguage::IsLastSegment(std::string_view path) {
    return path.find('.') == std::string_view::npos;
}

TComponent* TLanguage::FindOwnedComponent(const TComponent* owner, std::string_view name) {
    return owner == nullptr ? nullptr : owner->FindComponent(name);
}

void TLanguage::SetPropertyValue(TComponent* instance, std::string_view propName,
                                 const std::string& value) {
    if (instance == nullptr)
        return;
    const PublishedProperty* property = instance->FindProperty(propName);
    if (property == nullptr)
        return;
    switch (property->kind) {
    case PropertyKind::String:
        if (property->setString)
            property->setString(value);
        break;
    case PropertyKind::Integer:
        if (const std::optional<std::int32_t> number = TryStrToInt(value);
            number && property->setInteger)
            property->setInteger(*number);
        break;
    case PropertyKind::StringList:
        SetListProperty(instance, *property, value);
        break;
    case PropertyKind::None:
        break;
    }
}

std::string TLanguage::GetPropertyValue(const TComponent* instance, std::string_view propName) {
    if (!IsStringProperty(instance, propName))
        return {};
    const PublishedProperty* property = instance->FindProperty(propName);
    return property->getString ? property->getString() : std::string();
}

bool TLanguage::IsStringProperty(const TComponent* instance, std::string_view propName) {
    return instance != nullptr && instance->PropertyKindOf(propName) == PropertyKind::String;
}

bool TLanguage::IsIntegerProperty(const TComponent* instance, std::string_view propName) {
    return instance != nullptr && instance->PropertyKindOf(propName) == PropertyKind::Integer;
}

void TLanguage::SetListProperty(TComponent* instance, const PublishedProperty& property,
                                const std::string& value) {
    StringList items;
    std::string rest = value;
    if (!separator_.empty()) {
        for (std::size_t at = rest.find(separator_); at != std::string::npos;
             at = rest.find(separator_)) {
            items.push_back(Trim(std::string_view(rest).substr(0, at)));
            rest.erase(0, at + separator_.size());
        }
    }
    if (std::string last = Trim(rest); !last.empty())
        items.push_back(std::move(last));
    if (!property.getList || !property.setList || property.getList().size() != items.size())
        return;
    const PublishedProperty* selection =
        IsIntegerProperty(instance, "ItemIndex") ? instance->FindProperty("ItemIndex") : nullptr;
    const bool keepSelection = selection && selection->getInteger && selection->setInteger;
    const int selected = keepSelection ? selection->getInteger() : -1;
    property.setList(items);
    if (keepSelection)
        selection->setInteger(selected);
}

} // namespace tav
