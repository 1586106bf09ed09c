// The measured layout and the DPI: forms place their controls again whenever the DPI, the
// message font or their size changes.

#include "Pump.h"
#include "framework/win32/ListView.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

struct TPlacedForm : TForm {
    explicit TPlacedForm(TBorderStyle border) : TForm(nullptr, "PlacedForm", border) {
        TAV_CREATE(NameLbl, {.Parent = this, .Caption = "&Name of the layout:"});
        TAV_CREATE(NameEdBx, {.Parent = this});
        TAV_CREATE(ShowAllChBx, {.Parent = this, .Caption = "Show &all applications"});
        TAV_CREATE(AppList, {.Parent = this, .Width = 200, .Height = 80});
        TAV_CREATE(OkBtn, {.Parent = this, .Caption = "OK", .Default = true});
        TAV_CREATE(CancelBtn, {.Parent = this, .Caption = "Cancel", .Cancel = true});
        SetLayout(Column({LabelRows({{NameLbl, NameEdBx}}), ShowAllChBx, Expand(AppList),
                          Buttons({OkBtn, CancelBtn})}));
    }
    TLabel* NameLbl = nullptr;
    TEdit* NameEdBx = nullptr;
    TCheckBox* ShowAllChBx = nullptr;
    TListView* AppList = nullptr;
    TButton* OkBtn = nullptr;
    TButton* CancelBtn = nullptr;
};

int PixelWidth(const TControl* c) {
    RECT r{};
    GetWindowRect(c->Handle(), &r);
    return r.right - r.left;
}

bool CaptionFits(const TControl* c, int room) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(c->Handle(), WM_GETFONT, 0, 0));
    RECT client{};
    GetClientRect(c->Handle(), &client);
    return TextExtent(font, c->Caption()).Width + room <= client.right;
}

TEST(Layout, ADpiChangeScalesFontsAndPlacesEverythingAgainInTheSameDesignUnits) {
    TPlacedForm form(TBorderStyle::Dialog);
    const UINT before = form.FormDpi();
    const UINT after = before == 96 ? 144 : 96;
    const int labelPixels = PixelWidth(form.NameLbl);
    const int editLeft = form.NameEdBx->Left();
    const int listWidth = form.AppList->Width();
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    RECT suggested{window.left, window.top,
                   window.left + MulDiv(window.right - window.left, after, before),
                   window.top + MulDiv(window.bottom - window.top, after, before)};
    SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(after, after),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form.FormDpi(), after);
    EXPECT_NEAR(PixelWidth(form.NameLbl), MulDiv(labelPixels, after, before), 3);
    EXPECT_NEAR(form.NameEdBx->Left(), editLeft, 2) << "design units do not change";
    EXPECT_NEAR(form.AppList->Width(), listWidth, 2);
    EXPECT_TRUE(CaptionFits(form.ShowAllChBx, form.ShowAllChBx->ToPixels(kCheckMarkSpace)));
    EXPECT_TRUE(CaptionFits(form.NameLbl, 0));
}

