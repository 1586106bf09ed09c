#include "framework/win32/ComCtrls.h"

#include "framework/Text.h"
#include "framework/win32/StdCtrls.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tav {
namespace {

const char* SheetClass() {
    return RegisterFrameworkClass("TavTabSheet", CS_DBLCLKS);
}

} // namespace

TUpDown::TUpDown(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {UPDOWN_CLASSA, WS_VISIBLE | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 17, 21}) {
    SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TUpDown::ApplyArgs(TControlArgs& args) {
    if (args.Associate != nullptr)
        SetAssociate(std::exchange(args.Associate, nullptr));
    OnChange = std::exchange(args.OnChange, nullptr);
    TControl::ApplyArgs(args);
}

int TUpDown::Clamp(int value) const {
    return std::clamp(value, min_, max_);
}

void TUpDown::SetAssociate(TEdit* edit) {
    if (associate_ != nullptr && associate_->upDown_.get() == this)
        associate_->upDown_ = nullptr;
    associate_ = edit;
    if (edit != nullptr)
        edit->upDown_ = this;
    SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit ? edit->Handle() : nullptr),
                 0);
    if (associate_ != nullptr)
        associate_->SetText(IntToStr(position_));
}

void TUpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(max, min);
    SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    position_ = Clamp(position_);
}

int TUpDown::Position() const {
    if (associate_ != nullptr)
        if (auto typed = TryStrToInt(Trim(associate_->Text())))
            return Clamp(*typed);
    return position_;
}

void TUpDown::SetPosition(int position) {
    position_ = Clamp(position);
    SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
    if (associate_ != nullptr)
        associate_->SetText(IntToStr(position_));
}

void TUpDown::ShowPosition() {
    if (associate_ != nullptr && associate_->Text() != IntToStr(Position()))
        SetPosition(Position());
}

void TUpDown::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == UDN_DELTAPOS) {
        // The control would move its own idea of the position; the edit's text decides.
        const auto* change = reinterpret_cast<NMUPDOWN*>(m.LParam);
        const int before = Position();
        SetPosition(before + change->iDelta * Increment);
        if (position_ != before)
            Fire(OnChange, this);
        m.Result = 1;
        return;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

TProgressBar::TProgressBar(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name), {PROGRESS_CLASSA, WS_VISIBLE, 0, 150, 17}) {}

void TProgressBar::SetRange(int min, int max) {
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min), max);
}

int TProgressBar::Position() const {
    return static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetPosition(int position) {
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

// ---------------------------------------------------------------------------------------

TTrackBar::TTrackBar(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {TRACKBAR_CLASSA, WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS, 0, 150, 45}) {
    SetRange(0, 10);
}

void TTrackBar::SetRange(int min, int max) {
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min);
    SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max);
    lastPosition_ = Position();
}

int TTrackBar::Position() const {
    return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int position) {
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
    if (Position() != lastPosition_) {
        lastPosition_ = Position();
        Fire(OnChange, this);
    }
}

void TTrackBar::ApplyArgs(TControlArgs& args) {
    OnChange = std::exchange(args.OnChange, nullptr);
    TControl::ApplyArgs(args);
}

void TTrackBar::SetFrequency(int frequency) {
    SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
}

void TTrackBar::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        if (Position() != lastPosition_) {
            lastPosition_ = Position();
            Fire(OnChange, this);
        }
        return;
    }
    TControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {STATUSCLASSNAMEA, WS_VISIBLE | SBARS_SIZEGRIP, 0, 100, 19}) {
    SetAlign(TAlign::Bottom);
}

void TStatusBar::SetPanels(const std::vector<int>& widths) {
    widths_ = widths;
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < widths_.size(); ++i) {
        right += ToPixels(std::max(widths_[i], 0));
        // The last panel reaches the right edge.
        edges.push_back(i + 1 == widths_.size() || widths_[i] < 0 ? -1 : right);
    }
    SendMessageA(Handle(), SB_SIMPLE, FALSE, 0);
    SendMessageA(Handle(), SB_SETPARTS, edges.size(),
                 reinterpret_cast<LPARAM>(edges.empty() ? nullptr : edges.data()));
}

