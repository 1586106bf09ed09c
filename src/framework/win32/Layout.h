#pragma once
// The measured layout of forms: a form states its structure (columns, rows, "label: control"
// rows, group boxes, tab pages, a row of buttons) and the layout places the controls from their
// measured sizes, in design units. A translation that makes a caption longer, another DPI or
// another message font only needs the layout to run again; no form computes a coordinate.
//
//   SetLayout(Column({
//       Pages(PageCtl, {Page(GeneralTab, LabelRows({{PortLbl, PortCoBx}, {SpeedLbl, SpeedCoBx}})),
//                       Page(OptionsTab, Column({LogChBx, Group(ModeGrpBx, Row({...}))}))}),
//       Buttons({OkBtn, CancelBtn, HelpBtn})}));

#include "framework/win32/Controls.h"

#include <memory>
#include <vector>

namespace tav {

class TGroupBox;
class TPanel;
class TPageControl;
class TTabSheet;
class TUpDown;

// Spacing of the layout, in design units.
constexpr int kFormMargin = 10;  // between a form's edge and its controls
constexpr int kSpacing = 6;      // between neighbouring controls
constexpr int kGroupPadding = 8; // inside a group box or a tab page

// One node of a layout: it measures the least size it needs and places itself in a rectangle
// of the client area of its container (the form, a group box or a tab page).
class TLayoutNode {
public:
    virtual ~TLayoutNode() = default;
    // Within a layout pass each node is measured once, however often its parents ask.
    TSize Measure();
    virtual void Place(int left, int top, int width, int height) = 0;
    // Checks that every control lies in `container`, the window the node places it in.
    virtual void CheckContainer(const TControl* container) const = 0;
    // The node takes all the width offered instead of its measured width.
    bool FillWidth = false;
    // The node takes a share of the height left over in a column (and the height of its row).
    bool Expand = false;

protected:
    virtual TSize MeasureNow() = 0;

private:
    unsigned pass_ = 0;
    TSize size_;
};

// One measuring and placing of a form's controls: while it lives, sizes measured once are not
// measured again. Nothing may change a control's measured size meanwhile.
class TLayoutPass {
public:
    TLayoutPass();
    ~TLayoutPass();
    TLayoutPass(const TLayoutPass&) = delete;
    TLayoutPass& operator=(const TLayoutPass&) = delete;

private:
    unsigned previous_;
};

// Layout nodes are built with the functions below and held by value.
class TBox {
public:
    TBox(std::shared_ptr<TLayoutNode> node) : node_(std::move(node)) {}
    // A control placed at its preferred size (stretched where it fills width).
    TBox(TControl* control);
    TLayoutNode* operator->() const { return node_.get(); }
    TLayoutNode& operator*() const { return *node_; }

private:
    std::shared_ptr<TLayoutNode> node_;
};

// Children one under the other; the width is the widest child's.
TBox Column(std::vector<TBox> children, int spacing = kSpacing);
// Children side by side, centred vertically; extra width goes to children that fill width.
TBox Row(std::vector<TBox> children, int spacing = kSpacing);
// "Label: control" rows: the labels form one column as wide as the widest label.
struct TLabelRow {
    TControl* Label;
    TBox Control;
};
TBox LabelRows(std::vector<TLabelRow> rows);
// A group box around `inner`; the controls of `inner` lie in the group box.
TBox Group(TGroupBox* group, TBox inner);
// A panel just large enough for `inner` (and its bevel); the controls of `inner` lie in the
// panel, so enabling or hiding the panel does so to all of them.
TBox Panel(TPanel* panel, TBox inner);
// A page control whose pages hold the given layouts; each page's controls lie in its sheet.
struct TPageLayout {
    TTabSheet* Sheet;
    TBox Inner;
};
TPageLayout Page(TTabSheet* sheet, TBox inner);
TBox Pages(TPageControl* pages, std::vector<TPageLayout> layouts);
// Push buttons of equal width at the right end of a row, as dialogs end.
TBox Buttons(std::vector<TControl*> buttons);
// An edit with its up-down at its right edge.
TBox Spin(TControl* edit, TUpDown* upDown);
// Empty space that takes the width or height left over.
TBox Stretch();
// Marks a node to take all the width offered, or a share of the height left over.
TBox Fill(TBox box);
TBox Expand(TBox box);

} // namespace tav
