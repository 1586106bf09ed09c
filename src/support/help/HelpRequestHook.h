#pragma once
// The application's help hook: it takes over the application's help event while it lives and
// shows every help context in the HTML Help viewer from the program's help file. A failure to
// show one is told to the user in words; nothing else is asked of the application.

#include "framework/HelpRouting.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tav::help {

// The help event's shape: command, pointer-sized data, and whether the application is to go
// on with its own help handling.
using THelpEvent = std::function<bool(unsigned command, THelpData data, bool& callHelp)>;

// Where the hook is installed: the application's help event.
class IHelpEventSlot {
public:
    virtual ~IHelpEventSlot() = default;
    // Installs `event` and returns the one it replaces.
    virtual THelpEvent Exchange(THelpEvent event) = 0;
};

// What the hook needs of the system's help control and of the user interface.
class IHtmlHelpViewer {
public:
    virtual ~IHtmlHelpViewer() = default;
    // A version could be read from the help control's file, and its entry point is bound.
    virtual bool Installed() const = 0;
    // Asks the control for `context` of the file `path` and brings its window to the front;
    // false when the control showed none (a damaged file, or a context the file lacks).
    virtual bool ShowContext(const std::string& path, int context) = 0;
    virtual void CloseAll() = 0;
    virtual std::string WindowsFolder() const = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    // Opens a program through the shell; a failure is reported to the user.
    virtual bool OpenWithShell(const std::string& program, const std::string& parameters) = 0;
    // A message box with OK and the exclamation icon.
    virtual void ShowError(const std::string& text) = 0;
    virtual std::string Translate(const std::string& english) const = 0;
};

// Who shows the help.
enum class THelpViewerKind : std::uint8_t { HtmlHelp = 0, KeyHH = 1, HH = 2 };

// What ShowContext answers.
enum class THelpResult { Shown = 0, NotInstalled = 1, NoKeyHH = 2, NoHH = 3, NotOpened = 4 };

class THelpRequestHook {
public:
    THelpRequestHook(std::string helpFile, std::string windowName, THelpViewerKind kind,
                     IHelpEventSlot& slot, IHtmlHelpViewer& viewer);
    // Closes the help windows and gives the application its help event back.
    ~THelpRequestHook();
    THelpRequestHook(const THelpRequestHook&) = delete;
    THelpRequestHook& operator=(const THelpRequestHook&) = delete;

    // The application's help event: contexts are shown (a popup context as any other), a
    // popup position is kept, and every other command is left to the application.
    bool HelpHook(unsigned command, THelpData data, bool& callHelp);

    THelpResult ShowHelpContext(int context);
    THelpResult HHHelpContext(const std::string& helpFile, int context,
                              const std::string& windowName, THelpViewerKind kind);
    THelpResult ShowContext(const std::string& path, int context, THelpViewerKind kind);
    void HHShowError(THelpResult result);

    const std::string& HelpFile() const { return helpFile_; }
    THelpPoint PopupPos() const { return popupPos_; }

private:
    std::string helpFile_;
    std::string windowName_;
    THelpViewerKind kind_;
    THelpPoint popupPos_;
    IHelpEventSlot& slot_;
    IHtmlHelpViewer& viewer_;
    THelpEvent savedOnHelp_;
    // The installed event reaches the hook through it; cleared when the hook goes, so that an
    // event somebody kept no longer reaches a destroyed hook.
    std::shared_ptr<THelpRequestHook*> self_;
};

} // namespace tav::help