void TStatusBar::ApplyDpi() {
    TControl::ApplyDpi();
    SetPanels(widths_);
}

std::string TStatusBar::PanelText(int index) const {
    const auto at = static_cast<std::size_t>(index);
    return index >= 0 && at < texts_.size() ? texts_[at] : std::string();
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
    if (index < 0)
        return;
    const auto at = static_cast<std::size_t>(index);
    if (at >= texts_.size())
        texts_.resize(at + 1);
    texts_[at] = text;
    SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

// ---------------------------------------------------------------------------------------

namespace {
TPageControl* RequirePageControl(TControl* parent) {
    auto* pages = dynamic_cast<TPageControl*>(parent);
    if (pages == nullptr)
        throw std::invalid_argument("A tab sheet lies in a page control");
    return pages;
}
} // namespace

TTabSheet::TTabSheet(TComponent* owner, TControl* pageControl, std::string name)
    : TControl(owner, RequirePageControl(pageControl), std::move(name),
               {SheetClass(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 100, 100}),
      pageControl_(static_cast<TPageControl*>(pageControl)) {
    PublishCaption();
    pageControl_->pages_.push_back(this);
    pageControl_->Rebuild();
    if (pageControl_->active_ == nullptr)
        pageControl_->SetActivePage(this);
    pageControl_->PlacePages();
}

TTabSheet::~TTabSheet() {
    auto& pages = pageControl_->pages_;
    pages.erase(std::find(pages.begin(), pages.end(), this));
    if (pageControl_->active_ == this) {
        pageControl_->active_ = nullptr;
        if (!pages.empty())
            pageControl_->SetActivePage(pages.front());
    }
    pageControl_->Rebuild();
}

void TTabSheet::SetTabVisible(bool visible) {
    tabVisible_ = visible;
    pageControl_->Rebuild();
}

int TTabSheet::PageIndex() const {
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::WndProc(TMessage& m) {
    TControl::WndProc(m);
    if (m.Msg == WM_SETTEXT)
        pageControl_->Rebuild();
}

TPageControl::TPageControl(TComponent* owner, TControl* parent, std::string name)
    : TControl(owner, parent, std::move(name),
               {WC_TABCONTROLA, WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, 289,
                193}) {}

TPageControl::~TPageControl() {
    // The pages reach back into this control while they go.
    while (!pages_.empty())
        delete pages_.back();
}

void TPageControl::HideTabs() {
    tabsHidden_ = true;
    // Buttons rather than tabs: without an item the control draws neither tab nor frame.
    RecreateWindow(static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)) | TCS_BUTTONS);
    SetTabStop(false);
    Rebuild();
    RequestLayout();
}

void TPageControl::Rebuild() {
    SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0);
    int tab = 0;
    for (TTabSheet* page : pages_) {
        if (!page->tabVisible_ || tabsHidden_)
            continue;
        std::string text = page->Caption();
        TCITEMA item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = text.data();
        item.lParam = reinterpret_cast<LPARAM>(page);
        SendMessageA(Handle(), TCM_INSERTITEMA, static_cast<WPARAM>(tab),
                     reinterpret_cast<LPARAM>(&item));
        if (page == active_)
            SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        ++tab;
    }
    PlacePages();
}

RECT TPageControl::PageFrame() const {
    if (tabsHidden_)
        return {0, 0, 0, 0};
    RECT window{0, 0, ToPixels(400), ToPixels(300)};
    RECT page = window;
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    auto up = [this](LONG px) { return ToDesign(static_cast<int>(px)) + 1; };
    return {up(page.left - window.left), up(page.top - window.top), up(window.right - page.right),
            up(window.bottom - page.bottom)};
}

