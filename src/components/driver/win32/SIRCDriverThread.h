#pragma once
// The reader of the DaruZuzed.uru receiver driver. It opens the driver's device, hands the
// driver an event to signal whenever a code is ready, and at each signal reads that code
// (up to 513 signed 16-bit values) and hands a copy of its values to the main thread, where
// OnCode runs while the reader is active. Between codes it blocks in its wait.
//
// A reader that could not open the device or have the driver take its event is not active and
// never becomes so: it runs no thread, and the caller tells the user from GetActive.
// Disabling keeps the thread reading (each signal still takes its code out of the driver),
// and drops the values from then on, also those read but not yet delivered. A read that fails
// delivers nothing.
//
// The owner destroys the reader before the window that receives its values: destruction stops
// and joins the thread and drops the deliveries that have not run yet.

#include "components/driver/win32/DriverDevice.h"
#include "framework/win32/Thread.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

namespace tav {

class TSIRCDriverThread;

// On the main thread: the values of one read, `count` of them at `buffer`.
using TDriverCodeEvent =
    std::function<void(TSIRCDriverThread* sender, const std::int16_t* buffer, std::int32_t count)>;

// Control codes of the driver: device type 0x22, functions 0x810 and 0x812, buffered, any
// access.
inline constexpr DWORD kDriverRegisterCode = 0x222040;
inline constexpr DWORD kDriverReadCode = 0x222048;
// The output of both control codes: 1026 bytes.
inline constexpr std::size_t kDriverReadValues = 513;

class TSIRCDriverThread final : public TThread {
public:
    // Opens the driver's device and starts reading; never raises.
    explicit TSIRCDriverThread(TDriverCodeEvent onCode);
    ~TSIRCDriverThread() override;

    bool GetActive() const { return active_; }
    // Active again, if the reader ever reached the driver.
    void Enable();
    void Disable() { active_ = false; }

protected:
    void Execute() override;

private:
    // Hands the driver the data event and starts the thread; false when either failed.
    bool Listen();
    void ReadCode();

    TDriverCodeEvent onCode_;
    std::unique_ptr<IDriverDevice> device_;
    // Auto-reset; the driver signals it when a code can be read.
    HANDLE dataEvent_ = nullptr;
    // The device is open, the driver took the event and the thread runs.
    bool listening_ = false;
    std::atomic<bool> active_{false};
    // Cleared at destruction: a delivery that runs later is dropped.
    std::shared_ptr<std::atomic<bool>> live_ = std::make_shared<std::atomic<bool>>(true);
    std::array<std::int16_t, kDriverReadValues> buffer_{};
};

} // namespace tav
