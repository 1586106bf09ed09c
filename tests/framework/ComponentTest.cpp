#include "framework/Component.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {
struct Labelled : TComponent {
    Labelled(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {
        PublishString(
            "Caption", [this] { return caption; }, [this](const std::string& v) { caption = v; });
    }
    std::string caption;
};
} // namespace

TEST(Component, OwnerFindsByNameAndFreesWhatItOwns) {
    auto* form = new TComponent(nullptr, "Form");
    auto* a = new Labelled(form, "OkBtn");
    auto* b = new Labelled(form, "CancelBtn");
    EXPECT_EQ(form->FindComponent("okbtn"), a);
    EXPECT_EQ(form->FindComponent("CANCELBTN"), b);
    EXPECT_EQ(form->FindComponent("Missing"), nullptr);
    delete a;
    EXPECT_EQ(form->Components().size(), 1u);
    EXPECT_EQ(form->FindComponent("OkBtn"), nullptr);
    delete form; // frees b; ASan reports a leak or double free otherwise
}

TEST(Component, PublishedPropertiesAreFoundWithoutRegardToCase) {
    Labelled l(nullptr, "L");
    const PublishedProperty* p = l.FindProperty("caption");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->kind, PropertyKind::String);
    p->setString("Hello");
    EXPECT_EQ(l.caption, "Hello");
    EXPECT_EQ(l.PropertyKindOf("Items"), PropertyKind::None);
}

namespace {
struct Listener : TComponent {
    using TComponent::TComponent;
    void Notification(TComponent* c, TOperation op) override {
        seen.emplace_back(c, op);
        TComponent::Notification(c, op);
    }
    std::vector<std::pair<TComponent*, TOperation>> seen;
};
} // namespace

TEST(Component, OwnedComponentsHearOfInsertionAndRemovalBesideThem) {
    TComponent form(nullptr, "Form");
    auto* l = new Listener(&form, "Listener");
    auto* a = new TComponent(&form, "A");
    delete a;
    ASSERT_EQ(l->seen.size(), 2u);
    EXPECT_EQ(l->seen[0], std::make_pair(a, TOperation::Insert));
    EXPECT_EQ(l->seen[1], std::make_pair(a, TOperation::Remove));
}

TEST(Component, FreeNotificationTellsTheOtherSideWhicheverGoesFirst) {
    auto* l = new Listener(nullptr, "L");
    auto* other = new TComponent(nullptr, "Other");
    l->FreeNotification(other);
    delete other;
    ASSERT_EQ(l->seen.size(), 1u);
    EXPECT_EQ(l->seen[0].second, TOperation::Remove);
    auto* later = new TComponent(nullptr, "Later");
    l->FreeNotification(later);
    delete l; // `later` must not keep a dangling reference to l
    delete later;
}

TEST(Component, InsertingTakesTheComponentFromItsPreviousOwner) {
    TComponent first(nullptr, "First");
    TComponent second(nullptr, "Second");
    auto* c = new TComponent(&first, "C");
    second.InsertComponent(c);
    EXPECT_EQ(c->Owner(), &second);
    EXPECT_TRUE(first.Components().empty());
    EXPECT_EQ(second.FindComponent("c"), c);
}

namespace {
struct Holder : TComponent {
    using TComponent::TComponent;
    int cleared = 0;
    TComponentRef<TComponent> first{this, [this] { ++cleared; }};
    TComponentRef<TComponent> second{this};
};
} // namespace

TEST(ComponentRef, ClearsWhenTheOtherIsFreedWhoeverOwnsIt) {
    TComponent form(nullptr, "Form");
    auto* holder = new Holder(&form, "Holder");
    auto* owned = new TComponent(&form, "OkBtn");
    auto* foreign = new TComponent(nullptr, "PopupMenu1");
    holder->first = owned;
    holder->second = owned;
    delete owned;
    EXPECT_EQ(holder->first.get(), nullptr);
    EXPECT_EQ(holder->second.get(), nullptr);
    EXPECT_EQ(holder->cleared, 1);
    // Pointing one reference elsewhere keeps the other one listening.
    holder->first = foreign;
    holder->second = foreign;
    holder->first = nullptr;
    delete foreign;
    EXPECT_EQ(holder->second.get(), nullptr);
    EXPECT_EQ(holder->cleared, 1) << "a reset is not a clearing";
    // The holder going first leaves nothing behind in the other (ASan would see it).
    auto* survivor = new TComponent(nullptr, "Survivor");
    holder->first = survivor;
    delete holder;
    delete survivor;
}

TEST(Component, EventsStayQuietWhileTheOwnerIsBeingBuilt) {
    struct Quiet : TComponent {
        using TComponent::TComponent;
        bool fired = false;
        std::function<void()> event = [this] { fired = true; };
        void Raise() { Fire(event); }
    };
    TComponent form(nullptr, "Form");
    auto* child = new Quiet(&form, "Child");
    form.SetLoading(true);
    child->Raise();
    EXPECT_FALSE(child->fired);
    form.SetLoading(false);
    child->Raise();
    EXPECT_TRUE(child->fired);
}
