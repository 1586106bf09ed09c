#pragma once
// The common controls: up-down bound to an edit, progress bar, track bar, status bar with
// panels, page control with tab sheets, and image lists.

#include "framework/win32/Controls.h"

#include <commctrl.h>

namespace tav {

class TEdit;

// Positions are 32-bit signed, in the range the form gives. Moving the position (by code or by
// the arrows) writes it into the associated edit, whose OnChange then fires; when the edit loses
// the focus it shows the position its text stands for, kept to the range.
class TUpDown : public TControl {
public:
    TUpDown(TComponent* owner, TControl* parent, std::string name = {});
    // The edit that shows the position; a layout puts the up-down at its right edge (Spin).
    TEdit* Associate() const { return associate_; }
    void SetAssociate(TEdit* edit);
    void ApplyArgs(TControlArgs& args) override;
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    int Increment = 1;
    // With an associate, the position is the number in its text (clamped to the range).
    int Position() const;
    void SetPosition(int position);
    // Writes the position into the associate when its text says something else (a number out
    // of the range, or no number).
    void ShowPosition();
    // After an arrow moved the position.
    TNotifyEvent OnChange;

protected:
    void WndProc(TMessage& message) override;

private:
    int Clamp(int value) const;

    TComponentRef<TEdit> associate_{this};
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

class TProgressBar : public TControl {
public:
    TProgressBar(TComponent* owner, TControl* parent, std::string name = {});
    bool FillsWidth() const override { return true; }
    void SetRange(int min, int max);
    int Position() const;
    void SetPosition(int position);
};

// OnChange fires whenever the position changes, by code or by the user.
class TTrackBar : public TControl {
public:
    TTrackBar(TComponent* owner, TControl* parent, std::string name = {});
    void SetRange(int min, int max);
    int Position() const;
    void SetPosition(int position);
    void SetFrequency(int frequency);
    TNotifyEvent OnChange;
    bool FillsWidth() const override { return true; }
    void ApplyArgs(TControlArgs& args) override;

protected:
    void WndProc(TMessage& message) override;

private:
    int lastPosition_ = 0;
};

// Aligned to the bottom of its parent; each panel holds a text.
class TStatusBar : public TControl {
public:
    TStatusBar(TComponent* owner, TControl* parent, std::string name = {});
    int PanelCount() const { return static_cast<int>(widths_.size()); }
    // One panel per width (design units); -1 makes a panel reach the right edge.
    void SetPanels(const std::vector<int>& widths);
    void ApplyDpi() override;
    // The text as it was set, of any length (the control reports lengths in 16 bits).
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);

private:
    std::vector<int> widths_;
    std::vector<std::string> texts_;
};

class TPageControl;

// A page of a page control; its controls are shown while it is the active page. Its caption
// is the tab's text.
class TTabSheet : public TControl {
public:
    // `pageControl` must be a TPageControl.
    TTabSheet(TComponent* owner, TControl* pageControl, std::string name = {});
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    int PageIndex() const;

protected:
    void WndProc(TMessage& message) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_;
    bool tabVisible_ = true;
};

// Choosing a tab (by the user) fires OnChanging (which may refuse) and OnChange; setting the
// active page from code fires nothing.
class TPageControl : public TControl {
public:
    TPageControl(TComponent* owner, TControl* parent, std::string name = {});
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    TNotifyEvent OnChange;
    std::function<void(TObject* sender, bool& allowChange)> OnChanging;
    // Switches to the next (or previous) page with a tab, or to `page`, as the user's choice:
    // OnChanging may refuse, OnChange follows. Ctrl+Tab, Ctrl+Shift+Tab and a tab's mnemonic
    // do this.
    void SelectNextPage(bool forward);
    void SelectPage(TTabSheet* page);
    // Pages without tabs or frame, one shown in the room of the largest: the program chooses
    // the page (the user by another control), and Ctrl+Tab leaves it alone.
    void HideTabs();
    bool TabsHidden() const { return tabsHidden_; }
    // What the tabs and frame take around a page, in design units (left, top, right, bottom).
    RECT PageFrame() const;
    // The width the row of tabs needs to show every tab whole, in design units.
    int TabsWidth() const;
    bool FillsWidth() const override { return true; }
    void ApplyArgs(TControlArgs& args) override;

protected:
    void WndProc(TMessage& message) override;

private:
    friend class TTabSheet;
    void Rebuild();
    void PlacePages();

    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    bool tabsHidden_ = false;
};

class TImageList : public TComponent {
public:
    TImageList(TComponent* owner, std::string name = {}, int width = 16, int height = 16);
    ~TImageList() override;
    HIMAGELIST Handle() const { return handle_; }
    int Count() const;
    // Adds a copy of the icon; returns its index.
    int AddIcon(HICON icon);
    void Clear();
    // Told the DPI of a control that shows the list. A list of icons keeps its size; one whose
    // pictures are drawn by the program draws them anew for it (TDrawnImageList).
    virtual void FollowDpi(UINT dpi) { (void)dpi; }

private:
    HIMAGELIST handle_;
};

} // namespace tav
