#pragma once
// What the driver origins need of the rest of the program: the reader of the 2000/XP driver,
// the Windows 9x driver, and which of the two the running Windows takes.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace tav {

// The values of one read of the driver, on the main thread.
using TDriverValuesFn = std::function<void(std::span<const std::int16_t> values)>;

// The reader of the 2000/XP driver. It lives from its making to the program's end; closing
// the origin only disables it.
class IDriverReader {
public:
    virtual ~IDriverReader() = default;
    // Deliveries flow only while it is active. A reader that never reached the driver does
    // not become active.
    virtual void Enable() = 0;
    virtual void Disable() = 0;
    virtual bool GetActive() const = 0;
};

// Makes the reader that delivers to `onCode`; whether it reached the driver is told by its
// GetActive.
using TDriverReaderFactory = std::function<std::unique_ptr<IDriverReader>(TDriverValuesFn onCode)>;

// The Windows 9x driver the program would carry.
class IVxDDriver {
public:
    virtual ~IVxDDriver() = default;
    // Opens the driver by its file; false when it cannot.
    virtual bool Open() = 0;
    // One control call with `input` and 4 bytes of output, which nobody reads; false when the
    // driver refused it.
    virtual bool Control(std::uint32_t code, std::span<const std::uint8_t> input) = 0;
    virtual void Close() = 0;
    // Copies the line samples that the driver's message places at `address`; false when
    // nothing readable lies there (any process can post the message).
    virtual bool ReadSamples(std::uintptr_t address, std::span<std::int16_t> samples) = 0;
};

// Which driver serves a driver-based receiver: the 9x one, none (NT before 5.0), or the
// 2000/XP one (every later Windows).
enum class TDriverPlatform { Win9x, NtBefore5, Nt5 };

} // namespace tav
