#include "ui/splash/win32/SplashForm.h"

#include "framework/win32/Pump.h"
#include "framework/win32/Seams.h"

#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

TEST(SplashForm, TheWebLinkTriesTheShellThenTwoBrowsersByNameThenSaysNoneWasFound) {
    std::vector<std::string> tried;
    size_t startsAt = 0; // the attempt that starts a browser; 0 for none
    TSeamScope shell(ShellExecuteSeam(), [&](const TShellExecuteRequest& request) {
        EXPECT_EQ(request.Verb, "open");
        tried.push_back(request.File + "(" + request.Parameters + ")");
        return TShellExecuteResult{tried.size() == startsAt, ERROR_FILE_NOT_FOUND};
    });
    std::vector<std::string> said;
    TSeamScope box(MessageBoxSeam(), [&](const std::string& text, const std::string&, UINT) {
        said.push_back(text);
        return IDOK;
    });
    TSplashForm about(nullptr);
    const std::string web = "http://www.tavrilo.example";
    startsAt = 1;
    about.LURL->Click();
    EXPECT_EQ(tried, std::vector<std::string>{web + "()"});
    tried.clear();
    startsAt = 0;
    about.LURL->Click();
    EXPECT_EQ(tried, (std::vector<std::string>{web + "()", "netscape.exe(" + web + ")",
                                               "iexplore.exe(" + web + ")"}));
    EXPECT_EQ(said, std::vector<std::string>{"Sorry, your web browser could not be found"});
}

TEST(SplashForm, OkClosesTheBoxItIsOnWhichIsThenFreed) {
    TComponent program(nullptr, "Program");
    TComponentRef<TSplashForm> splash(&program), about(&program);
    splash = new TSplashForm(nullptr);
    about = new TSplashForm(nullptr);
    const auto saved = std::exchange(TForm::ModalHook, [](TForm& box) {
        dynamic_cast<TSplashForm&>(box).BOK->Click();
        return box.ModalResult;
    });
    const int result = about->ShowModal();
    TForm::ModalHook = saved;
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(splash->ModalResult, mrNone);
    test::PumpFor(20ms);
    EXPECT_EQ(about.get(), nullptr);
    delete splash.get();
}

} // namespace
