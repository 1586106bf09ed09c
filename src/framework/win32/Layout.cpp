#include "framework/win32/Layout.h"

#include "framework/win32/ComCtrls.h"
#include "framework/win32/StdCtrls.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace tav {
namespace {

// The pass measuring now; 0 while none is.
unsigned g_pass = 0;
unsigned g_passes = 0;

void CheckParent(const TControl* control, const TControl* container) {
    if (control->Parent() != container)
        throw std::logic_error(
            "The layout places " + control->Name() + " in " +
            (container != nullptr ? container->Name() : std::string("nothing")) +
            ", but it lies in " +
            (control->Parent() != nullptr ? control->Parent()->Name() : std::string("no parent")));
}

// Whether a node takes the width it is offered: marked so, or a control that stretches, or a
// container with such a child.
class TNodeBase : public TLayoutNode {
public:
    virtual bool WantsWidth() const { return FillWidth; }
    // Hidden controls take no room, not even the spacing around them.
    virtual bool Hidden() const { return false; }
};

TNodeBase& Base(const TBox& box) {
    return static_cast<TNodeBase&>(*box);
}

class TControlNode : public TNodeBase {
public:
    explicit TControlNode(TControl* control) : control_(control) {}
    TSize MeasureNow() override { return Hidden() ? TSize{} : control_->PreferredSize(); }
    void Place(int left, int top, int width, int height) override {
        const TSize preferred = control_->PreferredSize();
        const int w = WantsWidth() ? width : std::min(preferred.Width, width);
        const int h = Expand ? height : std::min(preferred.Height, height);
        control_->SetBounds(left, top + (height - h) / 2, w, h);
    }
    void CheckContainer(const TControl* container) const override {
        CheckParent(control_, container);
    }
    bool WantsWidth() const override { return FillWidth || control_->FillsWidth(); }
    bool Hidden() const override { return !control_->Visible(); }

private:
    TControl* control_;
};

class TListNode : public TNodeBase {
public:
    TListNode(std::vector<TBox> children, int spacing)
        : children_(std::move(children)), spacing_(spacing) {}
    void CheckContainer(const TControl* container) const override {
        for (const TBox& c : children_)
            c->CheckContainer(container);
    }
    bool WantsWidth() const override {
        return FillWidth || std::any_of(children_.begin(), children_.end(),
                                        [](const TBox& c) { return Base(c).WantsWidth(); });
    }
    // A row or column whose children are all hidden takes no room either.
    bool Hidden() const override { return !children_.empty() && Shown().empty(); }

protected:
    std::vector<const TBox*> Shown() const {
        std::vector<const TBox*> shown;
        for (const TBox& c : children_)
            if (!Base(c).Hidden())
                shown.push_back(&c);
        return shown;
    }
    int Gaps(size_t count) const { return count > 1 ? spacing_ * static_cast<int>(count - 1) : 0; }

    std::vector<TBox> children_;
    int spacing_;
};

// Extra space shared by `takers` of `count` items; the last taker gets the remainder.
int Share(int extra, int takers, int index) {
    if (takers == 0 || extra <= 0)
        return 0;
    return extra / takers + (index == takers - 1 ? extra % takers : 0);
}

// Children along one axis: the sizes along it add up (with spacing), across it the largest
// counts. Room left over along the axis goes to the children that take it: those that expand
// in a column, those that want the width in a row.
class TLineNode : public TListNode {
public:
    TLineNode(std::vector<TBox> children, int spacing, bool vertical)
        : TListNode(std::move(children), spacing), vertical_(vertical) {}
    TSize MeasureNow() override {
        int along = 0, across = 0;
        const auto shown = Shown();
        for (const TBox* c : shown) {
            const TSize s = (*c)->Measure();
            along += Along(s);
            across = std::max(across, Across(s));
        }
        along += Gaps(shown.size());
        return vertical_ ? TSize{across, along} : TSize{along, across};
    }
    void Place(int left, int top, int width, int height) override {
        const auto shown = Shown();
        std::vector<int> sizes;
        int needed = Gaps(shown.size());
        int takers = 0;
        for (const TBox* c : shown) {
            sizes.push_back(Along((*c)->Measure()));
            needed += sizes.back();
            takers += Takes(**c) ? 1 : 0;
        }
        const int room = vertical_ ? height : width;
        int at = vertical_ ? top : left, taker = 0;
        for (size_t i = 0; i < shown.size(); ++i) {
            int size = sizes[i];
            if (Takes(**shown[i]))
                size += Share(room - needed, takers, taker++);
            if (vertical_)
                (*shown[i])->Place(left, at, width, size);
            else
                (*shown[i])->Place(at, top, size, height);
            at += size + spacing_;
        }
    }

private:
    int Along(TSize s) const { return vertical_ ? s.Height : s.Width; }
    int Across(TSize s) const { return vertical_ ? s.Width : s.Height; }
    bool Takes(TLayoutNode& child) const {
        return vertical_ ? child.Expand : static_cast<TNodeBase&>(child).WantsWidth();
    }

