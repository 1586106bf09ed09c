#include "ui/testorigin/win32/TestOriginForm.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

using Log = std::vector<std::string>;

// The eight origins in the settings dialog's order; each logs its opening ("IR+") and closing
// ("IR-"), but Creative iNFRA has no routine.
std::vector<TTestOrigin> FakeOrigins(Log& log, std::initializer_list<size_t> checked) {
    const std::pair<const char*, const char*> boxes[] = {
        {"Serial port:", "Serial"},     {"Serial &console port:", "Console"},
        {"&IR server", "IR"},           {"A&VerMedia", "AVer"},
        {"&BestBuy. Port:", "BestBuy"}, {"Creative i&NFRA", nullptr},
        {"&Keyboard trapping", "Keys"}, {"&TCP/IP", "TCP"},
    };
    std::vector<TTestOrigin> origins;
    for (const auto& [caption, tag] : boxes) {
        origins.push_back({caption, false, {}});
        if (tag != nullptr)
            origins.back().Open = [&log, tag](bool open) {
                log.push_back(std::string(tag) + (open ? "+" : "-"));
            };
    }
    for (size_t i : checked)
        origins[i].Checked = true;
    return origins;
}

// What the list sends when the user picks `item`.
void Choose(TComboBox* box, const std::string& item) {
    SendMessageA(box->Handle(), CB_SETCURSEL, static_cast<WPARAM>(box->IndexOf(item)), 0);
    SendMessageA(GetParent(box->Handle()), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(box->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box->Handle()));
}

TEST(TestOriginForm, TheChosenOriginAloneIsOpenAndClosingClosesAllThenEnablesTheOrigins) {
    Log log;
    TTestOriginForm form(
        nullptr, FakeOrigins(log, {0, 2, 5, 7}), [&] { log.push_back("on"); }, "");
    const Log allClosed{"Serial-", "Console-", "IR-", "AVer-", "BestBuy-", "Keys-", "TCP-"};
    const auto saved = std::exchange(TForm::ModalHook, [&](TForm&) {
        EXPECT_EQ(form.ShowDataFromCoBx->Items(),
                  (StringList{"Serial port", "IR server", "Creative iNFRA", "TCP/IP"}));
        EXPECT_TRUE(log.empty()) << "nothing opens before a choice";
        Choose(form.ShowDataFromCoBx, "IR server");
        EXPECT_EQ(log, (Log{"Serial-", "Console-", "IR+", "AVer-", "BestBuy-", "Keys-", "TCP-"}));
        log.clear();
        Choose(form.ShowDataFromCoBx, "Creative iNFRA");
        EXPECT_EQ(log, allClosed);
        log.clear();
        return static_cast<int>(mrOk);
    });
    form.ShowModal();
    TForm::ModalHook = saved;
    Log closing = allClosed;
    closing.push_back("on");
    EXPECT_EQ(log, closing);
}

} // namespace
