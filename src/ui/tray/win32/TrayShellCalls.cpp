#include "ui/tray/win32/TrayShellCalls.h"

#include "ui/tray/win32/TrayIcon.h"

#include <system_error>
#include <utility>

namespace tav {

namespace {
void FreeIcon(std::optional<NOTIFYICONDATAA>& data) {
    if (data && data->hIcon != nullptr)
        DestroyIcon(data->hIcon);
    data.reset();
}
} // namespace

TTrayShellCalls::TTrayShellCalls() : wake_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
    if (wake_ == nullptr)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "Cannot create the tray's shell event");
    Start();
}

TTrayShellCalls::~TTrayShellCalls() {
    TerminateAndWait();
    Withdraw();
    CloseHandle(wake_);
}

void TTrayShellCalls::Modify(const NOTIFYICONDATAA& data) {
    std::optional<NOTIFYICONDATAA> copy = data;
    copy->hIcon = data.hIcon != nullptr ? CopyIcon(data.hIcon) : nullptr;
    {
        std::lock_guard guard(lock_);
        pending_.swap(copy);
    }
    FreeIcon(copy);
    SetEvent(wake_);
}

void TTrayShellCalls::Withdraw() {
    std::optional<NOTIFYICONDATAA> dropped = Take();
    FreeIcon(dropped);
}

std::optional<NOTIFYICONDATAA> TTrayShellCalls::Take() {
    std::lock_guard guard(lock_);
    return std::exchange(pending_, std::nullopt);
}

void TTrayShellCalls::Execute() {
    const HANDLE handles[] = {TerminateEvent(), wake_};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        std::optional<NOTIFYICONDATAA> data = Take();
        if (!data)
            continue;
        ShellNotifyIconSeam()(NIM_MODIFY, *data);
        FreeIcon(data);
    }
}

} // namespace tav
