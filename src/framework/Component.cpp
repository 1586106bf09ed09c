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
    // Those that asked are told first, while this component is still whole.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        std::erase(other->freeNotifies_, this);
        other->Notification(this, TOperation::Remove);
    }
    // Owned components are freed last-created first, as each may refer to earlier ones.
    while (!components_.empty()) {
        TComponent* child = components_.back();
        delete child; // removes itself from components_
    }
    if (owner_ != nullptr)
        owner_->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* child) {
    if (child->owner_ != nullptr)
        child->owner_->RemoveComponent(child);
    child->owner_ = this;
    components_.push_back(child);
    Notification(child, TOperation::Insert);
}

void TComponent::RemoveComponent(TComponent* child) {
    auto it = std::find(components_.begin(), components_.end(), child);
    if (it == components_.end())
        return;
    components_.erase(it);
    if (!destroying_)
        Notification(child, TOperation::Remove);
    child->owner_ = nullptr;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::Remove) {
        RemoveFreeNotification(component);
        const std::vector<TComponentRefBase*> refs = refs_;
        for (TComponentRefBase* ref : refs) {
            if (ref->target_ != component ||
                std::find(refs_.begin(), refs_.end(), ref) == refs_.end())
                continue;
            ref->target_ = nullptr;
            ref->typed_ = nullptr;
            if (ref->onCleared_)
                ref->onCleared_();
        }
    }
    // A handler may free components; walk a copy and skip those gone meanwhile.
    const std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned)
        if (std::find(components_.begin(), components_.end(), c) != components_.end())
            c->Notification(component, operation);
}

void TComponent::FreeNotification(TComponent* other) {
    if (other == nullptr || other == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
        freeNotifies_.push_back(other);
        other->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (other == nullptr)
        return;
    std::erase(freeNotifies_, other);
    std::erase(other->freeNotifies_, this);
}

bool TComponent::CanFireEvents() const {
    for (const TComponent* c = this; c != nullptr; c = c->owner_)
        if (c->destroying_ || c->loading_)
            return false;
    return true;
}

TComponentRefBase::TComponentRefBase(TComponent* holder, std::function<void()> onCleared)
    : holder_(holder), onCleared_(std::move(onCleared)) {
    holder_->refs_.push_back(this);
}

TComponentRefBase::~TComponentRefBase() {
    Set(nullptr, nullptr);
    std::erase(holder_->refs_, this);
}

void TComponentRefBase::Set(TComponent* target, void* typed) {
    typed_ = typed;
    TComponent* old = std::exchange(target_, target);
    if (old == target)
        return;
    // The holder stops listening only when none of its references names the old one.
    if (old != nullptr &&
        std::none_of(holder_->refs_.begin(), holder_->refs_.end(),
                     [old](const TComponentRefBase* r) { return r->target_ == old; }))
        holder_->RemoveFreeNotification(old);
    if (target != nullptr)
        holder_->FreeNotification(target);
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
