#include "framework/Component.h"

#include "framework/Text.h"

#include <algorithm>

namespace tav {

TComponent::TComponent(TComponent* owner, std::string name) : name_(std::move(name)) {
    if (owner != nullptr)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    // Owned components are freed last-created first, as each may refer to earlier ones.
    while (!components_.empty()) {
        TComponent* child = components_.back();
        delete child; // removes itself from components_
    }
    if (owner_ != nullptr)
        owner_->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* child) {
    child->owner_ = this;
    components_.push_back(child);
    ComponentInserted(child);
}

void TComponent::RemoveComponent(TComponent* child) {
    auto it = std::find(components_.begin(), components_.end(), child);
    if (it == components_.end())
        return;
    components_.erase(it);
    child->owner_ = nullptr;
    if (!destroying_)
        ComponentRemoved(child);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (TComponent* c : components_)
        if (AnsiSameText(c->Name(), name))
            return c;
    return nullptr;
}

const PublishedProperty* TComponent::FindProperty(std::string_view name) const {
    for (const auto& [propName, prop] : properties_)
        if (AnsiSameText(propName, name))
            return &prop;
    return nullptr;
}

PropertyKind TComponent::PropertyKindOf(std::string_view name) const {
    const PublishedProperty* p = FindProperty(name);
    return p == nullptr ? PropertyKind::None : p->kind;
}

void TComponent::Publish(std::string name, PublishedProperty property) {
    for (auto& [propName, prop] : properties_) {
        if (AnsiSameText(propName, name)) {
            prop = std::move(property);
            return;
        }
    }
    properties_.emplace_back(std::move(name), std::move(property));
}

void TComponent::PublishString(std::string name, std::function<std::string()> get,
                               std::function<void(const std::string&)> set) {
    PublishedProperty p;
    p.kind = PropertyKind::String;
    p.getString = std::move(get);
    p.setString = std::move(set);
    Publish(std::move(name), std::move(p));
}

void TComponent::PublishInteger(std::string name, std::function<int()> get,
                                std::function<void(int)> set) {
    PublishedProperty p;
    p.kind = PropertyKind::Integer;
    p.getInteger = std::move(get);
    p.setInteger = std::move(set);
    Publish(std::move(name), std::move(p));
}

void TComponent::PublishList(std::string name, std::function<StringList()> get,
                             std::function<void(const StringList&)> set) {
    PublishedProperty p;
    p.kind = PropertyKind::StringList;
    p.getList = std::move(get);
    p.setList = std::move(set);
    Publish(std::move(name), std::move(p));
}

} // namespace tav
