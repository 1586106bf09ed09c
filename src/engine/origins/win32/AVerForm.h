#pragma once
// The TV-application origin in the running program: while it is open, a hidden window with the
// title the TV application looks for ("AverMedia window") receives the application's remote
// messages. The main window owns the origin; the origin owns the window.

#include "engine/recognition/CodeReceiver.h"
#include "engine/settings/Settings.h"
#include "framework/win32/Forms.h"

namespace tav {

// Never shown. Its window class bears its name, as the TV application may look for that too.
class TAVerForm : public TForm {
public:
    // `codes` must outlive the form.
    TAVerForm(TComponent* owner, TCodeReceiver& codes);

    // The TV application's message: one code.
    void WMRemoteCode(TMessage& message);
    // The origin closes: from now on the window has no title and delivers nothing, and it is
    // freed at once, or, when it is closed from inside its own message (an action that waits for
    // a program closes the origins), as soon as that message is over.
    void Retire();

protected:
    void WndProc(TMessage& message) override;

private:
    TCodeReceiver* codes_;
    int delivering_ = 0;
};

class TTvApplication : public TComponent {
public:
    // Every reference must outlive this object.
    TTvApplication(TComponent* owner, std::string name, const TSettings& settings,
                   TCodeReceiver& codes);

    // Opening makes the window, titled as the settings say (an open origin keeps its window and
    // takes the title again); closing retires it. It cannot fail.
    void OpenAVerWindow(bool active);
    // The window while the origin is open.
    TAVerForm* Window() const { return window_; }

private:
    const TSettings& settings_;
    TCodeReceiver& codes_;
    TComponentRef<TAVerForm> window_{this};
};

} // namespace tav
