#pragma once
// The help modules' life: before the program's first form the help control is loaded, then
// the help module reads the program's paths, the debug switch and the help control's and the
// browser's versions and makes the diagnostic log; after the last form they end in the reverse
// order. The program makes one THelpModules around its forms.

#include "support/help/HelpLog.h"
#include "support/help/HelpVersions.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace tav::help {

// What the help module reads once at its start; empty values while it is not started.
struct THelpEnvironment {
    std::string ModulePath;
    std::string ModuleDir;
    std::string ModuleName;
    std::string RunDir;
    std::string LogFolder;
    bool DebugSwitch = false;
    TFileVersion HelpCtlVersion;
    std::string HelpCtlVerStr;
    bool HelpCtlInstalled = false;
    std::string HelpCtlFriendlyVerStr;
    TFileVersion BrowserVersion;
    std::string BrowserVerStr;
    bool BrowserInstalled = false;
    std::string BrowserFriendlyVerStr;
};

const THelpEnvironment& HelpEnvironment();

// The full path of a module's file, however long; the buffer starts at `firstGuess`
// characters and grows until the path fits.
std::string ModuleFileName(HMODULE module, std::size_t firstGuess = MAX_PATH);

class THelpModules {
public:
    // `arguments` is the command line, the program's own path first; "/debug" or "-debug"
    // among the others (or a file "helpdebug.on" beside the program) turns the log on.
    explicit THelpModules(std::vector<std::string> arguments);
    ~THelpModules();
    THelpModules(const THelpModules&) = delete;
    THelpModules& operator=(const THelpModules&) = delete;

private:
    THelpLogHeader Header() const;

    std::vector<std::string> arguments_;
    std::unique_ptr<THelpLogFile> log_;
};

// A message box of the help, captioned with the application's title.
int AppMessageBox(const std::string& text, unsigned flags);

} // namespace tav::help