int TPageControl::TabsWidth() const {
    const auto count = SendMessageA(Handle(), TCM_GETITEMCOUNT, 0, 0);
    if (count <= 0)
        return 0;
    // A row too long for the control is scrolled to the selected tab: it is measured from its
    // start, with the first tab selected. A tab beyond the control's edge still has its place,
    // though the control may say it is not shown.
    const auto selected = SendMessageA(Handle(), TCM_GETCURSEL, 0, 0);
    if (selected > 0)
        SendMessageA(Handle(), TCM_SETCURSEL, 0, 0);
    RECT last{};
    SendMessageA(Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(count - 1),
                 reinterpret_cast<LPARAM>(&last));
    if (selected > 0)
        SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
    // The selected tab stands out a little beyond its neighbours.
    return ToDesign(static_cast<int>(last.right)) + 4;
}

void TPageControl::ApplyArgs(TControlArgs& args) {
    OnChange = std::exchange(args.OnChange, nullptr);
    TControl::ApplyArgs(args);
}

void TPageControl::SelectPage(TTabSheet* page) {
    if (page == nullptr || page == active_)
        return;
    bool allow = true;
    if (OnChanging && CanFireEvents())
        OnChanging(this, allow);
    if (!allow)
        return;
    SetActivePage(page);
    Fire(OnChange, this);
}

void TPageControl::SelectNextPage(bool forward) {
    std::vector<TTabSheet*> tabs;
    std::copy_if(pages_.begin(), pages_.end(), std::back_inserter(tabs),
                 [this](const TTabSheet* p) { return p->tabVisible_ && !tabsHidden_; });
    if (tabs.size() < 2)
        return;
    const auto at = std::find(tabs.begin(), tabs.end(), active_);
    const size_t current = at == tabs.end() ? 0 : static_cast<size_t>(at - tabs.begin());
    const size_t next =
        forward ? (current + 1) % tabs.size() : (current + tabs.size() - 1) % tabs.size();
    SelectPage(tabs[next]);
}

void TPageControl::PlacePages() {
    RECT r{};
    GetClientRect(Handle(), &r);
    if (!tabsHidden_)
        SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    for (TTabSheet* page : pages_)
        page->SetPixelBounds(r.left, r.top, std::max<LONG>(r.right - r.left, 0),
                             std::max<LONG>(r.bottom - r.top, 0));
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page != nullptr && page->pageControl_ != this)
        return;
    active_ = page;
    // Pages take the same room shown or not: switching them places nothing again.
    for (TTabSheet* p : pages_)
        ShowWindow(p->Handle(), p == page ? SW_SHOW : SW_HIDE);
    int tab = 0;
    for (TTabSheet* p : pages_) {
        if (!p->tabVisible_)
            continue;
        if (p == page)
            SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        ++tab;
    }
}

int TPageControl::ActivePageIndex() const {
    return active_ ? active_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? Page(index) : nullptr);
}

void TPageControl::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        const UINT code = reinterpret_cast<NMHDR*>(m.LParam)->code;
        if (code == TCN_SELCHANGING) {
            bool allow = true;
            if (OnChanging && CanFireEvents())
                OnChanging(this, allow);
            m.Result = allow ? FALSE : TRUE;
            return;
        }
        if (code == TCN_SELCHANGE) {
            const int tab = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
            TCITEMA item{};
            item.mask = TCIF_PARAM;
            if (SendMessageA(Handle(), TCM_GETITEMA, static_cast<WPARAM>(tab),
                             reinterpret_cast<LPARAM>(&item)))
                SetActivePage(reinterpret_cast<TTabSheet*>(item.lParam));
            Fire(OnChange, this);
            return;
        }
    }
    TControl::WndProc(m);
    if (m.Msg == WM_SIZE)
        PlacePages();
}

// ---------------------------------------------------------------------------------------

TImageList::TImageList(TComponent* owner, std::string name, int width, int height)
    : TComponent(owner, std::move(name)),
      handle_(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4)) {}

TImageList::~TImageList() {
    ImageList_Destroy(handle_);
}

int TImageList::Count() const {
    return ImageList_GetImageCount(handle_);
}

int TImageList::AddIcon(HICON icon) {
    return ImageList_AddIcon(handle_, icon);
}

void TImageList::Clear() {
    ImageList_RemoveAll(handle_);
}

} // namespace tav
