#include "framework/win32/ComCtrls.h"
#include "Pump.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct ComCtrlsTest : ::testing::Test {
    TForm* form = test::NewLoadedForm(nullptr, "TestForm");
    ~ComCtrlsTest() override { delete form; }
};

TEST_F(ComCtrlsTest, MovingAnUpDownFromCodeFiresItsEditsChangeHandler) {
    auto* edit = new TEdit(form, form, "TimeOutEdBx");
    auto* upDown = new TUpDown(form, form, "TimeOutUpDwn");
    upDown->SetRange(-5, 500);
    upDown->SetAssociate(edit);
    std::vector<std::string> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
    upDown->SetPosition(175);
    upDown->SetPosition(9999); // clamped to the range
    EXPECT_EQ(seen, (std::vector<std::string>{"175", "500"}));
    // The number typed into the edit is the position.
    edit->SetText("42");
    EXPECT_EQ(upDown->Position(), 42);
}

TEST_F(ComCtrlsTest, UpDownArrowStepsFromTheEditsNumber) {
    auto* edit = new TEdit(form, form, "SkipFirstEdBx");
    auto* upDown = new TUpDown(form, form, "SkipFirstUpDwn");
    upDown->SetAssociate(edit);
    upDown->Increment = 5;
    int changes = 0;
    upDown->OnChange = [&](TObject*) { ++changes; };
    edit->SetText("10");
    NMUPDOWN step{};
    step.hdr.hwndFrom = upDown->Handle();
    step.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(upDown->Handle()));
    step.hdr.code = UDN_DELTAPOS;
    step.iDelta = 1;
    SendMessageA(form->Handle(), WM_NOTIFY, step.hdr.idFrom, reinterpret_cast<LPARAM>(&step));
    EXPECT_EQ(edit->Text(), "15");
    EXPECT_EQ(changes, 1);
    delete edit; // the up-down forgets its associate
    upDown->SetPosition(3);
    EXPECT_EQ(upDown->Position(), 3);
}

