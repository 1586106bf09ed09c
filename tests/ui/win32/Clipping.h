#pragma once
// Whether a shown form clips anything: a control that reaches out of its parent, a tab hidden
// by its neighbours, a caption wider or taller than the room its control gives it.

#include "framework/win32/ComCtrls.h"
#include "framework/win32/Dpi.h"
#include "framework/win32/Forms.h"
#include "framework/win32/Layout.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tav::test {

inline void CollectControls(TControl* parent, std::vector<TControl*>& out) {
    for (TControl* c : parent->Controls()) {
        out.push_back(c);
        CollectControls(c, out);
    }
}

inline std::vector<TControl*> ShownControls(TForm& form) {
    std::vector<TControl*> all, shown;
    CollectControls(&form, all);
    for (TControl* c : all)
        if (IsWindowVisible(c->Handle()))
            shown.push_back(c);
    return shown;
}

inline bool ShowsMnemonic(const TControl* c) {
    return dynamic_cast<const TLabel*>(c) || dynamic_cast<const TButton*>(c) ||
           dynamic_cast<const TButtonControl*>(c) || dynamic_cast<const TGroupBox*>(c) ||
           dynamic_cast<const TRadioGroup*>(c);
}

// The room a caption has inside its control, in pixels.
inline int CaptionRoom(const TControl* c, int clientWidth) {
    if (dynamic_cast<const TButtonControl*>(c))
        return clientWidth - c->ToPixels(kCheckMarkSpace);
    if (dynamic_cast<const TButton*>(c))
        return clientWidth - c->ToPixels(6);
    if (dynamic_cast<const TGroupBox*>(c) || dynamic_cast<const TRadioGroup*>(c))
        return clientWidth - c->ToPixels(2 * kGroupPadding);
    return clientWidth;
}

inline HFONT FontOf(const TControl* c) {
    return reinterpret_cast<HFONT>(SendMessageA(c->Handle(), WM_GETFONT, 0, 0));
}

// Checks every control the form shows now; `where` names the look in the failures.
inline void ExpectNothingClipped(TForm& form, const std::string& where) {
    for (TControl* c : ShownControls(form)) {
        RECT client{}, inParent{};
        GetClientRect(c->Handle(), &client);
        GetWindowRect(c->Handle(), &inParent);
        MapWindowPoints(HWND_DESKTOP, GetParent(c->Handle()), reinterpret_cast<POINT*>(&inParent),
                        2);
        RECT parent{};
        GetClientRect(GetParent(c->Handle()), &parent);
        const std::string what = where + ": " + c->Name();
        EXPECT_TRUE(inParent.left >= 0 && inParent.top >= 0 && inParent.right <= parent.right &&
                    inParent.bottom <= parent.bottom)
            << what << " reaches out of its parent";
        if (auto* pages = dynamic_cast<TPageControl*>(c))
            for (int i = 0; i < pages->PageCount(); ++i) {
                RECT tab{};
                SendMessageA(c->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(&tab));
                EXPECT_LE(tab.right, client.right) << what << " hides a tab";
            }
        if (!ShowsMnemonic(c) || c->Caption().empty())
            continue;
        const TSize text = TextExtent(FontOf(c), c->Caption());
        EXPECT_LE(text.Width, CaptionRoom(c, client.right))
            << what << " clips \"" << c->Caption() << "\"";
        EXPECT_LE(text.Height, client.bottom) << what << " is lower than its text";
    }
}

} // namespace tav::test