    bool vertical_;
};

class TLabelRowsNode : public TNodeBase {
public:
    explicit TLabelRowsNode(std::vector<TLabelRow> rows) : rows_(std::move(rows)) {
        FillWidth = true;
    }
    TSize MeasureNow() override {
        const Columns& c = Measured();
        int height = 0;
        int shown = 0;
        for (int h : c.rowHeights) {
            height += h;
            shown += h > 0 ? 1 : 0;
        }
        // Hidden rows take no spacing either.
        height += shown > 1 ? kSpacing * (shown - 1) : 0;
        return {c.labelWidth + kSpacing + c.controlWidth, height};
    }
    void Place(int left, int top, int width, int height) override {
        (void)height;
        const Columns& c = Measured();
        const int controlLeft = left + c.labelWidth + kSpacing;
        const int controlWidth = std::max(width - c.labelWidth - kSpacing, 0);
        int y = top;
        for (size_t i = 0; i < rows_.size(); ++i) {
            const int h = c.rowHeights[i];
            if (h == 0)
                continue;
            const TSize label = rows_[i].Label->PreferredSize();
            rows_[i].Label->SetBounds(left, y + (h - label.Height) / 2, label.Width, label.Height);
            rows_[i].Control->Place(controlLeft, y, controlWidth, h);
            y += h + kSpacing;
        }
    }
    void CheckContainer(const TControl* container) const override {
        for (const TLabelRow& row : rows_) {
            CheckParent(row.Label, container);
            row.Control->CheckContainer(container);
        }
    }
    bool Hidden() const override {
        const auto heights = Measured().rowHeights;
        return std::all_of(heights.begin(), heights.end(), [](int h) { return h == 0; });
    }

private:
    struct Columns {
        int labelWidth = 0;
        int controlWidth = 0;
        std::vector<int> rowHeights;
    };
    // Once per layout pass, as Measure.
    const Columns& Measured() const {
        if (g_pass == 0 || columnsPass_ != g_pass) {
            columns_ = MeasureColumns();
            columnsPass_ = g_pass;
        }
        return columns_;
    }
    Columns MeasureColumns() const {
        Columns c;
        for (const TLabelRow& row : rows_) {
            if (!row.Label->Visible() && Base(row.Control).Hidden()) {
                c.rowHeights.push_back(0);
                continue;
            }
            const TSize label = row.Label->PreferredSize();
            const TSize control = row.Control->Measure();
            c.labelWidth = std::max(c.labelWidth, label.Width);
            c.controlWidth = std::max(c.controlWidth, control.Width);
            c.rowHeights.push_back(std::max(label.Height, control.Height));
        }
        return c;
    }

    std::vector<TLabelRow> rows_;
    mutable Columns columns_;
    mutable unsigned columnsPass_ = 0;
};

class TGroupNode : public TNodeBase {
public:
    TGroupNode(TGroupBox* group, TBox inner) : group_(group), inner_(std::move(inner)) {
        FillWidth = true;
    }
    TSize MeasureNow() override {
        const TSize inner = inner_->Measure();
        const TSize caption = group_->MeasureText(group_->Caption());
        return {std::max(inner.Width, caption.Width + kGroupPadding) + 2 * kGroupPadding,
                inner.Height + Top() + kGroupPadding};
    }
    void Place(int left, int top, int width, int height) override {
        const int h = Expand ? height : Measure().Height;
        group_->SetBounds(left, top, width, h);
        inner_->Place(kGroupPadding, Top(), width - 2 * kGroupPadding, h - Top() - kGroupPadding);
    }
    void CheckContainer(const TControl* container) const override {
        CheckParent(group_, container);
        inner_->CheckContainer(group_);
    }
    bool Hidden() const override { return !group_->Visible(); }

private:
    // The caption stands on the frame's top edge; the controls start below it.
    int Top() const { return group_->LineHeight() + kGroupPadding / 2; }

