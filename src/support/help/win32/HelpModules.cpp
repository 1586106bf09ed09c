#include "support/help/win32/HelpModules.h"

#include "engine/settings/win32/FileVersion.h"
#include "framework/FileNames.h"
#include "framework/PlatformFiles.h"
#include "framework/Text.h"
#include "framework/win32/Forms.h"
#include "framework/win32/Seams.h"
#include "support/help/win32/HtmlHelpApi.h"

#include <algorithm>
#include <tuple>

namespace tav::help {

namespace {

THelpEnvironment g_environment;

std::string FolderWithoutDelim(const std::string& path) {
    return TrimCharRight(ExtractFilePath(path), '\\');
}

// The version of `file` with its text; zero and empty when it has none.
std::pair<TFileVersion, std::string> ReadFileVersion(const std::string& file) {
    const auto numbers = file.empty() ? std::nullopt : ReadFileVersionNumbers(file);
    if (!numbers)
        return {};
    const TFileVersion version{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]};
    return {version, VersionText(version)};
}

bool HasDebugSwitch(const std::string& moduleDir, const std::vector<std::string>& arguments) {
    if (PathExists(moduleDir + "\\helpdebug.on"))
        return true;
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (AnsiSameText(arguments[i], "/debug") || AnsiSameText(arguments[i], "-debug"))
            return true;
    return false;
}

std::string LocalTime() {
    char time[128] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
    return time;
}

std::string LocalDateAndTime() {
    char date[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
    return std::string(date) + " " + LocalTime();
}

THelpOperatingSystem OperatingSystem() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    THelpOperatingSystem system;
    if (!GetVersionExA(&info))
        return system;
    system.NtPlatform = info.dwPlatformId == VER_PLATFORM_WIN32_NT;
    system.Major = info.dwMajorVersion;
    system.Minor = info.dwMinorVersion;
    system.Build = info.dwBuildNumber & 0xFFFF;
    system.ServicePack = info.szCSDVersion;
    return system;
}

std::string DecimalSeparator() {
    char separator[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
    return separator;
}

} // namespace

const THelpEnvironment& HelpEnvironment() {
    return g_environment;
}

std::string ModuleFileName(HMODULE module, std::size_t firstGuess) {
    std::string path(std::max<std::size_t>(firstGuess, 1), '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

int AppMessageBox(const std::string& text, unsigned flags) {
    return ShowMessageBox(text, Application().Title(), flags);
}

THelpModules::THelpModules(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {
    LoadHtmlHelp();
    THelpEnvironment& env = g_environment;
    env.ModulePath = ModuleFileName(nullptr);
    env.ModuleDir = FolderWithoutDelim(env.ModulePath);
    env.ModuleName = ExtractFileName(env.ModulePath);
    env.RunDir = arguments_.empty() ? std::string() : FolderWithoutDelim(arguments_[0]);
    env.LogFolder = FolderIsWritable(env.ModuleDir) ? env.ModuleDir : TempFolder();
    env.DebugSwitch = HasDebugSwitch(env.ModuleDir, arguments_);
    std::tie(env.HelpCtlVersion, env.HelpCtlVerStr) = ReadFileVersion(GetHHCtrlPath());
    env.HelpCtlInstalled = !env.HelpCtlVerStr.empty();
    env.HelpCtlFriendlyVerStr = HelpControlVersionName(env.HelpCtlVerStr, env.HelpCtlVersion);
    auto [browser, browserText] = ReadFileVersion(SystemFolder() + "\\Shdocvw.dll");
    env.BrowserVersion = BrowserVersionMoved(browser);
    env.BrowserVerStr =
        env.BrowserVersion == browser ? browserText : VersionText(env.BrowserVersion);
    env.BrowserInstalled = !env.BrowserVerStr.empty();
    env.BrowserFriendlyVerStr = BrowserVersionName(env.BrowserVerStr, env.BrowserVersion);
    log_ = std::make_unique<THelpLogFile>(
        THelpLogSetup{env.LogFolder + "\\" + std::string(kHelpLogName), env.DebugSwitch, true, true,
                      false},
        THelpLogServices{
            env.LogFolder, TempFolder(), LocalTime, [this] { return Header(); },
            [](const std::string& text) { AppMessageBox(text, MB_OK | MB_ICONEXCLAMATION); }});
    SetHelpLog(log_.get());
}

THelpModules::~THelpModules() {
    SetHelpLog(nullptr);
    log_.reset();
    g_environment = {};
    UnloadHtmlHelp();
}

THelpLogHeader THelpModules::Header() const {
    const THelpEnvironment& env = g_environment;
    THelpLogHeader header;
    header.DateTime = LocalDateAndTime();
    header.System = OperatingSystem();
    header.DefaultLcid = GetThreadLocale();
    header.DecimalSeparator = DecimalSeparator();
    if (!arguments_.empty()) {
        header.ExePath = arguments_[0];
        header.ExeVersion = GetFileVersionStr(arguments_[0]);
        header.Parameters.assign(arguments_.begin() + 1, arguments_.end());
    }
    header.ActualCommandLine = GetCommandLineA();
    header.RunDir = env.RunDir;
    header.ModuleName = env.ModuleName;
    header.ModuleDir = env.ModuleDir;
    header.ModulePath = env.ModulePath;
    header.ModuleVersion = GetFileVersionStr(env.ModulePath);
    header.HelpCtlInstalled = env.HelpCtlInstalled;
    header.HelpCtlVerStr = env.HelpCtlVerStr;
    header.HelpCtlFriendlyVerStr = env.HelpCtlFriendlyVerStr;
    header.BrowserInstalled = env.BrowserInstalled;
    header.BrowserVerStr = env.BrowserVerStr;
    header.BrowserFriendlyVerStr = env.BrowserFriendlyVerStr;
    return header;
}

} // namespace tav::help
