#pragma once
// The theme manager: placed once on the main window, it replaces the window procedure of every
// control of a handled kind on every form of the application with one of its own, which draws
// the control with the visual style while styles are active and otherwise hands the message on
// to the control. Forms are learnt as they are created, and their controls as they are placed.

#include "framework/Component.h"
#include "framework/win32/Controls.h"
#include "support/themes/ControlKinds.h"
#include "support/themes/StyleOptions.h"
#include "support/themes/win32/TakenOverWindowList.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

namespace tav {
class TForm;
} // namespace tav

namespace tav::themes {

class TStyleManager;

using TAllowTakeOverEvent =
    std::function<void(TStyleManager* sender, TControl* control, bool& allow)>;
using TControlMessageEvent =
    std::function<void(TStyleManager* sender, TControl* control, TMessage& message, bool& handled)>;

// Sent to a control before it is taken over: a non-zero answer refuses.
constexpr UINT kRefuseSubclassingQuery = 0xB7D0;
// Sent to the application window when the main manager goes, so another may take over.
constexpr UINT kManagerReleasedMessage = 0xBCB2;

class TStyleManager : public TComponent {
public:
    explicit TStyleManager(TComponent* owner, std::string name = "StyleManager1");
    ~TStyleManager() override;

    TStyleOptions Options() const { return options_; }
    void SetOptions(TStyleOptions options);

    TAllowTakeOverEvent OnAllowSubclassing;
    TControlMessageEvent OnControlMessage;
    std::function<void(TObject* sender)> OnThemeChange;

    // This instance takes over nothing: another one is the main manager.
    bool SubclassingOff() const { return subclassingOff_; }
    const std::vector<TForm*>& PendingForms() const { return pendingForms_; }
    TTakenOverWindowList& List(TControlKind kind);
    // Whether any list holds `control`.
    bool TakenOver(const TControl* control);
    // Every control of every list.
    int TakenOverCount() const;

    virtual bool FireAllowSubclassing(TControl* control);
    virtual bool FireControlMessage(TControl* control, TMessage& message);
    virtual void FireThemeChange();
    virtual void BecomeMainManager();
    virtual void HandleControlChange(TControl* control, bool inserting);
    virtual bool IsScrollingControl(TControl* control);

    // The end of the main window's declaration: every control of every form so far.
    void Loaded();
    void Notification(TComponent* component, TOperation operation) override;

    void CollectControls(TControl* parent);
    // One form, or (with none) every form after releasing every control.
    void CollectForms(TForm* form = nullptr);
    void ReleaseAllControls();
    void ApplyTransparencyOptions(TForm* form);
    // Takes the theme-property options from the application's theme properties.
    void UpdateThemeState();
    // Every form and every windowed control in it hears of a theme change.
    void BroadcastThemeChange();
    // Tab and the arrows show the focus, Alt the mnemonics, on the control's form.
    static void ShowUiCues(TControl& control, WPARAM key);

    // The replacement procedures, one per kind of control.
    void ButtonProc(TTakenOverWindowList& list, TControl& control, TMessage& m);
    void GroupBoxProc(TTakenOverWindowList& list, TControl& control, TMessage& m);
    void TabSheetProc(TTakenOverWindowList& list, TControl& control, TMessage& m);
    void PanelProc(TTakenOverWindowList& list, TControl& control, TMessage& m);
    void ListViewProc(TTakenOverWindowList& list, TControl& control, TMessage& m);
    void TrackBarProc(TTakenOverWindowList& list, TControl& control, TMessage& m);
    void StatusBarProc(TTakenOverWindowList& list, TControl& control, TMessage& m);
    void FormProc(TTakenOverWindowList& list, TControl& control, TMessage& m);
    void WinControlProc(TTakenOverWindowList& list, TControl& control, TMessage& m);

private:
    bool MainWindowHook(TMessage& m);
    void TakeOverPendingForms();
    bool ThemesActive() const;
    // The parent's background under `control`, into `dc`.
    void ParentBackground(TControl& control, HDC dc);
    void PaintGroupBox(TControl& box, HDC dc);
    void PaintPanel(TControl& panel, HDC dc);
    bool PanelHandled(TControl& panel) const;
    LRESULT TrackBarCustomDraw(TControl& bar, const NMCUSTOMDRAW& draw);

    TStyleOptions options_ = kDefaultStyleOptions;
    std::vector<std::unique_ptr<TTakenOverWindowList>> lists_;
    std::vector<TForm*> pendingForms_;
    bool subclassingOff_ = false;
    int hookId_ = 0;
};

// The one manager that takes over controls; none while no manager exists.
TStyleManager* MainStyleManager();

} // namespace tav::themes
