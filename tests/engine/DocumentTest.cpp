#include "engine/document/Document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

using namespace tav;

namespace {

// The back references of every command agree with the trigger lists, and every NodeIndex
// equals its node's place.
void ExpectConsistent(const TDocument& doc) {
    std::vector<TAction*> items;
    for (const auto& layout : doc.Layouts())
        for (const auto& item : layout->Actions) {
            items.push_back(item.get());
            EXPECT_EQ(item->Layout, layout.get());
        }
    const auto nodes = doc.Tree().Nodes();
    ASSERT_EQ(static_cast<int>(nodes.size()), doc.Tree().Count());
    std::size_t commandCount = 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        TCommand* c = nodes[i]->Data();
        ASSERT_EQ(c->NodeIndex, static_cast<int>(i));
        EXPECT_EQ(doc.Tree().NodeAt(static_cast<int>(i)), nodes[i]);
        const bool listed = std::count(doc.Commands().begin(), doc.Commands().end(), c) == 1;
        EXPECT_EQ(listed, !nodes[i]->IsRemote());
        commandCount += listed;
        for (TAction* item : items) {
            const auto inTriggers =
                std::count(item->TriggerCommands.begin(), item->TriggerCommands.end(), c);
            const auto inActions = std::count(c->Actions.begin(), c->Actions.end(), item);
            ASSERT_EQ(inActions, inTriggers > 0 ? 1 : 0);
        }
        for (TAction* item : c->Actions)
            ASSERT_NE(std::find(items.begin(), items.end(), item), items.end());
    }
    EXPECT_EQ(commandCount, doc.Commands().size());
    // What the views ask: which addresses are still nodes of the tree.
    const TCommandNodeSet held(doc.Tree());
    for (TCommandNode* n : nodes) {
        EXPECT_TRUE(doc.Tree().Holds(n));
        EXPECT_EQ(held.Find(n), n);
        EXPECT_EQ(held.Find(n->Data()), nullptr) << "a record is no node";
    }
    for (TAction* item : items)
        for (TCommand* c : item->TriggerCommands)
            ASSERT_NE(doc.NodeOf(c), nullptr);
    if (doc.CurAction()) {
        EXPECT_NE(std::find(items.begin(), items.end(), doc.CurAction()), items.end());
    }
    EXPECT_NE(std::find_if(doc.Layouts().begin(), doc.Layouts().end(),
                           [&](const auto& l) { return l.get() == doc.CurLayout(); }),
              doc.Layouts().end());
}

// The side-by-side codes are those of the learned commands, in recognition order.
void ExpectCodesInStep(TDocument& doc) {
    std::vector<std::pair<TCommand*, TCode>> expected, stored;
    for (TCommand* c : doc.Commands())
        if (!c->Empty())
            expected.emplace_back(c, TCode(c->Code()));
    const TCodeStore& codes = doc.RecognitionCodes();
    for (const auto& entry : codes.Entries())
        stored.emplace_back(entry.Command, TCode(codes.CodeOf(entry)));
    EXPECT_EQ(stored, expected);
}

struct Fixture : ::testing::Test {
    TDocument doc{[] { return std::string("Standard"); }};
    std::vector<TRunStateChange> told;
    Fixture() {
        doc.AddRunStateListener([this](TRunStateChange why) { told.push_back(why); });
    }
};

} // namespace

using Document = Fixture;

TEST_F(Document, StartsWithTheNamedDefaultLayoutOnly) {
    ASSERT_EQ(doc.Layouts().size(), 1u);
    EXPECT_EQ(doc.Layouts()[0]->Name, "Standard");
    EXPECT_EQ(doc.CurLayout(), doc.DefaultLayout());
    EXPECT_TRUE(doc.Commands().empty());
    EXPECT_EQ(doc.Tree().Count(), 0);
    EXPECT_FALSE(doc.Modified());
}

TEST_F(Document, NewCommandGoesBeforeTheSelectedOneButIsRecognisedLast) {
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* a = doc.AddCommand(tv, "A");
    TCommandNode* b = doc.AddCommand(tv, "B");
    TCommandNode* vcr = doc.AddRemote("VCR");
    TCommandNode* c = doc.AddCommand(a, "C");
    EXPECT_EQ(doc.AddCommand(nullptr, "D"), nullptr);

    ASSERT_EQ(tv->Children().size(), 3u);
    EXPECT_EQ(tv->Children()[0].get(), c);
    EXPECT_EQ(c->AbsoluteIndex(), 1);
    EXPECT_EQ(a->AbsoluteIndex(), 2);
    EXPECT_EQ(b->AbsoluteIndex(), 3);
    EXPECT_EQ(vcr->AbsoluteIndex(), 4);
    EXPECT_EQ(doc.Commands(), (std::vector<TCommand*>{a->Data(), b->Data(), c->Data()}));
    const TCommand& fresh = *c->Data();
    EXPECT_EQ(fresh.LastIndex(), -1);
    EXPECT_TRUE(fresh.Recognition && fresh.Typematic && fresh.Sound.empty());
    EXPECT_TRUE(doc.Modified());
    ExpectConsistent(doc);
}

