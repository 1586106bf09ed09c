// What each replacement procedure of the theme manager does with the messages of its kind of
// control: while styles are active it draws the control's background (and, for group boxes
// and panels, the whole control) with the visual style; everything else goes to the control's
// saved procedure.

#include "framework/win32/ComCtrls.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"
#include "support/themes/GroupBoxFrame.h"
#include "support/themes/win32/StyleManager.h"
#include "support/themes/win32/ThemeServices.h"

#include <commctrl.h>

#include <string>

namespace tav::themes {
namespace {

bool IsKeyDown(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN || msg == CN_KEYDOWN;
}

HFONT ControlFont(const TControl& control) {
    return reinterpret_cast<HFONT>(SendMessageA(control.Handle(), WM_GETFONT, 0, 0));
}

bool RightToLeft(const TControl& control) {
    return (GetWindowLongA(control.Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
}

std::wstring Wide(const std::string& text) {
    if (text.empty())
        return {};
    const int n =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

RECT ToRect(const TRect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

// Paints the control between BeginPaint and EndPaint, or into the context a message brings.
template <class Paint> void PaintMessage(TControl& control, TMessage& m, Paint paint) {
    if (m.WParam != 0 && m.Msg == WM_PAINT) {
        paint(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(control.Handle(), &ps);
    paint(dc);
    EndPaint(control.Handle(), &ps);
}

} // namespace

void TStyleManager::ParentBackground(TControl& control, HDC dc) {
    // The framework paints nothing double-buffered: the library asks the parent.
    GetThemeServices().DrawParentBack(control.Handle(), dc);
}

void TStyleManager::ButtonProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    if (FireControlMessage(&control, m))
        return;
    if (ThemesActive()) {
        switch (m.Msg) {
        case WM_ERASEBKGND:
            m.Result = 1;
            return;
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            return;
        case CN_CTLCOLORBTN:
        case CN_CTLCOLORSTATIC:
            list.CallSaved(control, m); // the text colours of the control and its parent
            ParentBackground(control, reinterpret_cast<HDC>(m.WParam));
            SetBkMode(reinterpret_cast<HDC>(m.WParam), TRANSPARENT);
            m.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
            return;
        default:
            if (IsKeyDown(m.Msg))
                ShowUiCues(control, m.WParam);
            break;
        }
    }
    list.CallSaved(control, m);
}

void TStyleManager::PaintGroupBox(TControl& box, HDC dc) {
    TThemeServices& services = GetThemeServices();
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(box));
    const std::string caption = box.Caption();
    TExtent extent;
    if (!caption.empty()) {
        RECT calc{0, 0, 0, 0};
        DrawTextA(dc, caption.c_str(), -1, &calc, DT_CALCRECT | DT_SINGLELINE);
        extent = {calc.right - calc.left, calc.bottom - calc.top};
    }
    RECT client{};
    GetClientRect(box.Handle(), &client);
    const TGroupBoxFrame f = GroupBoxFrame({client.left, client.top, client.right, client.bottom},
                                           extent, RightToLeft(box));
    const RECT captionRect = ToRect(f.Caption);
    const ElementDetails details =
        ButtonPart(box.Enabled() ? kButtonGroupBoxNormal : kButtonGroupBoxDisabled);
    const int saved = SaveDC(dc);
    if (!f.Caption.Empty())
        ExcludeClipRect(dc, captionRect.left, captionRect.top, captionRect.right,
                        captionRect.bottom);
    services.DrawPart(dc, details, ToRect(f.Frame));
    RestoreDC(dc, saved);
    if (!caption.empty())
        services.DrawPartText(dc, details, Wide(caption),
                              DT_SINGLELINE | (RightToLeft(box) ? DT_RIGHT | DT_RTLREADING : 0), 0,
                              captionRect);
    SelectObject(dc, oldFont);
}

void TStyleManager::GroupBoxProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    if (FireControlMessage(&control, m))
        return;
    if (ThemesActive()) {
        switch (m.Msg) {
        case WM_PAINT:
            PaintMessage(control, m, [&](HDC dc) { PaintGroupBox(control, dc); });
            m.Result = 0;
            return;
        case WM_ERASEBKGND: {
            const ElementDetails details = ButtonPart(kButtonGroupBoxNormal);
            GetThemeServices().DrawParentBack(control.Handle(), reinterpret_cast<HDC>(m.WParam),
                                              nullptr, true, &details);
            m.Result = 1;
            return;
        }
        default:
            if (IsKeyDown(m.Msg))
                ShowUiCues(control, m.WParam);
            break;
        }
    }
    list.CallSaved(control, m);
}

void TStyleManager::TabSheetProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    if (FireControlMessage(&control, m))
        return;
    if (ThemesActive()) {
        TThemeServices& services = GetThemeServices();
        switch (m.Msg) {
        case WM_ERASEBKGND:
        case WM_PRINTCLIENT: {
            const auto dc = reinterpret_cast<HDC>(m.WParam);
            if (Has(options_, soAlternateTabSheetDraw)) {
                RECT client{};
                GetClientRect(control.Handle(), &client);
                services.DrawPart(dc, TabPart(kTabBody), client);
            } else {
                services.DrawParentBack(control.Handle(), dc);
            }
            m.Result = 1;
            return;
        }
        case WM_NCPAINT: {
            HDC dc = GetWindowDC(control.Handle());
            RECT window{}, client{};
            GetWindowRect(control.Handle(), &window);
            GetClientRect(control.Handle(), &client);
            POINT origin{0, 0};
            ClientToScreen(control.Handle(), &origin);
            const int border = origin.x - window.left;
            const int top = origin.y - window.top;
            ExcludeClipRect(dc, border, top, border + client.right, top + client.bottom);
            POINT old{};
            OffsetViewportOrgEx(dc, -border, -top, &old);
            services.DrawParentBack(control.Handle(), dc);
            SetViewportOrgEx(dc, old.x, old.y, nullptr);
            ReleaseDC(control.Handle(), dc);
            m.Result = 0;
            return;
        }
        default:
            break;
        }
    }
    list.CallSaved(control, m);
}

bool TStyleManager::PanelHandled(TControl& panel) const {
    // A panel without a colour of its own shows its parent's, as one with the same colour does.
    const TControl* parent = panel.Parent();
    return parent != nullptr && parent->Color() == panel.Color();
}

void TStyleManager::PaintPanel(TControl& control, HDC dc) {
    RECT r{};
    GetClientRect(control.Handle(), &r);
    const auto* panel = dynamic_cast<TPanel*>(&control);
    if (panel != nullptr && panel->BevelOuter() != TBevel::None) {
        const bool lowered = panel->BevelOuter() == TBevel::Lowered;
        const COLORREF topLeft = GetSysColor(lowered ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
        const COLORREF bottomRight = GetSysColor(lowered ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        auto line = [&](int x, int y, int w, int h, COLORREF colour) {
            RECT edge{x, y, x + w, y + h};
            SetBkColor(dc, colour);
            ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &edge, nullptr, 0, nullptr);
        };
        line(r.left, r.top, r.right - r.left, 1, topLeft);
        line(r.left, r.top, 1, r.bottom - r.top, topLeft);
        line(r.left, r.bottom - 1, r.right - r.left, 1, bottomRight);
        line(r.right - 1, r.top, 1, r.bottom - r.top, bottomRight);
        InflateRect(&r, -1, -1);
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    ParentBackground(control, dc);
    RestoreDC(dc, saved);
    const std::string caption = control.Caption();
    if (caption.empty())
        return;
    HGDIOBJ oldFont = SelectObject(dc, ControlFont(control));
    SIZE line{};
    GetTextExtentPoint32A(dc, "W", 1, &line);
    RECT text = r;
    text.top = r.top + (r.bottom - r.top - line.cy) / 2;
    text.bottom = text.top + line.cy;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(control.Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawTextA(dc, caption.c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_EXPANDTABS | (RightToLeft(control) ? DT_RTLREADING : 0));
    SelectObject(dc, oldFont);
}

void TStyleManager::PanelProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    if (FireControlMessage(&control, m))
        return;
    // Also without styles: a panel showing its parent's colour draws it from the parent.
    if (PanelHandled(control)) {
        switch (m.Msg) {
        case WM_PAINT:
            PaintMessage(control, m, [&](HDC dc) { PaintPanel(control, dc); });
            m.Result = 0;
            return;
        case WM_PRINTCLIENT:
            PaintPanel(control, reinterpret_cast<HDC>(m.WParam));
            m.Result = 0;
            return;
        case WM_ERASEBKGND:
            ParentBackground(control, reinterpret_cast<HDC>(m.WParam));
            m.Result = 1;
            return;
        default:
            break;
        }
    }
    list.CallSaved(control, m);
}

void TStyleManager::ListViewProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    if (FireControlMessage(&control, m))
        return;
    // A column without a picture asks for none, whether or not styles are active.
    if (m.Msg == LVM_SETCOLUMNA || m.Msg == LVM_INSERTCOLUMNA) {
        auto* column = reinterpret_cast<LVCOLUMNA*>(m.LParam);
        if (column != nullptr && (column->mask & LVCF_IMAGE) && column->iImage == -1)
            column->mask &= ~static_cast<UINT>(LVCF_IMAGE);
    }
    list.CallSaved(control, m);
}

LRESULT TStyleManager::TrackBarCustomDraw(TControl& bar, const NMCUSTOMDRAW& draw) {
    TThemeServices& services = GetThemeServices();
    HWND wnd = bar.Handle();
    const bool focused =
        GetFocus() == wnd && (SendMessageA(wnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
    if (draw.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    RECT client{};
    GetClientRect(wnd, &client);
    if (draw.dwItemSpec == TBCD_TICS) {
        if (focused)
            InflateRect(&client, -1, -1);
        services.DrawParentBack(wnd, draw.hdc, &client);
    } else if (draw.dwItemSpec == TBCD_CHANNEL) {
        RECT channel{};
        SendMessageA(wnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        const int pull = focused ? 1 : 0;
        if (GetWindowLongA(wnd, GWL_STYLE) & TBS_VERT) {
            channel.top = client.top + pull;
            channel.bottom = client.bottom - pull;
        } else {
            channel.left = client.left + pull;
            channel.right = client.right - pull;
        }
        const int saved = SaveDC(draw.hdc);
        IntersectClipRect(draw.hdc, channel.left, channel.top, channel.right, channel.bottom);
        services.DrawParentBack(wnd, draw.hdc, &channel);
        RestoreDC(draw.hdc, saved);
    }
    return CDRF_DODEFAULT;
}

void TStyleManager::TrackBarProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    if (FireControlMessage(&control, m))
        return;
    if (ThemesActive() && m.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
        m.Result = header->code == static_cast<UINT>(NM_CUSTOMDRAW)
                       ? TrackBarCustomDraw(control, *reinterpret_cast<const NMCUSTOMDRAW*>(header))
                       : 0;
        return;
    }
    list.CallSaved(control, m);
}

void TStyleManager::StatusBarProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    if (FireControlMessage(&control, m))
        return;
    if (ThemesActive()) {
        if (m.Msg == WM_ERASEBKGND) {
            RECT client{};
            GetClientRect(control.Handle(), &client);
            GetThemeServices().DrawPart(reinterpret_cast<HDC>(m.WParam), StatusPart(kStatusRoot),
                                        client);
            m.Result = 1;
            return;
        }
        if (m.Msg == WM_NCCALCSIZE) {
            list.CallSaved(control, m);
            if (m.WParam != 0)
                m.Result |= WVR_REDRAW;
            return;
        }
    }
    list.CallSaved(control, m);
}

void TStyleManager::FormProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    // Controls placed later are taken over, styles or not, before anyone else hears of them.
    if (m.Msg == CM_CONTROLLISTCHANGE)
        HandleControlChange(reinterpret_cast<TControl*>(m.WParam), m.LParam != 0);
    if (FireControlMessage(&control, m))
        return;
    list.CallSaved(control, m);
}

void TStyleManager::WinControlProc(TTakenOverWindowList& list, TControl& control, TMessage& m) {
    if (FireControlMessage(&control, m))
        return;
    if (ThemesActive()) {
        switch (m.Msg) {
        case WM_ERASEBKGND:
            if (IsScrollingControl(&control)) {
                ParentBackground(control, reinterpret_cast<HDC>(m.WParam));
                m.Result = 1;
                return;
            }
            break;
        case WM_NCPAINT:
            list.CallSaved(control, m);
            GetThemeServices().DrawClientEdge(control, false);
            return;
        case CN_CTLCOLORSTATIC:
            // A label without a colour of its own shows what lies under it.
            if (Has(options_, soSetTransparency) && dynamic_cast<TLabel*>(&control) != nullptr &&
                control.ColorBrush() == nullptr) {
                list.CallSaved(control, m); // its text colour
                const auto dc = reinterpret_cast<HDC>(m.WParam);
                SetBkMode(dc, TRANSPARENT);
                GetThemeServices().DrawParentBack(control.Handle(), dc);
                m.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
                return;
            }
            break;
        default:
            if (IsKeyDown(m.Msg))
                ShowUiCues(control, m.WParam);
            break;
        }
    }
    list.CallSaved(control, m);
}

} // namespace tav::themes