TEST_F(ComCtrlsTest, AnUpDownsEditShowsThePositionItStandsForOnceItLosesTheFocus) {
    auto* edit = new TEdit(form, form, "PortEdBx");
    auto* upDown = new TUpDown(form, form, "PortUpDwn");
    upDown->SetAssociate(edit);
    upDown->SetRange(0, 65535); // wider than the control's own 16 bits
    upDown->SetPosition(50000);
    EXPECT_EQ(edit->Text(), "50000");
    std::vector<int> stored;
    edit->OnChange = [&](TObject*) { stored.push_back(upDown->Position()); };
    edit->SetText("99999");
    SendMessageA(edit->Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(edit->Text(), "65535");
    EXPECT_EQ(stored, (std::vector<int>{65535, 65535}));
    SendMessageA(edit->Handle(), WM_KILLFOCUS, 0, 0); // it says so already
    EXPECT_EQ(stored.size(), 2u);
    upDown->SetAssociate(nullptr);
    edit->SetText("-4");
    SendMessageA(edit->Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(edit->Text(), "-4") << "an edit of no up-down keeps its text";
}

TEST_F(ComCtrlsTest, TheRowOfTabsIsMeasuredWholeAlsoWhenScrolledToItsLastTab) {
    auto* pages = new TPageControl(form, form, "Pages");
    std::vector<TTabSheet*> sheets;
    for (const char* name : {"GeneralTab", "OriginTab", "RecognitionTab", "SoundsTab"})
        sheets.push_back(new TTabSheet(form, pages, name));
    pages->SetBounds(0, 0, 200, 100);
    form->Show();
    pages->SetActivePageIndex(3);
    // Captions that grow while the last tab is chosen, as a translation makes them.
    for (TTabSheet* sheet : sheets)
        sheet->SetCaption(sheet->Name() + " with a longer caption");
    const int scrolled = pages->TabsWidth();
    pages->SetActivePageIndex(0);
    EXPECT_EQ(scrolled, pages->TabsWidth());
    EXPECT_GT(scrolled, 400);
}

TEST_F(ComCtrlsTest, StatusBarHoldsItsPanelsTexts) {
    auto* bar = new TStatusBar(form, form, "StatBar");
    bar->SetPanels({250, 100});
    bar->SetPanelText(0, "C:\\Remotes\\tv.tvr");
    bar->SetPanelText(1, "Serial");
    EXPECT_EQ(SendMessageA(bar->Handle(), SB_GETPARTS, 0, 0), 2);
    EXPECT_EQ(bar->PanelText(0), "C:\\Remotes\\tv.tvr");
    EXPECT_EQ(bar->PanelText(1), "Serial");
    // A remembered file's name is read from the registry as it stands.
    const std::string longName = "C:\\" + std::string(70000, 'x') + ".tvr";
    bar->SetPanelText(0, longName);
    EXPECT_EQ(bar->PanelText(0), longName);
}

TEST_F(ComCtrlsTest, PageControlShowsTheActivePageAndTabCaptionsAreTranslatable) {
    auto* pages = new TPageControl(form, form, "Pages");
    auto* general = new TTabSheet(form, pages, "GeneralTab");
    auto* serial = new TTabSheet(form, pages, "SerialTab");
    auto* osd = new TTabSheet(form, pages, "OSDTab");
    general->SetCaption("General");
    serial->FindProperty("Caption")->setString("Serial port");
    EXPECT_EQ(pages->ActivePage(), general);
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    pages->SetActivePage(osd); // from code: no event
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(osd->Visible());
    EXPECT_FALSE(general->Visible());
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    // Hiding a tab keeps the page but removes its tab.
    serial->SetTabVisible(false);
    EXPECT_EQ(SendMessageA(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(pages->Handle(), TCM_GETCURSEL, 0, 0), 1);
    // A user's choice of the first tab.
    SendMessageA(pages->Handle(), TCM_SETCURSEL, 0, 0);
    NMHDR hdr{pages->Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(pages->Handle())),
              static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(form->Handle(), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
    EXPECT_EQ(pages->ActivePage(), general);
    EXPECT_EQ(changes, 1);
}

TEST_F(ComCtrlsTest, PagesWithoutTabsFillTheControlAndAreChosenOnlyByTheProgram) {
    auto* pages = new TPageControl(form, form, "PanelsCtrl");
    auto* keys = new TTabSheet(form, pages, "TapKeyPanel");
    auto* mouse = new TTabSheet(form, pages, "MouseMovePanel");
    pages->HideTabs();
    pages->SetBounds(0, 0, 200, 100);
    EXPECT_EQ(SendMessageA(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(keys->ClientWidth(), 200);
    EXPECT_EQ(keys->ClientHeight(), 100);
    pages->SelectNextPage(true); // Ctrl+Tab's way
    EXPECT_EQ(pages->ActivePage(), keys);
    pages->SetActivePage(mouse);
    EXPECT_TRUE(mouse->Visible());
    EXPECT_FALSE(keys->Visible());
}

TEST_F(ComCtrlsTest, TrackBarReportsEveryChangeOfPosition) {
    auto* track = new TTrackBar(form, form, "Volume");
    track->SetRange(0, 20);
    int changes = 0;
    track->OnChange = [&](TObject*) { ++changes; };
    track->SetPosition(5);
    track->SetPosition(5);
    EXPECT_EQ(changes, 1);
    SendMessageA(track->Handle(), TBM_SETPOS, TRUE, 7); // as a drag leaves it
    SendMessageA(form->Handle(), WM_HSCROLL, TB_THUMBPOSITION,
                 reinterpret_cast<LPARAM>(track->Handle()));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(track->Position(), 7);
}

TEST_F(ComCtrlsTest, ImageListTakesIcons) {
    auto* images = new TImageList(form, "CommandsImgList");
    EXPECT_EQ(images->AddIcon(LoadIconA(nullptr, IDI_APPLICATION)), 0);
    EXPECT_EQ(images->AddIcon(LoadIconA(nullptr, IDI_WARNING)), 1);
    EXPECT_EQ(images->Count(), 2);
    images->Clear();
    EXPECT_EQ(images->Count(), 0);
}

} // namespace