TEST_F(Document, DeletingACommandRemovesEveryOccurrenceAndBackReference) {
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* a = doc.AddCommand(tv, "A");
    TCommandNode* b = doc.AddCommand(tv, "B");
    TAction* first = doc.AddAction(doc.DefaultLayout(), "first");
    for (int i = 0; i < 3; ++i)
        doc.AddTrigger(first, a);
    doc.AddTrigger(first, b);
    TAction* second = doc.AddAction(doc.DefaultLayout(), "second");
    doc.AddTrigger(second, a);
    first->Progress = 3;
    doc.LastFiredCommand = a->Data();
    doc.TypematicActive = true;

    doc.DeleteNode(a);
    EXPECT_EQ(first->TriggerCommands, std::vector<TCommand*>{b->Data()});
    EXPECT_TRUE(second->TriggerCommands.empty());
    EXPECT_EQ(first->Progress, 3); // left for the engine to treat as a restart
    EXPECT_EQ(doc.LastFiredCommand, nullptr);
    EXPECT_FALSE(doc.TypematicActive);
    EXPECT_EQ(told, std::vector<TRunStateChange>{TRunStateChange::CommandDeleted});
    EXPECT_EQ(doc.DefaultLayout()->Actions.size(), 2u);
    ExpectConsistent(doc);
}

TEST_F(Document, DeletingARemoteDeletesItsCommandsAndRenumbers) {
    TCommandNode* tv = doc.AddRemote("TV");
    doc.AddCommand(tv, "A");
    doc.AddCommand(tv, "B");
    TCommandNode* vcr = doc.AddRemote("VCR");
    TCommandNode* play = doc.AddCommand(vcr, "Play");
    TAction* item = doc.AddAction(doc.DefaultLayout(), "item");
    doc.AddTrigger(item, tv);
    EXPECT_EQ(item->TriggerCommands.size(), 2u);

    const TCommandNode* deletedCommand = tv->Children().back().get();
    doc.DeleteNode(tv);
    EXPECT_FALSE(doc.Tree().Holds(tv));
    EXPECT_FALSE(doc.Tree().Holds(deletedCommand));
    EXPECT_EQ(TCommandNodeSet(doc.Tree()).Find(tv), nullptr);
    EXPECT_EQ(doc.Tree().Count(), 2);
    EXPECT_EQ(vcr->AbsoluteIndex(), 0);
    EXPECT_EQ(play->AbsoluteIndex(), 1);
    EXPECT_EQ(doc.Commands(), std::vector<TCommand*>{play->Data()});
    EXPECT_TRUE(item->TriggerCommands.empty());
    ExpectConsistent(doc);
}

TEST_F(Document, TriggerEntriesDuplicateButBackReferencesDoNot) {
    TCommandNode* a = doc.AddRemote("A");
    TCommandNode* a1 = doc.AddCommand(a, "A1");
    TCommandNode* a2 = doc.AddCommand(a, "A2");
    TCommandNode* empty = doc.AddRemote("Empty");
    TAction* item = doc.AddAction(doc.DefaultLayout(), "item");
    doc.AddTrigger(item, a);
    doc.AddTrigger(item, a);
    doc.AddTrigger(item, empty);
    EXPECT_EQ(item->TriggerCommands.size(), 4u);
    EXPECT_EQ(a1->Data()->Actions.size(), 1u);
    EXPECT_EQ(item->Progress, 0);

    doc.RemoveTriggerAt(item, 0); // one A1 remains
    EXPECT_EQ(a1->Data()->Actions.size(), 1u);
    doc.RemoveTriggerAt(item, 1); // the last A1
    EXPECT_TRUE(a1->Data()->Actions.empty());
    EXPECT_EQ(item->TriggerCommands, (std::vector<TCommand*>{a2->Data(), a2->Data()}));
    doc.RemoveTriggerAt(item, 9); // no such entry
    ExpectConsistent(doc);
}