    TGroupBox* group_;
    TBox inner_;
};

class TPanelNode : public TNodeBase {
public:
    TPanelNode(TPanel* panel, TBox inner) : panel_(panel), inner_(std::move(inner)) {}
    TSize MeasureNow() override {
        const TSize inner = inner_->Measure();
        return {inner.Width + 2 * Edge(), inner.Height + 2 * Edge()};
    }
    void Place(int left, int top, int width, int height) override {
        const TSize need = Measure();
        const int w = WantsWidth() ? width : std::min(need.Width, width);
        const int h = Expand ? height : std::min(need.Height, height);
        panel_->SetBounds(left, top + (height - h) / 2, w, h);
        inner_->Place(Edge(), Edge(), w - 2 * Edge(), h - 2 * Edge());
    }
    void CheckContainer(const TControl* container) const override {
        CheckParent(panel_, container);
        inner_->CheckContainer(panel_);
    }
    bool WantsWidth() const override { return FillWidth || Base(inner_).WantsWidth(); }
    bool Hidden() const override { return !panel_->Visible(); }

private:
    // The room of the bevel around the inside.
    int Edge() const { return panel_->BevelOuter() == TBevel::None ? 0 : 2; }

    TPanel* panel_;
    TBox inner_;
};

class TPagesNode : public TNodeBase {
public:
    TPagesNode(TPageControl* pages, std::vector<TPageLayout> layouts)
        : pages_(pages), layouts_(std::move(layouts)) {
        FillWidth = true;
    }
    TSize MeasureNow() override {
        TSize inner{};
        for (const TPageLayout& page : layouts_) {
            const TSize s = page.Inner->Measure();
            inner.Width = std::max(inner.Width, s.Width);
            inner.Height = std::max(inner.Height, s.Height);
        }
        const RECT frame = pages_->PageFrame();
        const int padding = Padding();
        return {std::max(inner.Width + 2 * padding + static_cast<int>(frame.left + frame.right),
                         pages_->TabsWidth()),
                inner.Height + 2 * padding + static_cast<int>(frame.top + frame.bottom)};
    }
    void Place(int left, int top, int width, int height) override {
        pages_->SetBounds(left, top, width, Expand ? height : Measure().Height);
        const int padding = Padding();
        for (const TPageLayout& page : layouts_)
            page.Inner->Place(padding, padding, page.Sheet->ClientWidth() - 2 * padding,
                              page.Sheet->ClientHeight() - 2 * padding);
    }
    void CheckContainer(const TControl* container) const override {
        CheckParent(pages_, container);
        for (const TPageLayout& page : layouts_) {
            if (page.Sheet->PageControl() != pages_)
                throw std::logic_error("The layout places the page " + page.Sheet->Name() + " in " +
                                       pages_->Name() + ", but it is not one of its pages");
            page.Inner->CheckContainer(page.Sheet);
        }
    }

private:
    // Pages without tabs lie in their container's own padding; one unit keeps the pixels a
    // rounding may add inside the page.
    int Padding() const { return pages_->TabsHidden() ? 1 : kGroupPadding; }

