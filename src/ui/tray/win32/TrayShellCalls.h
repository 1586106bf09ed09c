#pragma once
// The tray icon's calls into the shell that nobody waits for. The shell answers them from its
// own process, so a busy or hung shell holds up whoever makes the call: this thread makes them
// instead. A modify that has not been made yet when a newer one comes is dropped, since only the
// icon's latest state matters.

#include "framework/win32/Thread.h"

#include <shellapi.h>

#include <mutex>
#include <optional>

namespace tav {

class TTrayShellCalls final : public TThread {
public:
    // Starts the thread.
    TTrayShellCalls();
    // Waits for a call under way; one not made yet is dropped.
    ~TTrayShellCalls() override;

    // A modify call with a copy of `data`, its icon included: the caller keeps its own.
    void Modify(const NOTIFYICONDATAA& data);
    // Drops the modify not made yet: the caller has brought the shell up to date itself.
    void Withdraw();

protected:
    void Execute() override;

private:
    std::optional<NOTIFYICONDATAA> Take();

    std::mutex lock_;
    // Its icon is this object's own.
    std::optional<NOTIFYICONDATAA> pending_;
    HANDLE wake_ = nullptr;
};

} // namespace tav
