#include "engine/network/win32/DdeReports.h"

#include "framework/win32/DdeClient.h"
#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace tav;
using namespace std::chrono_literals;
using tav::test::PumpUntil;
using tav::test::TDdeClient;

TEST(DdeReports, GoWhileAConversationIsOpenAndStopAtANewDocumentUntilAClientOpensOneAgain) {
    const std::string service = "TavDdeReports" + std::to_string(GetCurrentProcessId());
    TComponent owner;
    TDdeReports* reports = nullptr;
    CreateComponent(reports, &owner, "DdeReports", {.Service = service});
    TDdeClient client, otherClient;
    EXPECT_FALSE(reports->DdeOpen());
    HCONV first = client.Connect(service, "RemoteControlData");
    HCONV second = otherClient.Connect(service, "RemoteControlData");
    EXPECT_TRUE(reports->DdeOpen());
    reports->SetDdeText("TV, Vol+");
    EXPECT_EQ(client.Request(first, "TavriloDDEServer"), "TV, Vol+");

    // One client leaving does not stop the reports to the other.
    DdeDisconnect(first);
    EXPECT_TRUE(PumpUntil([&] { return reports->RemoteControlData->Conversations() == 1; }, 2s));
    EXPECT_TRUE(reports->DdeOpen());

    reports->DocumentReset();
    EXPECT_FALSE(reports->DdeOpen());
    EXPECT_TRUE(client.Connect(service, "RemoteControlData") != nullptr);
    EXPECT_TRUE(reports->DdeOpen());
    DdeDisconnect(second);
}
