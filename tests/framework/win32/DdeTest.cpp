#include "framework/win32/Dde.h"

#include "framework/win32/Forms.h"

#include "DdeClient.h"
#include "Pump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>

using namespace tav;
using namespace std::chrono_literals;
using tav::test::PumpUntil;
using tav::test::TDdeClient;

namespace {

// Tests running at the same time in other processes serve their own service.
const std::string kService = "TavDdeTest" + std::to_string(GetCurrentProcessId());

} // namespace

TEST(DdeServer, ClientsOpenAndCloseConversationsOnTheTopicOnly) {
    std::string caught;
    Application().OnException = [&](TObject*, const std::exception& e) { caught = e.what(); };
    TComponent owner;
    TDdeServerConv* Topic = nullptr;
    int opened = 0, closed = 0;
    CreateComponent(Topic, &owner, "Topic",
                    {.Service = kService,
                     .OnOpen =
                         [&](TObject*) {
                             if (++opened == 1)
                                 throw std::runtime_error("open failed");
                         },
                     .OnClose = [&](TObject*) { ++closed; }});
    TDdeClient client, otherClient;
    EXPECT_EQ(client.Connect(kService, "OtherTopic"), nullptr);
    EXPECT_EQ(client.Connect("TavDdeNoService", "Topic"), nullptr);
    EXPECT_EQ(opened, 0);

    // A handler's exception goes to the application and the conversation stands. Names are not
    // case-sensitive, as DDE's are.
    HCONV first = client.Connect(kService, "TOPIC");
    EXPECT_EQ(caught, "open failed");
    HCONV second = otherClient.Connect(kService, "Topic");
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(Topic->Conversations(), 2);

    DdeDisconnect(first);
    EXPECT_TRUE(PumpUntil([&] { return closed == 1; }, 2s));
    EXPECT_EQ(Topic->Conversations(), 1);

    // Freeing the topic ends its conversations and takes the service away.
    delete Topic;
    EXPECT_TRUE(PumpUntil([&] { return !TDdeClient::Connected(second); }, 2s));
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(client.Connect(kService, "Topic"), nullptr);
    Application().OnException = nullptr;
}

TEST(DdeServer, RequestsAndAdviseLinksGetTheItemsText) {
    TComponent owner;
    TDdeServerConv* Topic = nullptr;
    TDdeServerItem* Item = nullptr;
    CreateComponent(Topic, &owner, "Topic", {.Service = kService});
    CreateComponent(Item, &owner, "Item", {.ServerConv = Topic, .Text = "TV, Vol+, 1A 2B "});
    TDdeClient client;
    HCONV conv = client.Connect(kService, "Topic");
    EXPECT_EQ(client.Request(conv, "item"), "TV, Vol+, 1A 2B ");
    EXPECT_EQ(client.Request(conv, "NoItem"), std::nullopt);
    EXPECT_FALSE(client.Advise(conv, "OtherItem"));

    ASSERT_TRUE(client.Advise(conv, "Item"));
    // Code page 1252 bytes go as they are; the same text set again is news again.
    Item->SetText("Se\xF1or");
    Item->SetText("Se\xF1or");
    EXPECT_TRUE(PumpUntil([&] { return TDdeClient::Advised.size() == 2; }, 2s));
    EXPECT_EQ(TDdeClient::Advised, (std::vector<std::string>{"Se\xF1or", "Se\xF1or"}));
    EXPECT_EQ(client.Request(conv, "Item"), "Se\xF1or");
}

namespace {

std::string ClipboardBytes(UINT format) {
    std::string bytes;
    if (!OpenClipboard(nullptr))
        return "(no clipboard)";
    if (HANDLE data = GetClipboardData(format)) {
        const auto* begin = static_cast<const char*>(GlobalLock(data));
        bytes.assign(begin, GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

} // namespace

TEST(DdeServer, AnItemGoesOnTheClipboardAsItsLinkAndItsText) {
    TComponent owner;
    TDdeServerConv* Topic = nullptr;
    TDdeServerItem* Item = nullptr;
    TDdeServerItem* Loose = nullptr;
    CreateComponent(Topic, &owner, "Topic", {.Service = kService});
    CreateComponent(Item, &owner, "Item", {.ServerConv = Topic, .Text = "TV, Vol+"});
    CreateComponent(Loose, &owner, "Loose", {});
    EXPECT_FALSE(Loose->CopyToClipboard()) << "an item of no topic has no link";
    ASSERT_TRUE(Item->CopyToClipboard());
    using namespace std::string_literals;
    EXPECT_EQ(ClipboardBytes(RegisterClipboardFormatA("Link")).substr(0, kService.size() + 13),
              kService + "\0Topic\0Item\0\0"s);
    EXPECT_EQ(ClipboardBytes(CF_TEXT).substr(0, 9), "TV, Vol+\0"s);
}