TEST_F(Document, DeletingAnItemOrLayoutUnlinksAndDropsTheRunState) {
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* a = doc.AddCommand(tv, "A");
    TLayout* player = doc.AddLayout("Player", "Media", "PlayerClass");
    TAction* kept = doc.AddAction(doc.DefaultLayout(), "kept");
    doc.AddTrigger(kept, a);
    TAction* gone = doc.AddAction(player, "gone");
    doc.AddTrigger(gone, a);
    doc.AddTrigger(gone, a);
    doc.SetCurLayout(player);
    EXPECT_EQ(doc.CurAction(), gone);

    doc.DeleteLayout(doc.DefaultLayout()); // never deleted
    EXPECT_EQ(doc.Layouts().size(), 2u);
    doc.DeleteLayout(player);
    EXPECT_EQ(doc.Layouts().size(), 1u);
    EXPECT_EQ(doc.CurLayout(), doc.DefaultLayout());
    EXPECT_EQ(doc.CurAction(), nullptr);
    EXPECT_EQ(a->Data()->Actions, std::vector<TAction*>{kept});

    doc.SetCurAction(kept);
    doc.DeleteAction(kept);
    EXPECT_TRUE(a->Data()->Actions.empty());
    EXPECT_EQ(doc.CurAction(), nullptr);
    EXPECT_EQ(told, (std::vector<TRunStateChange>{TRunStateChange::LayoutDeleted,
                                                  TRunStateChange::ActionDeleted}));
    ExpectConsistent(doc);
}

TEST_F(Document, ResetFreesEverythingButKeepsTheModifiedFlag) {
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* a = doc.AddCommand(tv, "A");
    TAction* item = doc.AddAction(doc.AddLayout("L", "", ""), "x");
    doc.AddTrigger(item, a);
    const std::int32_t v[] = {1, 2};
    doc.ReceivedCode.Replace(v);
    doc.LastFiredCommand = a->Data();
    doc.TypematicActive = true;

    doc.Reset();
    EXPECT_EQ(doc.Tree().Count(), 0);
    EXPECT_TRUE(doc.Commands().empty());
    ASSERT_EQ(doc.Layouts().size(), 1u);
    EXPECT_EQ(doc.CurLayout(), doc.DefaultLayout());
    EXPECT_EQ(doc.CurAction(), nullptr);
    EXPECT_TRUE(doc.ReceivedCode.IsEmpty());
    EXPECT_EQ(doc.LastFiredCommand, nullptr);
    EXPECT_FALSE(doc.TypematicActive);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(told, std::vector<TRunStateChange>{TRunStateChange::Reset});
}

TEST_F(Document, SwitchesApplyToTheNodeAndItsCommands) {
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* a = doc.AddCommand(tv, "A");
    TCommandNode* b = doc.AddCommand(tv, "B");
    doc.SetRecognition(a, false);
    EXPECT_TRUE(b->Data()->Recognition);
    doc.SetRecognition(tv, false);
    EXPECT_FALSE(b->Data()->Recognition);
    doc.SetRecognition(tv, true);
    EXPECT_TRUE(a->Data()->Recognition && b->Data()->Recognition);
    EXPECT_EQ(NodeImageIndex(*tv), 0);
    EXPECT_EQ(NodeImageIndex(*a), 1); // not learned, whatever its switch
    doc.SetCode(*a->Data(), {5});
    EXPECT_EQ(NodeImageIndex(*a), 3);
    doc.SetRecognition(tv, false);
    EXPECT_EQ(NodeImageIndex(*a), 2);
    doc.SetTypematic(tv, false);
    EXPECT_FALSE(a->Data()->Typematic || b->Data()->Typematic || tv->Data()->Typematic);
}

TEST_F(Document, DragAndDropFollowsTheAttachRules) {
    TCommandNode* tv = doc.AddRemote("TV");
    TCommandNode* a = doc.AddCommand(tv, "A");
    TCommandNode* b = doc.AddCommand(tv, "B");
    TCommandNode* c = doc.AddCommand(tv, "C");
    TCommandNode* vcr = doc.AddRemote("VCR");
    TCommandNode* play = doc.AddCommand(vcr, "Play");

    EXPECT_FALSE(doc.MoveNode(vcr, a, TDropPlace::OnLabel)); // a remote only on a remote
    EXPECT_TRUE(doc.MoveNode(c, a, TDropPlace::OnLabel));    // just before A
    EXPECT_EQ(tv->Children()[0].get(), c);
    EXPECT_TRUE(doc.MoveNode(c, a, TDropPlace::Beside)); // end of A's remote
    EXPECT_EQ(tv->Children()[2].get(), c);
    EXPECT_TRUE(doc.MoveNode(b, vcr, TDropPlace::OnLabel)); // first command of VCR
    EXPECT_EQ(vcr->Children()[0].get(), b);
    EXPECT_EQ(b->Parent(), vcr);
    EXPECT_TRUE(doc.MoveNode(vcr, tv, TDropPlace::Beside)); // before TV, with its commands
    EXPECT_EQ(vcr->AbsoluteIndex(), 0);
    EXPECT_EQ(b->AbsoluteIndex(), 1);
    EXPECT_EQ(play->AbsoluteIndex(), 2);
    EXPECT_EQ(tv->AbsoluteIndex(), 3);
    EXPECT_FALSE(doc.MoveNode(a, a, TDropPlace::OnLabel)); // onto itself: nothing moves
    EXPECT_EQ(doc.Tree().Count(), 6);
    ExpectConsistent(doc);
}