    TPageControl* pages_;
    std::vector<TPageLayout> layouts_;
};

class TButtonsNode : public TNodeBase {
public:
    explicit TButtonsNode(std::vector<TControl*> buttons) : buttons_(std::move(buttons)) {
        FillWidth = true;
    }
    TSize MeasureNow() override {
        const TSize button = ButtonSize();
        const int count = static_cast<int>(Shown().size());
        return {count * button.Width + std::max(count - 1, 0) * kSpacing, button.Height};
    }
    void Place(int left, int top, int width, int height) override {
        const TSize button = ButtonSize();
        const int needed = Measure().Width;
        int x = left + std::max(width - needed, 0);
        for (TControl* b : Shown()) {
            b->SetBounds(x, top + (height - button.Height) / 2, button.Width, button.Height);
            x += button.Width + kSpacing;
        }
    }
    void CheckContainer(const TControl* container) const override {
        for (const TControl* b : buttons_)
            CheckParent(b, container);
    }

private:
    std::vector<TControl*> Shown() const {
        std::vector<TControl*> shown;
        std::copy_if(buttons_.begin(), buttons_.end(), std::back_inserter(shown),
                     [](const TControl* b) { return b->Visible(); });
        return shown;
    }
    TSize ButtonSize() const {
        TSize size{};
        for (const TControl* b : Shown()) {
            const TSize s = b->PreferredSize();
            size.Width = std::max(size.Width, s.Width);
            size.Height = std::max(size.Height, s.Height);
        }
        return size;
    }

    std::vector<TControl*> buttons_;
};

class TSpinNode : public TNodeBase {
public:
    TSpinNode(TControl* edit, TUpDown* upDown) : edit_(edit), upDown_(upDown) {}
    TSize MeasureNow() override {
        const TSize edit = edit_->PreferredSize();
        return {edit.Width + upDown_->PreferredSize().Width, edit.Height};
    }
    void Place(int left, int top, int width, int height) override {
        const TSize edit = edit_->PreferredSize();
        const int arrows = upDown_->PreferredSize().Width;
        const int editWidth = WantsWidth() ? width - arrows : edit.Width;
        const int y = top + (height - edit.Height) / 2;
        edit_->SetBounds(left, y, editWidth, edit.Height);
        upDown_->SetBounds(left + editWidth, y, arrows, edit.Height);
    }
    void CheckContainer(const TControl* container) const override {
        CheckParent(edit_, container);
        CheckParent(upDown_, container);
    }
    bool Hidden() const override { return !edit_->Visible(); }

private:
    TControl* edit_;
    TUpDown* upDown_;
};

class TStretchNode : public TNodeBase {
public:
    TStretchNode() {
        FillWidth = true;
        Expand = true;
    }
    TSize MeasureNow() override { return {}; }
    void Place(int, int, int, int) override {}
    void CheckContainer(const TControl*) const override {}
};

} // namespace

TSize TLayoutNode::Measure() {
    if (g_pass == 0)
        return MeasureNow();
    if (pass_ != g_pass) {
        size_ = MeasureNow();
        pass_ = g_pass;
    }
    return size_;
}

TLayoutPass::TLayoutPass() : previous_(g_pass) {
    g_pass = ++g_passes;
}

TLayoutPass::~TLayoutPass() {
    g_pass = previous_;
}

TBox::TBox(TControl* control) : node_(std::make_shared<TControlNode>(control)) {}

TBox Column(std::vector<TBox> children, int spacing) {
    return TBox(std::make_shared<TLineNode>(std::move(children), spacing, true));
}

TBox Row(std::vector<TBox> children, int spacing) {
    return TBox(std::make_shared<TLineNode>(std::move(children), spacing, false));
}

TBox LabelRows(std::vector<TLabelRow> rows) {
    return TBox(std::make_shared<TLabelRowsNode>(std::move(rows)));
}

TBox Group(TGroupBox* group, TBox inner) {
    return TBox(std::make_shared<TGroupNode>(group, std::move(inner)));
}

TBox Panel(TPanel* panel, TBox inner) {
    return TBox(std::make_shared<TPanelNode>(panel, std::move(inner)));
}

TPageLayout Page(TTabSheet* sheet, TBox inner) {
    return {sheet, std::move(inner)};
}

TBox Pages(TPageControl* pages, std::vector<TPageLayout> layouts) {
    return TBox(std::make_shared<TPagesNode>(pages, std::move(layouts)));
}

TBox Buttons(std::vector<TControl*> buttons) {
    return TBox(std::make_shared<TButtonsNode>(std::move(buttons)));
}

TBox Spin(TControl* edit, TUpDown* upDown) {
    return TBox(std::make_shared<TSpinNode>(edit, upDown));
}

TBox Stretch() {
    return TBox(std::make_shared<TStretchNode>());
}

TBox Fill(TBox box) {
    box->FillWidth = true;
    return box;
}

TBox Expand(TBox box) {
    box->Expand = true;
    return box;
}

} // namespace tav
