#pragma once
// The portable base of every component: an owner that frees what it owns, a name, lookup of
// owned components by name, and published properties reachable by name (the translation
// component sets captions and item lists through them).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Base of everything that can be an event's sender.
class TObject {
public:
    virtual ~TObject() = default;
};

// What a component is told about another one.
enum class TOperation { Insert, Remove };

enum class PropertyKind { None, String, Integer, StringList };

using StringList = std::vector<std::string>;

// One published property: its kind and the accessors of that kind.
struct PublishedProperty {
    PropertyKind kind = PropertyKind::None;
    std::function<std::string()> getString;
    std::function<void(const std::string&)> setString;
    std::function<int()> getInteger;
    std::function<void(int)> setInteger;
    std::function<StringList()> getList;
    std::function<void(const StringList&)> setList;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner = nullptr, std::string name = {});
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent(TComponent&&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Makes this component the owner of `child` (taking it from its previous owner).
    void InsertComponent(TComponent* child);
    void RemoveComponent(TComponent* child);

    // Owned components in creation order.
    const std::vector<TComponent*>& Components() const { return components_; }
    // First owned component whose name equals `name` without regard to letter case.
    TComponent* FindComponent(std::string_view name) const;

    // True while the component is being built from stored data; setters that would act
    // (start a translation, open a device) wait until loading ends.
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }

    // Published properties, looked up without regard to letter case.
    const PublishedProperty* FindProperty(std::string_view name) const;
    PropertyKind PropertyKindOf(std::string_view name) const;

    // Makes this component and `other` tell each other (Notification with Remove) when either
    // is destroyed, also when they have different owners.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // True from the start of destruction on.
    bool Destroying() const { return destroying_; }

    // Told when a component is inserted into or removed from the owner of this one (or any
    // owner above it), and when a component this one asked about is destroyed. The base
    // passes the notice on to every owned component.
    virtual void Notification(TComponent* component, TOperation operation);

    int Tag = 0;

protected:
    // Used by derived classes in their constructors to publish a property.
    void Publish(std::string name, PublishedProperty property);
    void PublishString(std::string name, std::function<std::string()> get,
                       std::function<void(const std::string&)> set);
    void PublishInteger(std::string name, std::function<int()> get, std::function<void(int)> set);
    void PublishList(std::string name, std::function<StringList()> get,
                     std::function<void(const StringList&)> set);

private:
    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::vector<std::pair<std::string, PublishedProperty>> properties_;
    bool loading_ = false;
    bool destroying_ = false;
};

} // namespace tav
