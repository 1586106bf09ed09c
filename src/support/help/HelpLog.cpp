#include "support/help/HelpLog.h"

#include "framework/FileNames.h"
#include "framework/PlatformFiles.h"
#include "framework/Text.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <utility>

namespace tav::help {

std::string OperatingSystemName(const THelpOperatingSystem& system) {
    if (!system.NtPlatform)
        return "Windows";
    if (system.Major == 4)
        return "Windows NT4";
    if (system.Major == 5 && system.Minor == 0)
        return "Windows 2000";
    if (system.Major == 5 && system.Minor == 1)
        return "Windows XP";
    return "Windows NT";
}

namespace {

std::string Tabbed(std::string_view value) {
    std::string text(1, '\t');
    return text.append(value);
}

std::string HexAndDecimal(const char* format, unsigned value) {
    return FormatLog(format, "\t0x" + IntToHex(static_cast<std::int32_t>(value), 4),
                     std::to_string(value));
}

std::string JoinedParameters(const std::vector<std::string>& parameters) {
    std::string joined;
    for (const std::string& p : parameters)
        joined += (joined.empty() ? "" : " | ") + p;
    return joined;
}

} // namespace

std::vector<std::string> HelpLogHeaderMessages(const THelpLogHeader& h,
                                               const std::string& logFileName) {
    const THelpOperatingSystem& os = h.System;
    return {
        "=",
        FormatLog("!Log File:             %s", Tabbed(logFileName)),
        FormatLog("!Date:                 %s", Tabbed(h.DateTime)),
        FormatLog("!Operating System:      %s %d.%d (Build %d) %s", Tabbed(OperatingSystemName(os)),
                  os.Major, os.Minor, os.Build,
                  os.ServicePack.empty() ? std::string("No Service Pack") : os.ServicePack),
        HexAndDecimal("!SysLocale.DefaultLCID: %s (%s)", h.DefaultLcid),
        HexAndDecimal("!SysLocale.PriLangID:   %s (%s)", h.DefaultLcid & 0x3FF),
        HexAndDecimal("!SysLocale.SubLangID:   %s (%s)", h.DefaultLcid >> 10 & 0x3F),
        FormatLog("!DecimalSeparator:      %s", Tabbed(h.DecimalSeparator)),
        "-",
        FormatLog("!EXE Path =          %s", Tabbed(h.ExePath)),
        FormatLog("!EXE Version =       %s", Tabbed(h.ExeVersion)),
        FormatLog("!Cmdline Param(s) =  %s", Tabbed(JoinedParameters(h.Parameters))),
        FormatLog("!Actual CmdLine =  %s", Tabbed(h.ActualCommandLine)),
        FormatLog("!RunDir =           %s", Tabbed(h.RunDir)),
        FormatLog("!ModuleName =       %s", Tabbed(h.ModuleName)),
        FormatLog("!ModuleDir =        %s", Tabbed(h.ModuleDir)),
        FormatLog("!ModulePath =        %s", Tabbed(h.ModulePath)),
        FormatLog("!Module Version =       %s", Tabbed(h.ModuleVersion)),
        "-",
        FormatLog("!HelpCtlInstalled =      %s", Tabbed(BoolToYesNo(h.HelpCtlInstalled))),
        FormatLog("!HelpCtlVerStr =         %s", Tabbed(h.HelpCtlVerStr)),
        FormatLog("!HelpCtlFriendlyVerStr = %s", Tabbed(h.HelpCtlFriendlyVerStr)),
        "-",
        FormatLog("!BrowserInstalled =      %s", Tabbed(BoolToYesNo(h.BrowserInstalled))),
        FormatLog("!BrowserVerStr =         %s", Tabbed(h.BrowserVerStr)),
        FormatLog("!BrowserFriendlyVerStr = %s", Tabbed(h.BrowserFriendlyVerStr)),
        "=",
    };
}

std::string HelpLogLineText(std::string_view message, std::string_view timePrefix) {
    constexpr std::size_t kRuleLength = 80;
    std::string text(message);
    if (text == "-" || text == "=")
        text = RepeatChar(text[0], kRuleLength);
    if (!text.empty() && (text[0] == '!' || text[0] == '-' || text[0] == '='))
        return text.substr(1);
    return std::string(timePrefix) + text;
}

bool FolderIsWritable(std::string folder) {
    folder = TrimCharRight(folder, kPathDelim);
    static std::atomic<unsigned> serial{0};
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    // A name taken by someone else's file is passed over, not overwritten.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string probe = folder + kPathDelim + "~wrtest" + std::to_string(stamp) + "-" +
                                  std::to_string(serial++) + ".tmp";
        std::string reason;
        switch (WriteNewFile(probe, {}, reason)) {
        case TNewFileResult::Written:
            RemoveFile(probe);
            return true;
        case TNewFileResult::NameTaken:
            continue;
        default:
            return false;
        }
    }
    return false;
}

THelpLogFile::THelpLogFile(THelpLogSetup setup, THelpLogServices services)
    : setup_(std::move(setup)), services_(std::move(services)), fileName_(setup_.FileName) {
    if (fileName_.empty())
        fileName_ =
            TrimCharRight(services_.LogFolder, kPathDelim) + kPathDelim + std::string(kHelpLogName);
    if (!Active())
        return;
    const std::string folder = TrimCharRight(ExtractFilePath(fileName_), kPathDelim);
    if (!IsFolder(folder) || !FolderIsWritable(folder))
        fileName_ = TrimCharRight(services_.TempFolder, kPathDelim) + kPathDelim +
                    ExtractFileName(fileName_);
    if (PathExists(fileName_))
        ClearFileAttributes(fileName_);
    WriteLogHeader();
}

void THelpLogFile::WriteLogHeader() {
    if (!Active())
        return;
    if (!setup_.KeepOld)
        RemoveFile(fileName_);
    if (!setup_.DumpHeader || !services_.Header)
        return;
    for (const std::string& message : HelpLogHeaderMessages(services_.Header(), fileName_))
        WriteMessage(message);
}

void THelpLogFile::WriteMessage(const std::string& message) {
    const std::string time =
        setup_.StampTime && services_.TimeOfDay ? services_.TimeOfDay() + "   " : std::string();
    std::ofstream out(fileName_, std::ios::app | std::ios::binary);
    if (!out)
        return;
    out << HelpLogLineText(message, time) << "\r\n";
    out.flush();
}

namespace {
THelpLogFile* g_log = nullptr;
} // namespace

void SetHelpLog(THelpLogFile* log) {
    g_log = log;
}

THelpLogFile* HelpLog() {
    return g_log;
}

} // namespace tav::help
