#include "framework/win32/Forms.h"
#include "ui/main/win32/MainForm.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace tav;
    bool ran = false;
    GuardCallback([&] {
        TApplication& app = Application();
        app.SetTitle("Tavrilo");
        app.SetIcon(LoadIconA(instance, "APPICON"));
        app.SetMainForm(new TMainForm(&app));
        app.Run();
        ran = true;
    });
    // A start-up that failed has shown its error; the exit code says so too.
    return ran ? 0 : 1;
}
