#pragma once
// The on-screen display: a short text in large letters in the middle of the screen, above every
// other window, for the time the settings name. The window has no background: its shape is cut
// to the outline of the glyphs, which its class's brush fills in the font colour. It never takes
// the focus.

#include "engine/actions/ActionPorts.h"
#include "engine/recognition/RecognitionPorts.h"
#include "engine/settings/Settings.h"
#include "framework/win32/Timer.h"
#include "ui/osd/OsdText.h"

#include <windows.h>

#include <string>

namespace tav {

class TOnScreenDisplay : public TComponent, public IOnScreenDisplay, public IActionDisplay {
public:
    // Makes the hidden window "OSDWindow" of class "OSDClass", owned by `ownerWindow`. A failed
    // registration is told in a message box and the display goes on without showing. `errors`
    // hears once of a text of the program's that could not be shaped.
    TOnScreenDisplay(TComponent* owner, const TSettings& settings, IErrorReporter& errors,
                     HWND ownerWindow = nullptr);
    ~TOnScreenDisplay() override;

    // Shows the text at once, replacing any text shown, for the full display time. A shape
    // with more rectangles than the window system takes is made again at a smaller size.
    void ShowOSD(const std::string& text) override;
    // The same for a peer's text, of which a failure is told to nobody: a peer must not put
    // messages on the user's screen.
    void ShowPeerText(const std::string& text);
    // Hides the display and forgets the suffix.
    void OSDShowTimerTimer(TObject* sender);

    void SetSuffix(const std::string& text) override { suffix_ = text; }
    std::string Suffix() const override { return suffix_; }
    void Show(const std::string& text) override { ShowOSD(text); }

    HWND Handle() const { return window_; }
    TTimer* OSDShowTimer = nullptr;

protected:
    // The outline of `text` as drawn with the font selected into `dc`, and in `box` the
    // rectangle it was drawn in; none (with the system's error) when no region could be made.
    virtual HRGN GlyphRegion(HDC dc, const std::string& text, RECT& box);

private:
    void Draw(const std::string& text, bool tellFailure);
    // The font and the brush follow the settings.
    void ApplyStyle(const TOsdStyle& style);
    // The outline of `text` with the font selected into `dc`, which is `font`, or at a smaller
    // size of it where that has too many rectangles. None, with the error in `error`, when no
    // size gives a shape.
    HRGN FittingShape(HDC dc, const std::string& text, const TOsdFont& font, RECT& box,
                      DWORD& error);

    const TSettings& settings_;
    IErrorReporter& errors_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    TOsdFont fontMade_;
    // This display counts among the users of the shared window class.
    bool classHeld_ = false;
    std::string suffix_;
    bool regionErrorShown_ = false;
};

} // namespace tav