TEST(Layout, ANewMessageFontIsMeasuredAndPlacedOnceTheSystemSaysSo) {
    TPlacedForm form(TBorderStyle::Dialog);
    const int labelPixels = PixelWidth(form.NameLbl);
    const auto systemFont = ReadMessageLogFont;
    ReadMessageLogFont = [systemFont] {
        LOGFONTA font = systemFont();
        font.lfHeight = font.lfHeight * 3 / 2;
        return font;
    };
    SendMessageA(Application().Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    ReadMessageLogFont = systemFont;
    EXPECT_GT(PixelWidth(form.NameLbl), labelPixels * 5 / 4);
    EXPECT_TRUE(CaptionFits(form.ShowAllChBx, form.ShowAllChBx->ToPixels(kCheckMarkSpace)));
    SendMessageA(Application().Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    EXPECT_EQ(PixelWidth(form.NameLbl), labelPixels);
}

TEST(Layout, ASizeableFormKeepsItsEdgesAndNeverGetsSmallerThanItsLayout) {
    TPlacedForm form(TBorderStyle::Sizeable);
    const int listHeight = form.AppList->Height();
    MINMAXINFO before{};
    SendMessageA(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&before));
    form.SetClientSize(form.ClientWidth() + 100, form.ClientHeight() + 60);
    EXPECT_NEAR(form.AppList->Height(), listHeight + 60, 1);
    EXPECT_EQ(form.CancelBtn->Left() + form.CancelBtn->Width(), form.ClientWidth() - kFormMargin);
    EXPECT_EQ(form.CancelBtn->Top() + form.CancelBtn->Height(), form.ClientHeight() - kFormMargin);
    MINMAXINFO limits{};
    SendMessageA(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, before.ptMinTrackSize.x) << "growing is not a new minimum";
    EXPECT_EQ(limits.ptMinTrackSize.y, before.ptMinTrackSize.y);
    form.SetClientSize(10, 10);
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    EXPECT_GE(window.right - window.left, limits.ptMinTrackSize.x);
    EXPECT_GE(window.bottom - window.top, limits.ptMinTrackSize.y);
    EXPECT_GE(form.AppList->Height(), 80);
}

TEST(Layout, PlacingAControlOutsideItsContainerIsAnError) {
    TForm* form = test::NewLoadedForm(nullptr, "Form");
    auto* group = new TGroupBox(form, form, "OptionsGrpBx");
    auto* inside = new TCheckBox(form, group, "LogChBx");
    EXPECT_THROW(form->SetLayout(Column({inside})), std::logic_error);
    EXPECT_NO_THROW(form->SetLayout(Column({Group(group, Column({inside}))})));
    delete form;
}

TEST(Layout, HiddenControlsTakeNoRoomNorTheSpacingAroundThem) {
    auto* form = new TForm(nullptr, "Form", TBorderStyle::Dialog); // exactly as large as needed
    auto* speedLbl = new TLabel(form, form, "SpeedLbl");
    auto* speed = new TEdit(form, form, "SpeedEdBx");
    auto* parityLbl = new TLabel(form, form, "ParityLbl");
    auto* parity = new TEdit(form, form, "ParityEdBx");
    auto* dtr = new TCheckBox(form, form, "DTRChBx");
    auto* rts = new TCheckBox(form, form, "RTSChBx");
    auto* panel = new TPanel(form, form, "IPPanel");
    panel->SetBevelOuter(TBevel::None);
    auto* field = new TEdit(form, panel, "IP1EdBx");
    for (TLabel* label : {speedLbl, parityLbl})
        label->SetCaption("Speed:");
    dtr->SetCaption("DTR:");
    rts->SetCaption("RTS:");
    form->SetLayout(Column({LabelRows({{speedLbl, speed}, {parityLbl, parity}}), Row({dtr, rts}),
                            Panel(panel, Column({field}))}));
    const int full = form->ClientHeight();
    EXPECT_EQ(field->Top(), 0) << "placed inside the panel";
    EXPECT_EQ(panel->Height(), field->Height());
    for (TControl* c : std::initializer_list<TControl*>{parityLbl, parity, dtr, rts})
        c->Hide();
    EXPECT_EQ(form->ClientHeight(), full - parity->Height() - dtr->Height() - 2 * kSpacing);
    for (TControl* c : std::initializer_list<TControl*>{parityLbl, parity, dtr, rts})
        c->Show();
    EXPECT_EQ(form->ClientHeight(), full);
    delete form;
}

TEST(Layout, ChangesBetweenBeginAndEndUpdatePlaceTheControlsOnceAtTheEnd) {
    TPlacedForm form(TBorderStyle::Dialog);
    const int width = form.ClientWidth();
    form.BeginUpdate();
    form.BeginUpdate();
    form.ShowAllChBx->SetCaption("Show all applications and every window they have open");
    form.EndUpdate();
    EXPECT_EQ(form.ClientWidth(), width) << "still inside the outer update";
    form.EndUpdate();
    EXPECT_GT(form.ClientWidth(), width);
    EXPECT_TRUE(CaptionFits(form.ShowAllChBx, form.ShowAllChBx->ToPixels(kCheckMarkSpace)));
}

} // namespace
