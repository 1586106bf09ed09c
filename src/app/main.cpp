#include "engine/settings/win32/RegistryStore.h"
#include "framework/win32/Forms.h"
#include "framework/win32/HandOver.h"
#include "support/help/win32/HelpModules.h"
#include "support/themes/win32/ThemeModules.h"
#include "ui/lang/Lang.h"
#include "ui/lang/win32/WinProfileFile.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/SingleInstance.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The command line, the program's own path first.
std::vector<std::string> CommandLine() {
    return std::vector<std::string>(__argv, __argv + __argc);
}

// How long a start waits for a running instance to answer, and then to end.
constexpr DWORD kEndInstanceWaitMs = 5000;

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace tav;
    bool ran = false;
    // Before any window of this start: a running instance that asks its user about unsaved
    // edits is not covered by the splash, and when the user keeps it, this start ends unseen.
    if (!TRegistryStore(kSettingsKey).ReadBoolSetting("Multiple instances") &&
        !EndOtherInstances(kMainCaption, kEndInstanceWaitMs))
        return 0;
    GuardCallback([&] {
        // The help control and the help's log come first and go last, around every form.
        help::THelpModules helpModules(CommandLine());
        // The visual styles end after the last form too.
        themes::TThemeModules themeModules;
        TApplication& app = Application();
        // Worker threads (the named pipe's) hand their work over through it; it outlives them.
        THandOver handOver;
        // Errors of work handed over from other threads reach the same handler as the rest.
        SetExceptionHandler([](const std::string& message) {
            const std::runtime_error error(message);
            Application().HandleException(&error);
        });
        TLanguage::SetProfileOpener(&OpenWinProfileFile);
        app.SetTitle("Tavrilo");
        app.SetIcon(LoadIconA(instance, "APPICON"));
        const std::vector<std::string> commandLine = CommandLine();
        auto* main =
            new TMainForm(&app, kSettingsKey, {commandLine.begin() + 1, commandLine.end()});
        app.SetMainForm(main);
        // The end of the editor's creation runs the rest of the start-up.
        main->CreateActionEditor(true);
        app.ShowMainForm = false;
        app.Run();
        ran = true;
    });
    // A start-up that failed has shown its error; the exit code says so too.
    return ran ? 0 : 1;
}
