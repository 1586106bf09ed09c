#pragma once
// The base of every visible control: one window made when the control is made, owned by a
// component owner and placed in a parent control. Its messages go through `WindowProc`, which
// other code may replace while keeping the saved one callable; notifications the parent gets
// about it are reflected to it (see Messages.h).

#include "framework/Component.h"
#include "framework/win32/Dpi.h"
#include "framework/win32/Messages.h"

#include <optional>
#include <string>
#include <vector>

namespace tav {

class TForm;
class TPopupMenu;
class TEdit;
class TControl;

using TNotifyEvent = std::function<void(TObject* sender)>;

enum class TMouseButton { Left, Right, Middle };
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                      ssDouble = 64;

using TMouseEvent = std::function<void(TObject* sender, TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState, int x, int y)>;
// Setting `key` to 0 consumes the key.
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;

enum class TDragState { Enter, Leave, Move };
enum class TDragMode { Manual, Automatic };
// `accept` starts true; the handler clears it to refuse the drop here.
using TDragOverEvent =
    std::function<void(TObject* sender, TObject* source, int x, int y, TDragState, bool& accept)>;
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;

enum class TAlign { None, Top, Bottom, Left, Right, Client };
// Mouse pointers: the application's (HourGlass while busy) and a control's own.
enum class TCursor { Default, HourGlass, HandPoint };
HCURSOR CursorHandle(TCursor cursor);
enum class THelpType { Context, Keyword };

// What a control class passes to the base to make its window; the size is in design units.
struct TCreateParams {
    const char* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    int width = 100;
    int height = 25;
};

// Everything a form states when it declares a control, in this order (designated initializers
// must keep it). A setting that the kind of control does not have is refused at creation, so a
// slip (OnChange on a button) is an error instead of a handler that never runs.
struct TControlArgs {
    TControl* Parent = nullptr;
    std::string Caption;
    // Combo boxes, list boxes and radio groups.
    StringList Items;
    // Design size for controls without a natural one (lists, memos); 0 keeps the default.
    int Width = 0;
    int Height = 0;
    // Buttons: the modal result a click sets, and whether the button answers Enter / Escape.
    int ModalResult = 0;
    bool Default = false;
    bool Cancel = false;
    // Labels: the control that the label's mnemonic focuses (else the next tab stop).
    TControl* FocusControl = nullptr;
    // Up-downs: the edit that shows the position.
    TEdit* Associate = nullptr;
    TPopupMenu* PopupMenu = nullptr;
    int HelpContext = 0;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnChange;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
};

class TControl : public TComponent {
public:
    using Args = TControlArgs;
    ~TControl() override;

    HWND Handle() const { return handle_; }
    // The control whose window is `wnd`; none for foreign windows.
    static TControl* FromHandle(HWND wnd);
    // The control of `wnd` or of its nearest ancestor that has one.
    static TControl* FindControl(HWND wnd);

    TControl* Parent() const { return parent_; }
    // Child controls in the order they were placed.
    const std::vector<TControl*>& Controls() const { return controls_; }
    // The form this control lies in (itself for a form).
    TForm* ParentForm();

    // Every message of the window arrives here. Replace it to take the window over; keep the
    // previous value to pass messages on.
    TWndMethod WindowProc;
    // Puts `proc` over WindowProc: it gets each message with the procedure below it. Unhooking
    // takes out this procedure alone, also from under those installed after it.
    TWndProcHook HookWindowProc(TChainedWndProc proc) {
        return TWndProcHook::Install(WindowProc, std::move(proc));
    }
    void UnhookWindowProc(const TWndProcHook& hook) { hook.Remove(WindowProc); }
    // Sends a message through WindowProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The window's own procedure (the class's), bypassing the framework.
    void DefaultHandler(TMessage& message);

    std::string Caption() const;
    void SetCaption(const std::string& text);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

    bool Visible() const;
    // Showing or hiding a control places its form's controls again: a hidden one takes no room.
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // Positions and sizes are design units (1/96 inch); the control converts them for the DPI
    // of its form. Mouse coordinates of events stay window pixels, as hit tests take them.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // The DPI the control is shown at (its form's) and conversions for it.
    UINT Dpi() const;
    int ToPixels(int design) const { return DesignToPixels(design, Dpi()); }
    int ToDesign(int pixels) const { return PixelsToDesign(pixels, Dpi()); }
    // The size the layout gives the control when it does not stretch it, in design units:
    // measured from the caption where the control shows one, else the declared size.
    virtual TSize PreferredSize() const;
    // Whether the layout stretches the control to the width offered (edits, lists).
    virtual bool FillsWidth() const { return false; }
    // `text` in the control's font, in design units (rounded up).
    TSize MeasureText(const std::string& text) const;
    // Height of a line of text in the control's font, in design units.
    int LineHeight() const { return MeasureText("Ag").Height; }
    // Takes the font of the form's DPI and puts the control and its children back at their
    // design positions; the form calls it when its DPI or the message font changed.
    virtual void ApplyDpi();

