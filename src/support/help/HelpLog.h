#pragma once
// The help's diagnostic log "HelpDebug.txt": a header that describes the machine and the
// program, then a line per step of every help request. It is written only when the debug
// switch is on; with it off nothing is written and an older log is left alone. The file is
// opened and closed for every line, and no failure to write it reaches the caller.

#include "support/help/HelpStrings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tav::help {

inline constexpr std::string_view kHelpLogName = "HelpDebug.txt";

struct THelpOperatingSystem {
    bool NtPlatform = true;
    unsigned Major = 0;
    unsigned Minor = 0;
    unsigned Build = 0;
    // Empty when none is installed.
    std::string ServicePack;
};
// "Windows NT4", "Windows 2000", "Windows XP", "Windows NT"; "Windows" off the NT platform.
std::string OperatingSystemName(const THelpOperatingSystem& system);

// What the header tells, gathered when it is written.
struct THelpLogHeader {
    std::string DateTime;
    THelpOperatingSystem System;
    unsigned DefaultLcid = 0;
    std::string DecimalSeparator;
    std::string ExePath;
    std::string ExeVersion;
    std::vector<std::string> Parameters;
    std::string ActualCommandLine;
    std::string RunDir;
    std::string ModuleName;
    std::string ModuleDir;
    std::string ModulePath;
    std::string ModuleVersion;
    bool HelpCtlInstalled = false;
    std::string HelpCtlVerStr;
    std::string HelpCtlFriendlyVerStr;
    bool BrowserInstalled = false;
    std::string BrowserVerStr;
    std::string BrowserFriendlyVerStr;
};

// The header's messages, in order, for the log named `logFileName`.
std::vector<std::string> HelpLogHeaderMessages(const THelpLogHeader& header,
                                               const std::string& logFileName);

// The line a message becomes: "-" and "=" are rules; a message starting with "!", "-" or "="
// loses that character and has no time in front; any other gets `timePrefix`.
std::string HelpLogLineText(std::string_view message, std::string_view timePrefix);

// Whether files can be made in `folder`: a file of a name nobody uses is made and removed
// again; a file of the user's is never touched.
bool FolderIsWritable(std::string folder);

struct THelpLogSetup {
    // Empty: "HelpDebug.txt" in the log folder.
    std::string FileName;
    bool Active = false;
    bool StampTime = true;
    bool DumpHeader = true;
    // An existing file is appended to instead of replaced.
    bool KeepOld = false;
};

struct THelpLogServices {
    std::string LogFolder;
    // Where the log goes when its own folder is missing or cannot be written.
    std::string TempFolder;
    // The time of day in the system's long format.
    std::function<std::string()> TimeOfDay;
    std::function<THelpLogHeader()> Header;
    // Shows a report to the user (a message box with the exclamation icon).
    std::function<void(const std::string&)> ShowReport;
};

class THelpLogFile {
public:
    THelpLogFile(THelpLogSetup setup, THelpLogServices services);

    const std::string& LogFileName() const { return fileName_; }
    bool Active() const { return setup_.Active; }

    template <class... Args> void WriteLogLine(std::string_view format, const Args&... args) {
        WriteMessage(FormatLog(format, args...));
    }
    template <class... Args> void LogIfActive(std::string_view format, const Args&... args) {
        if (Active())
            WriteLogLine(format, args...);
    }
    // Shows the message, whatever the switch, and logs it when active.
    template <class... Args> void ReportAndLog(std::string_view format, const Args&... args) {
        const std::string message = FormatLog(format, args...);
        if (services_.ShowReport)
            services_.ShowReport(message);
        if (Active())
            WriteMessage(message);
    }
    // Replaces an older log (unless kept) and writes the header; only while active.
    void WriteLogHeader();

private:
    void WriteMessage(const std::string& message);

    THelpLogSetup setup_;
    THelpLogServices services_;
    std::string fileName_;
};

// The help modules' one log, while they are initialised; none otherwise.
void SetHelpLog(THelpLogFile* log);
THelpLogFile* HelpLog();

template <class... Args> void DebugLog(std::string_view format, const Args&... args) {
    if (THelpLogFile* log = HelpLog())
        log->LogIfActive(format, args...);
}
template <class... Args> void DebugReport(std::string_view format, const Args&... args) {
    if (THelpLogFile* log = HelpLog())
        log->ReportAndLog(format, args...);
}

} // namespace tav::help
