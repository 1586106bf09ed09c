#include "support/themes/win32/StyleManager.h"

#include "framework/win32/Forms.h"
#include "support/themes/win32/ThemeServices.h"
#include "support/themes/win32/UxTheme.h"

#include <algorithm>

namespace tav::themes {
namespace {

CRITICAL_SECTION& ManagerLock() {
    static CRITICAL_SECTION* lock = [] {
        auto* section = new CRITICAL_SECTION;
        InitializeCriticalSection(section);
        return section;
    }();
    return *lock;
}

class Locked {
public:
    Locked() { EnterCriticalSection(&ManagerLock()); }
    ~Locked() { LeaveCriticalSection(&ManagerLock()); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};

TStyleManager* g_mainManager = nullptr;

// Redraw flags: a form whose controls were taken over, and every form after new options.
constexpr UINT kRedrawTakenOver = RDW_INVALIDATE | RDW_VALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW;
constexpr UINT kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                            RDW_UPDATENOW | RDW_ERASENOW | RDW_INTERNALPAINT;

} // namespace

TStyleManager* MainStyleManager() {
    Locked locked;
    return g_mainManager;
}

TStyleManager::TStyleManager(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)) {
    const std::pair<TControlKind, TReplacementProc> procs[] = {
        {TControlKind::Button, &TStyleManager::ButtonProc},
        {TControlKind::GroupBox, &TStyleManager::GroupBoxProc},
        {TControlKind::TabSheet, &TStyleManager::TabSheetProc},
        {TControlKind::Panel, &TStyleManager::PanelProc},
        {TControlKind::ListView, &TStyleManager::ListViewProc},
        {TControlKind::TrackBar, &TStyleManager::TrackBarProc},
        {TControlKind::StatusBar, &TStyleManager::StatusBarProc},
        {TControlKind::Form, &TStyleManager::FormProc},
        {TControlKind::WinControl, &TStyleManager::WinControlProc},
    };
    for (const auto& [kind, proc] : procs)
        lists_.push_back(std::make_unique<TTakenOverWindowList>(*this, kind, proc));
    // The service object watches the application window before this manager does: a theme
    // change reaching the window has been taken in when the manager hears of it.
    GetThemeServices();
    hookId_ = Application().HookMainWindow([this](TMessage& m) { return MainWindowHook(m); });
    bool isMain = false;
    {
        Locked locked;
        if (g_mainManager == nullptr) {
            g_mainManager = this;
            isMain = true;
        } else {
            subclassingOff_ = true;
            options_ = g_mainManager->options_;
        }
    }
    // The forms made so far are learnt now, so that their later controls are taken over as
    // they are placed.
    if (isMain)
        for (TForm* form : Application().Forms())
            Notification(form, TOperation::Insert);
}

TStyleManager::~TStyleManager() {
    BeginDestruction();
    for (auto& list : lists_)
        list->Clear();
    Application().UnhookMainWindow(hookId_);
    bool wasMain = false;
    {
        Locked locked;
        if (g_mainManager == this) {
            g_mainManager = nullptr;
            wasMain = true;
        }
    }
    if (wasMain && Application().Handle() != nullptr)
        SendMessageA(Application().Handle(), kManagerReleasedMessage, 0, 0);
}

TTakenOverWindowList& TStyleManager::List(TControlKind kind) {
    for (auto& list : lists_)
        if (list->HandledKind() == kind)
            return *list;
    return List(TControlKind::WinControl);
}

bool TStyleManager::TakenOver(const TControl* control) {
    return std::any_of(lists_.begin(), lists_.end(),
                       [control](const auto& list) { return list->FindControl(control); });
}

int TStyleManager::TakenOverCount() const {
    int count = 0;
    for (const auto& list : lists_)
        count += list->Count();
    return count;
}

bool TStyleManager::ThemesActive() const {
    return GetThemeServices().ThemesActive();
}

void TStyleManager::SetOptions(TStyleOptions options) {
    if (subclassingOff_) {
        if (TStyleManager* main = MainStyleManager(); main != nullptr && main != this)
            main->SetOptions(options);
        return;
    }
    if (options == options_)
        return;
    options_ = options;
    if (!GetThemeServices().LibraryLoaded())
        return;
    ux::SetThemeAppProperties(options_ & kThemeAppPropertyBits);
    if (Loading())
        return;
    // The application window's notice has the service object and this manager take the change
    // in; then every control hears of it, once.
    SendMessageA(Application().Handle(), WM_THEMECHANGED, 0, 0);
    BroadcastThemeChange();
    for (TForm* form : Application().Forms())
        RedrawWindow(form->Handle(), nullptr, nullptr, kRedrawAll);
}

bool TStyleManager::FireAllowSubclassing(TControl* control) {
    bool allow = true;
    if (OnAllowSubclassing)
        OnAllowSubclassing(this, control, allow);
    return allow;
}

bool TStyleManager::FireControlMessage(TControl* control, TMessage& message) {
    bool handled = false;
    if (OnControlMessage)
        OnControlMessage(this, control, message, handled);
    return handled;
}

void TStyleManager::FireThemeChange() {
    if (OnThemeChange)
        OnThemeChange(this);
}

void TStyleManager::BecomeMainManager() {
    TStyleManager* old = nullptr;
    {
        Locked locked;
        if (g_mainManager == this)
            return;
        old = g_mainManager;
        g_mainManager = this;
    }
    // The old one lets go of every control, styles or not: a control left in its lists would
    // get this one's procedure on top of the old one's, and lose it when the old one goes.
    if (old != nullptr) {
        old->subclassingOff_ = true;
        for (auto& list : old->lists_)
            list->Clear();
    }
    subclassingOff_ = false;
    CollectForms();
}

void TStyleManager::HandleControlChange(TControl* control, bool inserting) {
    if (control == nullptr || control->Handle() == nullptr)
        return;
    const TControlKind kind = KindOfControl(*control);
    if (kind == TControlKind::None)
        return;
    // Without the library only list views need their columns mended.
    if (!GetThemeServices().LibraryLoaded() && kind != TControlKind::ListView)
        return;
    TTakenOverWindowList& list = List(kind);
    const std::optional<TStyleOption> option = OptionForKind(kind);
    const bool allowed = !option || Has(options_, *option);
    if (inserting && allowed && FireAllowSubclassing(control) &&
        SendMessageA(control->Handle(), kRefuseSubclassingQuery, 0, 0) == 0) {
        if (list.AddControl(control) >= 0 && kind == TControlKind::Form) {
            auto* form = static_cast<TForm*>(control);
            FreeNotification(form);
            std::erase(pendingForms_, form);
            CollectControls(form);
        }
    } else {
        list.RemoveControl(control);
    }
}

bool TStyleManager::IsScrollingControl(TControl*) {
    // The framework has no scrolling containers, grids or rich edits.
    return false;
}

void TStyleManager::CollectControls(TControl* parent) {
    if (subclassingOff_ || parent == nullptr)
        return;
    for (TControl* child : parent->Controls()) {
        HandleControlChange(child, true);
        if (!child->Controls().empty())
            CollectControls(child);
    }
}

void TStyleManager::CollectForms(TForm* form) {
    if (subclassingOff_)
        return;
    if (form != nullptr) {
        HandleControlChange(form, true);
        CollectControls(form);
    } else {
        ReleaseAllControls();
        for (TForm* f : Application().Forms()) {
            HandleControlChange(f, true);
            CollectControls(f);
        }
    }
    if (Has(options_, soResetMouseCapture) || Has(options_, soSetTransparency)) {
        if (form != nullptr)
            ApplyTransparencyOptions(form);
        else
            for (TForm* f : Application().Forms())
                ApplyTransparencyOptions(f);
    }
}

void TStyleManager::ReleaseAllControls() {
    List(TControlKind::ListView).Clear();
    if (!ThemesActive())
        return;
    for (TControlKind kind : {TControlKind::StatusBar, TControlKind::TrackBar, TControlKind::Button,
                              TControlKind::TabSheet, TControlKind::WinControl,
                              TControlKind::GroupBox, TControlKind::Form, TControlKind::Panel})
        List(kind).Clear();
}

void TStyleManager::ApplyTransparencyOptions(TForm* form) {
    if (form == nullptr || !ThemesActive())
        return;
    // The framework has no tool bars; labels are made transparent by their procedure.
    std::function<void(TControl*)> walk = [&](TControl* parent) {
        for (TControl* child : parent->Controls()) {
            if (KindOfControl(*child) == TControlKind::None)
                continue;
            ux::EnableThemeDialogTexture(child->Handle(), ETDT_ENABLETAB);
            walk(child);
        }
    };
    walk(form);
}

void TStyleManager::UpdateThemeState() {
    // The service object has read its own state from the same notice.
    if (GetThemeServices().LibraryLoaded())
        options_ = (options_ & ~kThemeAppPropertyBits) |
                   (ux::GetThemeAppProperties() & kThemeAppPropertyBits);
}

void TStyleManager::BroadcastThemeChange() {
    // List views keep their rows: they are told like every other control, never made again.
    std::function<void(TControl*)> tell = [&](TControl* control) {
        if (control->Handle() == nullptr)
            return;
        SendMessageA(control->Handle(), WM_THEMECHANGED, 0, 0);
        for (TControl* child : control->Controls())
            tell(child);
    };
    for (TForm* form : Application().Forms())
        tell(form);
}

void TStyleManager::ShowUiCues(TControl& control, WPARAM key) {
    WORD flag = 0;
    if (key == VK_TAB || (key >= VK_LEFT && key <= VK_DOWN))
        flag = UISF_HIDEFOCUS;
    else if (key == VK_MENU)
        flag = UISF_HIDEACCEL;
    TForm* form = control.ParentForm();
    if (flag != 0 && form != nullptr)
        SendMessageA(form->Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, flag), 0);
}