    // Tab order among the siblings: creation order unless set.
    int TabOrder() const;
    void SetTabOrder(int order);
    // Children in tab order.
    std::vector<TControl*> TabList() const;
    bool TabStop() const;
    void SetTabStop(bool tabStop);

    void SetFocus();
    bool Focused() const;
    void Invalidate();

    // Help for this control; 0 / empty means "ask the parent".
    int HelpContext = 0;
    THelpType HelpType = THelpType::Context;
    std::string HelpKeyword;
    // Whether the control has help of its own (a context, or a keyword, as its type says).
    bool HasOwnHelp() const;
    // Passes the help of this control (or the nearest parent that has some) to the
    // application's help command. Returns whether any help was asked for.
    bool InvokeHelp();

    TComponentRef<TPopupMenu> PopupMenu{this};

    // The background of a form or container; the labels, pictures and frames on it show it
    // too. Without a colour of its own a control has its parent's, and with none anywhere the
    // system's dialog face.
    std::optional<COLORREF> Color() const;
    void SetColor(COLORREF color);
    // The brush of Color(); none without a colour.
    HBRUSH ColorBrush() const;
    // The mouse pointer over the control.
    TCursor Cursor = TCursor::Default;
    // A tip shown while the mouse rests on the control; empty shows none.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    // A drag starts from the control: what it carries is taken now, not at the drop.
    TNotifyEvent OnStartDrag;
    TDragMode DragMode = TDragMode::Manual;

    // Drag and drop between controls: BeginDrag captures the mouse and fires OnStartDrag;
    // moves and the button's release end up in DragTo and EndDrag (screen coordinates), which
    // tests may call.
    void BeginDrag();
    static TControl* DragSource();
    static void DragTo(POINT screen);
    static void EndDrag(bool drop);

    // Fires OnClick.
    virtual void Click();
    // Whether the control takes `key` itself instead of the form's dialog keys (Enter in a
    // memo, Escape in a dropped-down list).
    virtual bool WantsDialogKey(WORD key) const {
        (void)key;
        return false;
    }

    // Takes the settings of a declaration (see TControlArgs); each kind of control takes its
    // own and passes the rest on. Throws for a setting no kind took.
    virtual void ApplyArgs(TControlArgs& args);

protected:
    // `parent` may be none only for forms.
    TControl(TComponent* owner, TControl* parent, std::string name, const TCreateParams& params);

    virtual void WndProc(TMessage& message);
    // Publishes the window text under `name` ("Caption" or "Text").
    void PublishCaption(const char* name = "Caption");
    // Lays out aligned children in the client area.
    void AlignControls();
    // The client area that the aligned children leave, in pixels.
    RECT AlignedArea() const;
    // Destroys the window now (with its children's), while the object is still whole.
    void DestroyHandle();
    // Makes the window anew with `style`, for a style its class reads only when a window is
    // made; its place, text, font, hint, focus and children stay. State the class keeps of its
    // own (an edit's length limit) is the caller's to give again.
    void RecreateWindow(DWORD style);
    // The caption or another measured property changed: the form places its controls again.
    void RequestLayout();
    // Sets the window's bounds in pixels of the parent's client area.
    void SetPixelBounds(int left, int top, int width, int height);
    // The height to give the window for a shown height (a combo box adds its drop-down list).
    virtual int WindowHeightFor(int pixelHeight) const { return pixelHeight; }
    // The keyboard focus came into the control: its form and OnEnter hear of it.
    void FocusEntered();

private:
    static LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    RECT ArrangeAligned(bool place) const;
    bool ReflectToChild(TMessage& message);
    void RelayToHint(const TMessage& message);
    void NotifyFormOfChange(bool inserting);
    TShiftState MouseShift(WPARAM keys) const;

    HWND handle_ = nullptr;
    WNDPROC classProc_ = nullptr;
    TControl* parent_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TControl*> tabList_;
    TAlign align_ = TAlign::None;
    bool mouseInside_ = false;
    std::optional<COLORREF> color_;
    HBRUSH colorBrush_ = nullptr;
    std::string hint_;
    // Where the control was put, in design units, to place it again at another DPI.
    RECT design_{};
    // The size it was declared with: what the layout gives a control without a measured size
    // when it does not stretch it. The layout's own placing never changes it, so a form can
    // become smaller again.
    TSize preferred_;
    bool placing_ = false;
};

// Shift, Ctrl and Alt as pressed now.
TShiftState KeyboardShiftState();

// Registers, once per name, a window class of the framework's own (forms, panels, tab sheets):
// the default window procedure, since controls subclass their windows, the arrow cursor and the
// button-face background. Returns `name`.
const char* RegisterFrameworkClass(const char* name, UINT style);

} // namespace tav
