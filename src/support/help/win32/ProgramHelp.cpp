#include "support/help/win32/ProgramHelp.h"

#include "framework/PlatformFiles.h"
#include "framework/win32/Forms.h"
#include "framework/win32/Seams.h"
#include "support/help/HelpLog.h"
#include "support/help/win32/HelpModules.h"
#include "support/help/win32/HtmlHelpApi.h"

#include <type_traits>

namespace tav::help {

static_assert(std::is_same_v<THelpEvent, TApplication::THelpEvent>,
              "the hook is the application's help event itself");

THelpEvent TApplicationHelpSlot::Exchange(THelpEvent event) {
    return std::exchange(Application().OnHelp, std::move(event));
}

bool TWin32HtmlHelpViewer::Installed() const {
    return HelpEnvironment().HelpCtlInstalled && GenericHelpEntryBound();
}

bool TWin32HtmlHelpViewer::ShowContext(const std::string& path, int context) {
    HWND viewer = CallHtmlHelp(GetDesktopWindow(), path.c_str(), kHHHelpContext,
                               static_cast<DWORD_PTR>(context));
    if (viewer != nullptr)
        SetForegroundWindow(viewer);
    return viewer != nullptr;
}

void TWin32HtmlHelpViewer::CloseAll() {
    HHCloseAll();
}

std::string TWin32HtmlHelpViewer::WindowsFolder() const {
    return help::WindowsFolder();
}

bool TWin32HtmlHelpViewer::FileExists(const std::string& path) const {
    return PathExists(path);
}

bool TWin32HtmlHelpViewer::OpenWithShell(const std::string& program,
                                         const std::string& parameters) {
    const TShellExecuteResult result =
        ExecuteShell({"open", program, parameters, {}, SW_SHOWNORMAL});
    if (!result.Success)
        DebugReport("Function ShellExecute(%s)\rReturned: %s", program + ", " + parameters,
                    LastErrorText(result.Error, translate_));
    return result.Success;
}

void TWin32HtmlHelpViewer::ShowError(const std::string& text) {
    AppMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

std::string TWin32HtmlHelpViewer::Translate(const std::string& english) const {
    return translate_ ? translate_(english) : english;
}

THtmlHelpSystem::THtmlHelpSystem(std::string helpFile, TTranslateFn translate)
    : viewer_(std::move(translate)),
      hook_(std::make_unique<THelpRequestHook>(std::move(helpFile), std::string(),
                                               THelpViewerKind::HtmlHelp, slot_, viewer_)) {}

std::string LastErrorText(unsigned long error, const TTranslateFn& translate) {
    const std::string name(LastErrorName(error));
    return "[Error:" + std::to_string(error) + "] " + (translate ? translate(name) : name);
}

} // namespace tav::help
