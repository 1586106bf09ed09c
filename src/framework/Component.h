#pragma once
// The portable base of every component: an owner that frees what it owns, a name, lookup of
// owned components by name, and published properties reachable by name (the translation
// component sets captions and item lists through them). Also the idioms every form uses:
// references between components that clear themselves, events that stay quiet while their
// component is being destroyed, member functions bound as handlers, and one way to make a
// named component from an argument struct.

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
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

class TComponent;

// What a component holds of another one (a default button, a popup menu, an up-down's edit):
// the holder is told when the other is freed and the reference becomes none, so no component
// keeps a dangling pointer. `onCleared` runs after such a clearing (not after an assignment).
class TComponentRefBase {
public:
    TComponentRefBase(const TComponentRefBase&) = delete;
    TComponentRefBase& operator=(const TComponentRefBase&) = delete;

protected:
    TComponentRefBase(TComponent* holder, std::function<void()> onCleared);
    ~TComponentRefBase();
    // `typed` is `target` as the derived reference's type, so that reading the reference
    // needs no complete type.
    void Set(TComponent* target, void* typed);
    TComponent* target_ = nullptr;
    void* typed_ = nullptr;

private:
    friend class TComponent;
    TComponent* holder_;
    std::function<void()> onCleared_;
};

template <class T> class TComponentRef : public TComponentRefBase {
public:
    explicit TComponentRef(TComponent* holder, std::function<void()> onCleared = {})
        : TComponentRefBase(holder, std::move(onCleared)) {}
    TComponentRef& operator=(T* target) {
        Set(target, target);
        return *this;
    }
    T* get() const { return static_cast<T*>(typed_); }
    operator T*() const { return get(); }
    T* operator->() const { return get(); }
};

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
    // False while this component or one of its owners is being built or destroyed: its events
    // then stay quiet, so no handler runs on a half-made or half-destroyed form, and the
    // values a form's declaration gives its controls do not reach the model.
    bool CanFireEvents() const;

    // Told when a component is inserted into or removed from the owner of this one (or any
    // owner above it), and when a component this one asked about is destroyed. The base
    // passes the notice on to every owned component.
    virtual void Notification(TComponent* component, TOperation operation);

    // Around many changes in a row (a translation of every caption): a component that answers
    // each change (a form placing its controls again) answers once, at the last EndUpdate.
    // The calls nest; the base does nothing.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}

    int Tag = 0;

    // Runs an event handler if one is assigned and the component may fire events.
    template <class Event, class... Args> void Fire(const Event& event, Args&&... args) const {
        if (event && CanFireEvents())
            event(std::forward<Args>(args)...);
    }

protected:
    // Derived classes whose destructors tear down what still sends events call this first.
    void BeginDestruction() { destroying_ = true; }

    // Binds one of the derived class's member functions as an event handler:
    // `.OnClick = Handler(&TSettingsForm::AcceptBtnClick)`.
    template <class C, class R, class... A> auto Handler(R (C::*method)(A...)) {
        C* self = static_cast<C*>(this);
        return [self, method](A... args) -> R { return (self->*method)(std::forward<A>(args)...); };
    }

    // Used by derived classes in their constructors to publish a property.
    void Publish(std::string name, PublishedProperty property);
    void PublishString(std::string name, std::function<std::string()> get,
                       std::function<void(const std::string&)> set);
    void PublishInteger(std::string name, std::function<int()> get, std::function<void(int)> set);
    void PublishList(std::string name, std::function<StringList()> get,
                     std::function<void(const StringList&)> set);

private:
    friend class TComponentRefBase;
    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::vector<TComponentRefBase*> refs_;
    std::vector<std::pair<std::string, PublishedProperty>> properties_;
    bool loading_ = false;
    bool destroying_ = false;
};

// Makes a component of type T named `name` and owned by `owner` from its argument struct
// (T::Args) into `slot`. The slot is filled before the arguments are applied, so a handler that
// applying them fires already finds the component. Forms write TAV_CREATE(member, {...}), so
// that the member and the component's name, which language files and lookups use, are one word
// written once. A class whose constructor is not (owner, args.Parent, name) provides a static
// Construct.
template <class T>
T* CreateComponent(T*& slot, TComponent* owner, std::string name, typename T::Args args) {
    if constexpr (requires { T::Construct(owner, std::move(name), args); })
        slot = T::Construct(owner, std::move(name), args);
    else
        slot = new T(owner, args.Parent, std::move(name));
    try {
        slot->ApplyArgs(args);
    } catch (...) {
        delete slot;
        slot = nullptr;
        throw;
    }
    return slot;
}

} // namespace tav

#define TAV_CREATE(member, ...) ::tav::CreateComponent(member, this, #member, __VA_ARGS__)
