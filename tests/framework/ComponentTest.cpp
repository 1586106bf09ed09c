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
