#include "engine/actions/win32/Win32ActionPorts.h"
#include "framework/win32/Seams.h"

#include <vector>

namespace tav {

void TWin32Programs::ShellOpen(const std::string& file, const std::string& parameters) {
    ExecuteShell({"open", file, parameters, "", SW_SHOW});
}

bool TWin32Programs::StartProgram(const std::string& commandLine, bool waitForEnd) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWDEFAULT;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    if (waitForEnd)
        WaitAnsweringSentMessages(process.hProcess);
    CloseHandle(process.hProcess);
    return true;
}

// A program that broadcasts (a settings change, a new device) waits for every top-level window
// to answer; a main thread that answered nothing would hang it for as long as we wait.
void WaitAnsweringSentMessages(HANDLE object) {
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_SENDMESSAGE);
        if (woke != WAIT_OBJECT_0 + 1)
            return;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace tav