TEST_F(Document, StaleIndexesFindNoNode) {
    TCommandNode* tv = doc.AddRemote("TV");
    TCommand stray;
    stray.NodeIndex = 0; // points at TV's place, but is not TV's record
    EXPECT_EQ(doc.NodeOf(&stray), nullptr);
    EXPECT_EQ(doc.NodeOf(tv->Data()), tv);
    EXPECT_EQ(doc.Tree().NodeAt(1), nullptr);
    EXPECT_EQ(doc.Tree().NodeAt(-1), nullptr);
}

TEST_F(Document, ListenersCanLeave) {
    int calls = 0;
    const int id = doc.AddRunStateListener([&](TRunStateChange) { ++calls; });
    doc.Reset();
    doc.RemoveRunStateListener(id);
    doc.Reset();
    EXPECT_EQ(calls, 1);
}

TEST_F(Document, LinksStayInStepUnderRandomEditing) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        doc.Reset();
        std::mt19937 rng(seed);
        std::map<const TCommand*, TCode> learned; // what each record was given
        auto pick = [&](std::size_t n) {
            return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
        };
        for (int step = 0; step < 400; ++step) {
            const auto nodes = doc.Tree().Nodes();
            std::vector<TAction*> items;
            for (const auto& l : doc.Layouts())
                for (const auto& i : l->Actions)
                    items.push_back(i.get());
            switch (pick(11)) {
            case 0:
                learned.erase(doc.AddRemote("R")->Data());
                break;
            case 1:
            case 2:
                if (!nodes.empty())
                    learned.erase(doc.AddCommand(nodes[pick(nodes.size())], "C")->Data());
                break;
            case 3:
                if (!nodes.empty() && pick(3) == 0)
                    doc.DeleteNode(nodes[pick(nodes.size())]);
                break;
            case 4:
                doc.AddAction(doc.Layouts()[pick(doc.Layouts().size())].get(), "I");
                break;
            case 5:
                if (!items.empty())
                    doc.DeleteAction(items[pick(items.size())]);
                break;
            case 6:
                if (pick(4) == 0)
                    doc.AddLayout("L", "", "");
                else if (doc.Layouts().size() > 1)
                    doc.DeleteLayout(doc.Layouts()[pick(doc.Layouts().size())].get());
                break;
            case 7:
            case 8:
                if (!items.empty() && !nodes.empty())
                    doc.AddTrigger(items[pick(items.size())], nodes[pick(nodes.size())]);
                break;
            case 9:
                if (!items.empty()) {
                    TAction* item = items[pick(items.size())];
                    if (!item->TriggerCommands.empty())
                        doc.RemoveTriggerAt(item, pick(item->TriggerCommands.size()));
                }
                if (nodes.size() > 1)
                    doc.MoveNode(nodes[pick(nodes.size())], nodes[pick(nodes.size())],
                                 pick(2) ? TDropPlace::OnLabel : TDropPlace::Beside);
                break;
            case 10:
                if (!nodes.empty()) {
                    std::vector<std::int32_t> code(pick(4));
                    for (auto& v : code)
                        v = static_cast<std::int32_t>(rng());
                    TCommand* record = nodes[pick(nodes.size())]->Data();
                    doc.SetCode(*record, TCode(code));
                    learned[record] = TCode(code);
                }
                break;
            }
            ExpectConsistent(doc);
            // Between compactions too, every record reads the code it was given last.
            for (const TCommandNode* node : doc.Tree().Nodes())
                ASSERT_EQ(TCode(node->Data()->Code()), learned[node->Data()]);
            if (step % 5 == 0)
                ExpectCodesInStep(doc);
            if (HasFatalFailure())
                return;
        }
    }
}
