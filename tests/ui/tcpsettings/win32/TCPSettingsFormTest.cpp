#include "ui/tcpsettings/win32/TCPSettingsForm.h"

#include "engine/settings/FakeSettingsStore.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct TCPSettings : ::testing::Test {
    test::FakeSettingsStore store;
    TSettings settings{store};
};

TEST_F(TCPSettings, StoredValuesFillTheFieldsAndAShortAddressFillsTheLastOne) {
    settings.SetStr("TCP/IP server IP", "10.1");
    settings.SetStr("TCP/IP server filter", "255.255.255.0");
    settings.SetInt("TCP/IP server port", 50000);
    settings.SetBool("TCP/IP server enabled", true);
    TTCPSettingsForm form(nullptr, settings, "");
    EXPECT_EQ(form.IP1EdBx->Text(), "10");
    EXPECT_EQ(form.IP2EdBx->Text(), "");
    EXPECT_EQ(form.IP3EdBx->Text(), "");
    EXPECT_EQ(form.IP4EdBx->Text(), "1");
    EXPECT_EQ(form.ServerIP(), "10...1");
    EXPECT_EQ(form.ServerFilter(), "255.255.255.0");
    EXPECT_EQ(form.ServerPortEdBx->Text(), "50000");
    EXPECT_EQ(form.ServerPortUpDwn->Position(), 50000);
    EXPECT_EQ(form.ClientPortUpDwn->Position(), 8765);
    EXPECT_EQ(form.ClientHostEdBx->Text(), "localhost");
    EXPECT_FALSE(form.ClientHostEdBx->Enabled());
    EXPECT_TRUE(form.IP4EdBx->Enabled());
}

TEST_F(TCPSettings, ABoxIsStoredAtOnceAndLeavesWhatTheUserTyped) {
    TTCPSettingsForm form(nullptr, settings, "");
    form.ClientPortEdBx->SetText("9000");
    form.ClientHostEdBx->SetText("media-pc");
    form.ClientChBx->SetChecked(true);
    EXPECT_EQ(*store.IntegerAt("TCP/IP client enabled"), 1);
    EXPECT_TRUE(form.ClientHostEdBx->Enabled());
    EXPECT_EQ(form.ClientPortEdBx->Text(), "9000");
    EXPECT_EQ(form.ClientHostEdBx->Text(), "media-pc");
    form.ServerChBx->SetChecked(true);
    form.ServerChBx->SetChecked(false);
    EXPECT_EQ(*store.IntegerAt("TCP/IP server enabled"), 0);
    EXPECT_FALSE(form.FilterIP2EdBx->Enabled());
}

TEST_F(TCPSettings, AcceptRefusesAnAddressPartAbove255AndStaysOpen) {
    settings.SetBool("TCP/IP server enabled", true);
    TTCPSettingsForm form(nullptr, settings, "");
    form.Show();
    form.FilterIP3EdBx->SetText("256");
    std::vector<UINT> boxes;
    TSeamScope box(MessageBoxSeam(), [&](const std::string&, const std::string&, UINT flags) {
        boxes.push_back(flags);
        return IDOK;
    });
    form.AcceptBtn->Click();
    EXPECT_EQ(form.ModalResult, mrNone);
    EXPECT_EQ(boxes, (std::vector<UINT>{MB_OK | MB_ICONEXCLAMATION}));
    EXPECT_EQ(form.ActiveControl(), form.FilterIP3EdBx);
    form.FilterIP3EdBx->SetText("");
    form.AcceptBtn->Click();
    EXPECT_EQ(form.ModalResult, mrOk);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(TCPSettings, WithTheServerOffADamagedStoredAddressNeitherShowsNorStopsAccept) {
    settings.SetStr("TCP/IP server IP", "1000.0.0.1");
    TTCPSettingsForm form(nullptr, settings, "");
    form.Show();
    EXPECT_EQ(form.ServerIP(), "127.0.0.0") << "the stored value is kept to its range";
    form.ClientPortEdBx->SetText("9000");
    // The fields the user cannot reach count for nothing, whatever they hold.
    form.FilterIP4EdBx->SetText("999");
    int boxes = 0;
    TSeamScope box(MessageBoxSeam(), [&](const std::string&, const std::string&, UINT) {
        ++boxes;
        return IDOK;
    });
    form.AcceptBtn->Click();
    EXPECT_EQ(form.ModalResult, mrOk);
    EXPECT_EQ(boxes, 0);
}

// Each character to the field that has the focus when it comes.
void Type(const std::string& text) {
    for (char c : text) {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<WPARAM>(c), 1);
        Application().ProcessMessages();
    }
}

// Typed keys go where the focus is: the suite runs alone.
TEST(TCPSettingsFormKeys, AnAddressFieldTakesThreeDigitsAndADotMovesOn) {
    test::FakeSettingsStore store;
    TSettings settings{store};
    settings.SetBool("TCP/IP server enabled", true);
    settings.SetStr("TCP/IP server IP", "");
    TTCPSettingsForm form(nullptr, settings, "");
    form.Show();
    form.BringToFront();
    form.IP1EdBx->SetFocus();
    Type("1x9.2"); // "." before three digits moves on as well
    EXPECT_EQ(form.IP1EdBx->Text(), "19");
    EXPECT_EQ(form.IP2EdBx->Text(), "2");
    EXPECT_EQ(form.ActiveControl(), form.IP2EdBx);
    Type("5555");
    EXPECT_EQ(form.IP2EdBx->Text(), "255") << "a fourth digit is refused";
    form.ServerPortEdBx->SetFocus();
    EXPECT_EQ(form.ActiveControl(), form.ServerPortEdBx);
    form.IP4EdBx->SetText("7");
    form.IP4EdBx->SetFocus();
    DWORD start = 0, end = 0;
    SendMessageA(form.IP4EdBx->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 1u) << "entering a field selects its text";
}

} // namespace
