#include "ui/serialsettings/win32/SerialSettingsForm.h"

#include "FakeSerialDialogHost.h"
#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tav;

namespace {

struct SerialSettingsForm : ::testing::Test {
    test::FakeSerialDialogHost host;
    std::unique_ptr<TSerialSettingsForm> dialog;

    TSerialSettingsForm& Open(int portKind) {
        dialog = std::make_unique<TSerialSettingsForm>(nullptr, host.settings, host, "");
        dialog->PortKind = portKind;
        dialog->Show();
        return *dialog;
    }
    void Choose(const std::string& type) {
        dialog->SerialTypeCoBx->SetItemIndex(dialog->SerialTypeCoBx->IndexOf(type));
        dialog->SerialTypeCoBxChange(dialog->SerialTypeCoBx);
    }
    bool LineSettingsShown() const {
        return dialog->SpeedCoBx->Visible() && dialog->StopBitsLbl->Visible() &&
               dialog->DTRChBx->Visible() && dialog->RTSChBx->Visible();
    }
};

TEST_F(SerialSettingsForm, ChoosingGenericForAnIrmanShowsAndStoresItsLineSettingsAtOnce) {
    host.SetTypes("UIR, Irman", "Generic");
    TSerialSettingsForm& form = Open(kReceiverPortKind);
    EXPECT_EQ(form.SerialTypeCoBx->Text(), "UIR, Irman");
    EXPECT_EQ(form.SerialTypeCoBx->ItemCount(), 13);
    EXPECT_TRUE(form.BFindUIR->Visible());
    EXPECT_FALSE(LineSettingsShown());
    EXPECT_FALSE(form.InitStringMemo->Visible());
    const int formHeight = form.ClientHeight();
    form.PortCoBx->SetItemIndex(2);
    Choose("Generic");
    EXPECT_FALSE(form.BFindUIR->Visible());
    EXPECT_TRUE(LineSettingsShown());
    EXPECT_TRUE(form.InitStringMemo->Visible());
    EXPECT_GT(form.ClientHeight(), formHeight) << "the shown settings take room";
    EXPECT_EQ(form.SpeedCoBx->Text(), "19200");
    EXPECT_EQ(form.ParityCoBx->Text(), "None");
    EXPECT_EQ(form.DataBitsCoBx->Text(), "8");
    EXPECT_EQ(form.StopBitsCoBx->Text(), "1");
    EXPECT_TRUE(form.DTRChBx->Checked() && form.RTSChBx->Checked());
    EXPECT_EQ(form.PortCoBx->Text(), "COM3") << "the port chosen is no preset";
    // Stored before any answer of the dialog.
    EXPECT_EQ(*host.store.StringAt("Serial port type"), "Generic");
    EXPECT_EQ(*host.store.IntegerAt("Serial speed"), 8);
    EXPECT_EQ(*host.store.IntegerAt("Serial DTR"), 1);
    EXPECT_EQ(host.modes.Receiver, kModeGeneric);
    EXPECT_EQ(form.Chosen().Line, (TSerialLine{3, 8, 0, 3, 0}));
}

TEST_F(SerialSettingsForm, TheConsoleShowsItsOwnTypeAndNeverTheSearch) {
    host.SetTypes("UIR, Irman", "SIRC");
    host.settings.SetStr("Serial2 init string", "AT");
    TSerialSettingsForm& form = Open(kConsolePortKind);
    EXPECT_EQ(form.SerialTypeCoBx->Text(), "SIRC");
    EXPECT_FALSE(form.BFindUIR->Visible());
    EXPECT_FALSE(LineSettingsShown()) << "the console's device has fixed line settings";
    Choose("Generic");
    EXPECT_TRUE(LineSettingsShown());
    EXPECT_EQ(form.InitStringMemo->Text(), "AT");
    EXPECT_EQ(*host.store.StringAt("Serial2 port type"), "Generic");
    EXPECT_EQ(host.modes.Receiver, kModeFixedLine) << "the receiver keeps its type";
}

TEST_F(SerialSettingsForm, TheOutputPortNeverSetUpShowsValidDefaultsAndNoTypeOrInitString) {
    host.SetTypes("UIR, Irman", "UIR, Irman"); // no mode of theirs hides the output port's lines
    TSerialSettingsForm& form = Open(kOutputPortKind);
    EXPECT_FALSE(form.TypeLbl->Visible() || form.SerialTypeCoBx->Visible());
    EXPECT_FALSE(form.BFindUIR->Visible());
    EXPECT_FALSE(form.InitStringMemo->Visible());
    EXPECT_TRUE(LineSettingsShown());
    EXPECT_EQ(form.Chosen().Line, TSerialLine{}) << "COM1 at 9600 baud, 8N1";
    host.settings.SetInt("Output Data Serial port", 12);
    host.settings.SetInt("Output Data Serial speed", 12);
    form.ShowPortValues();
    EXPECT_EQ(form.PortCoBx->Text(), "COM12") << "a port beyond the eight listed stays";
    EXPECT_EQ(form.PortCoBx->ItemCount(), 9);
    EXPECT_EQ(form.SpeedCoBx->Text(), "115200");
    EXPECT_EQ(form.Chosen().Line.ComNumber, 12);
}

TEST_F(SerialSettingsForm, FindSelectsThePortTheUserTookAndClosingEndsTheSearch) {
    host.SetTypes("UIR, Irman", "Generic");
    TSerialSettingsForm& form = Open(kReceiverPortKind);
    form.BFindUIR->Click();
    ASSERT_EQ(host.searches, 1);
    host.found(5);
    EXPECT_EQ(form.Chosen().Line.ComNumber, 5);
    form.Close();
    EXPECT_EQ(host.searchEnds, 1);
    dialog.reset();
    EXPECT_EQ(host.searchEnds, 1) << "a search ends once";
}

} // namespace
