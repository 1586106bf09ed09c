// Pictures of the sample dialog's pages, in English and with texts 40 % longer, at the DPI the
// run has (96, and 144 in the dpi144 run), to look at before a form is called done.

#include "LongerTexts.h"
#include "SampleDialog.h"
#include "framework/win32/Pump.h"
#include "framework/win32/Screenshot.h"
#include "ui/lang/TempFolder.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

TEST(SampleDialogDpi, PagesAreSavedAsPicturesInEnglishAndWithLongerTexts) {
    test::TSampleSettings settings;
    test::TSampleDialog dialog(nullptr, settings);
    SetWindowPos(dialog.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    dialog.Show();
    auto shoot = [&](const std::string& language) {
        for (int page = 0; page < dialog.PageCtl->PageCount(); ++page) {
            dialog.PageCtl->SetActivePageIndex(page);
            test::PumpFor(std::chrono::milliseconds(40));
            const std::string name =
                "sample-dialog-" + dialog.PageCtl->Page(page)->Name() + "-" + language;
            EXPECT_NO_THROW(test::SaveScreenshot(dialog.Handle(), name)) << name;
        }
    };
    const int englishWidth = dialog.ClientWidth();
    shoot("english");
    test::TempFolder folder;
    dialog.Lang->SetLanguageFile(folder.Write(
        "longer.lng", test::LongerLanguageFile(dialog, test::SampleDialogTranslations)));
    EXPECT_GT(dialog.ClientWidth(), englishWidth) << "the dialog grows with its texts";
    shoot("longer");
}

} // namespace
