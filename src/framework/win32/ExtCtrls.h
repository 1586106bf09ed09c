#pragma once
// Controls that only show something: a frame and a picture.

#include "framework/win32/Controls.h"

namespace tav {

// A control that paints itself whole on its background colour (Color).
class TGraphicControl : public TControl {
protected:
    TGraphicControl(TComponent* owner, TControl* parent, std::string name, DWORD style, TSize size);
    // Draws on the background already filled in; `client` is the client area in pixels.
    virtual void Paint(HDC dc, const RECT& client) = 0;
    void WndProc(TMessage& message) override;
};

// A rectangle drawn with a pen around an area of the background colour (Color). It lies under
// its siblings, whatever their order of creation, so it can frame them: aligned to the client
// area it frames a whole form.
class TShape : public TGraphicControl {
public:
    TShape(TComponent* owner, TControl* parent, std::string name = {});
    void SetPenColor(COLORREF color);

protected:
    void Paint(HDC dc, const RECT& client) override;
    void WndProc(TMessage& message) override;

private:
    COLORREF penColor_ = RGB(0, 0, 0);
};

// An icon of the program's resources, drawn at the control's size on the background colour.
class TImage : public TGraphicControl {
public:
    TImage(TComponent* owner, TControl* parent, std::string name = {});
    ~TImage() override;
    // The icon resource `name` of the program's file; a name it lacks shows nothing.
    void SetIconResource(const std::string& name);

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    void DropIcon();

    std::string iconName_;
    // Loaded for the size it is drawn at, so that Windows picks the best image of the icon.
    HICON icon_ = nullptr;
    TSize iconSize_;
};

} // namespace tav