void TStyleManager::Loaded() {
    if (!subclassingOff_)
        CollectForms();
}

void TStyleManager::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (Destroying() || component == this)
        return;
    if (subclassingOff_) {
        if (TStyleManager* main = MainStyleManager(); main != nullptr && main != this)
            main->Notification(component, operation);
        return;
    }
    if (operation == TOperation::Insert) {
        auto* form = dynamic_cast<TForm*>(component);
        if (form == nullptr ||
            std::find(pendingForms_.begin(), pendingForms_.end(), form) != pendingForms_.end())
            return;
        // Taken over at once, so its controls are taken over as they are placed (a list view
        // before its columns); the rest waits until the form is made.
        HandleControlChange(form, true);
        pendingForms_.push_back(form);
        PostMessageA(Application().Handle(), WM_NULL, 0, 0);
        return;
    }
    // The component is gone but for its last part: only its address is used.
    std::erase(pendingForms_, static_cast<TForm*>(static_cast<void*>(component)));
    for (auto& list : lists_)
        list->ForgetControl(component);
}

bool TStyleManager::MainWindowHook(TMessage& m) {
    if (m.Msg == kManagerReleasedMessage) {
        bool becameMain = false;
        {
            Locked locked;
            if (g_mainManager == nullptr) {
                g_mainManager = this;
                becameMain = true;
            }
        }
        if (becameMain) {
            subclassingOff_ = false;
            CollectForms();
        }
    }
    TakeOverPendingForms();
    // The desktop tells every window of a theme change itself.
    if (m.Msg == WM_THEMECHANGED) {
        UpdateThemeState();
        FireThemeChange();
    }
    return false;
}

void TStyleManager::TakeOverPendingForms() {
    while (!pendingForms_.empty()) {
        TForm* form = pendingForms_.front();
        pendingForms_.erase(pendingForms_.begin());
        if (!subclassingOff_) {
            HandleControlChange(form, true);
            CollectControls(form);
        }
        if (Has(options_, soResetMouseCapture) || Has(options_, soSetTransparency))
            ApplyTransparencyOptions(form);
        RedrawWindow(form->Handle(), nullptr, nullptr, kRedrawTakenOver);
    }
}

} // namespace tav::themes
