#pragma once
// The receivers served by a driver instead of a serial port: on Windows 2000 and later the
// DaruZuzed.uru driver through its reader thread, on Windows 9x the driver the program would
// carry, which posts each code's line samples to the main window. Windows NT before 5.0 has
// neither. Their codes go to the origins' entry point as whole codes; a held key that the
// 2000/XP driver reports again repeats a typematic command.

#include "engine/driver/DriverPorts.h"
#include "engine/recognition/CodeReceiver.h"
#include "engine/serial/SerialPorts.h"
#include "engine/settings/Settings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace tav {

struct TDriverOriginLinks {
    TSettings& Settings;
    TCodeReceiver& Codes;
    TDriverPlatform Platform;
    TDriverReaderFactory MakeReader;
    IVxDDriver& VxD;
    // The main window's handle as the 9x driver takes it (its low 32 bits), which it posts to.
    std::function<std::uint32_t()> Window;
    TMessageBoxFn ShowMessage;
};

class TDriverOrigins {
public:
    // Every link must outlive the origins.
    explicit TDriverOrigins(TDriverOriginLinks links);

    // Opens (true) or closes (false) the driver of the running Windows; false when that
    // failed, after it has said why.
    bool OpenDriverReceiver(bool active);

    // The 9x driver's message: its line samples lie at `address`. It is taken only while the
    // 9x origin is open, and its samples only when they can be read there: at any other time
    // the message comes from someone else and its address means nothing here.
    void WMVxDData(std::uintptr_t address);

private:
    bool OpenDriverThread(bool active);
    bool OpenVxD(bool active);
    bool VxDFails(const char* text);
    void DriverData(std::span<const std::int16_t> values);

    TDriverOriginLinks l_;
    // Made at the first opening, kept to the end.
    std::unique_ptr<IDriverReader> reader_;
    bool vxdOpen_ = false;
};

} // namespace tav
