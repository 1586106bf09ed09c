#include "engine/actions/win32/Win32ActionPorts.h"

namespace tav {

namespace {

const char* const kShutdownPrivilege = "SeShutdownPrivilege";

// The shutdown privilege for as long as it lives.
struct TShutdownPrivilege {
    TShutdownPrivilege() { SetPrivilege(kShutdownPrivilege, true); }
    ~TShutdownPrivilege() { SetPrivilege(kShutdownPrivilege, false); }
    TShutdownPrivilege(const TShutdownPrivilege&) = delete;
    TShutdownPrivilege& operator=(const TShutdownPrivilege&) = delete;
};

} // namespace

bool SetPrivilege(const std::string& name, bool enable) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    bool done = false;
    if (LookupPrivilegeValueA(nullptr, name.c_str(), &privileges.Privileges[0].Luid)) {
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
        done = AdjustTokenPrivileges(token, FALSE, &privileges, sizeof(privileges), nullptr,
                                     nullptr) != FALSE;
    }
    CloseHandle(token);
    return done;
}

bool ExitWindowsPrivileged(UINT flags) {
    TShutdownPrivilege privilege;
    return ExitWindowsEx(flags, 0) != FALSE;
}

void TWin32Power::ExitWindowsPrivileged(std::uint32_t flags) {
    tav::ExitWindowsPrivileged(flags);
}

// Suspending and hibernating need the same privilege as shutting down.
void TWin32Power::SetSystemPowerState(bool suspend) {
    TShutdownPrivilege privilege;
    ::SetSystemPowerState(suspend, FALSE);
}

} // namespace tav
