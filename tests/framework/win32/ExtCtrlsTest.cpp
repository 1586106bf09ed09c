#include "framework/win32/ExtCtrls.h"
#include "Pump.h"
#include "Screenshot.h"
#include "framework/win32/StdCtrls.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace tav;
using namespace std::chrono_literals;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct ExtCtrlsTest : ::testing::Test {
    TForm* form = test::NewLoadedForm(nullptr, "TestForm");
    ~ExtCtrlsTest() override { delete form; }
};

TEST_F(ExtCtrlsTest, StyledLabelKeepsItsStyleAtAnotherDpiAndShowsItsParentsColour) {
    form->SetColor(kWhite);
    auto* label = new TLabel(form, form, "LURL");
    label->SetFontStyles(fsUnderline);
    label->SetFontColor(RGB(0, 0, 255));
    label->ApplyDpi(); // what a DPI change sends: the plain message font
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label->Handle(), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);
    HDC dc = GetDC(label->Handle());
    const LRESULT brush =
        SendMessageA(form->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label->Handle()));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkColor(dc), kWhite);
    ReleaseDC(label->Handle(), dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), form->ColorBrush());
}

TEST_F(ExtCtrlsTest, ALinkIsClickedPointsWithAHandAndItsHintGoesWithIt) {
    auto* link = new TLabel(form, form, "LURL");
    int clicks = 0;
    link->OnClick = [&](TObject*) { ++clicks; };
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link->Handle()), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link->Handle()));
    EXPECT_EQ(clicks, 1);
    link->Cursor = TCursor::HandPoint;
    SendMessageA(link->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
    link->SetHint("Visit program website");
    link->SetHint("Visit the website");
    EXPECT_EQ(SendMessageA(form->HintWindow(), TTM_GETTOOLCOUNT, 0, 0), 1);
    delete link; // a tool left behind would answer for whatever window gets its handle
    EXPECT_EQ(SendMessageA(form->HintWindow(), TTM_GETTOOLCOUNT, 0, 0), 0);
}

TEST_F(ExtCtrlsTest, AShapeFramesTheControlsMadeAfterItAndAnImageDrawsItsIcon) {
    form->SetColor(kWhite);
    auto* shape = new TShape(form, form, "Shape1");
    shape->SetAlign(TAlign::Client);
    auto* image = new TImage(form, form, "Image1");
    image->SetIconResource("APPICON");
    image->SetBounds(20, 20, 64, 64);
    SetWindowPos(form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    form->SetClientSize(120, 110);
    form->Show();
    test::PumpFor(40ms);
    EXPECT_EQ(GetWindow(shape->Handle(), GW_HWNDLAST), shape->Handle());
    const test::RgbImage shot = test::CaptureClientArea(form->Handle());
    auto pixel = [&](int x, int y) {
        return shot.rgb.substr((static_cast<size_t>(y) * shot.width + x) * 3, 3);
    };
    EXPECT_EQ(pixel(0, 0), std::string(3, '\0')) << "the frame";
    EXPECT_EQ(pixel(10, 10), std::string(3, '\xFF')) << "the inside";
    const int middle = form->ToPixels(20 + 32);
    EXPECT_NE(pixel(middle, middle), std::string(3, '\xFF')) << "the icon";
}

} // namespace
