#pragma once
// The driver origins' links to Windows: the reader thread of the 2000/XP driver, the Windows 9x
// driver opened by its file, and which of them the running Windows takes.

#include "engine/driver/DriverPorts.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tav {

// The reader thread of the DaruZuzed.uru driver, delivering to `onCode`.
std::unique_ptr<IDriverReader> MakeDriverThreadReader(TDriverValuesFn onCode);

// The 9x driver in the file `driverFile`, opened by its name from its own folder; it cannot
// open without a file.
class TWin32VxDDriver final : public IVxDDriver {
public:
    explicit TWin32VxDDriver(std::string driverFile) : file_(std::move(driverFile)) {}
    ~TWin32VxDDriver() override { Close(); }
    TWin32VxDDriver(const TWin32VxDDriver&) = delete;
    TWin32VxDDriver& operator=(const TWin32VxDDriver&) = delete;

    bool Open() override;
    bool Control(std::uint32_t code, std::span<const std::uint8_t> input) override;
    void Close() override;
    bool ReadSamples(std::uintptr_t address, std::span<std::int16_t> samples) override;

private:
    std::string file_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

TDriverPlatform RunningDriverPlatform();

} // namespace tav
