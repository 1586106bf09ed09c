#include "components/serial/SerialError.h"

#include <array>
#include <string_view>

namespace tav {
namespace {

constexpr std::array<std::string_view, 23> kTexts = {
    "Unable to open com port",
    "WriteFile function failed",
    "ReadFile function failed",
    "Invalid Async parameter",
    "PurgeComm function failed",
    "Unable to get async status",
    "SetCommState function failed",
    "SetCommTimeouts failed",
    "SetupComm function failed",
    "ClearCommError function failed",
    "GetCommModemStatus function failed",
    "EscapeCommFunction function failed",
    "TransmitCommChar function failed",
    "Cannot set property while connected",
    "Cannot list the serial ports",
    "Cannot store the serial port's settings",
    "Cannot load the serial port's settings",
    "Cannot attach or detach a listener of the serial port",
    "Cannot set a line indicator while it follows a serial port",
    "Cannot wait for a port event while the event thread listens",
    "Waiting for a port event failed",
    "Received bytes already go to another reader",
    "Cannot reach the serial port's settings in the registry",
};

std::string MessageOf(std::int32_t errorCode, std::int32_t windowsError) {
    std::string text = SerialErrorText(errorCode);
    if (windowsError != -1)
        text += " (win error code: " + std::to_string(windowsError) + ")";
    return text;
}

} // namespace

std::string SerialErrorText(std::int32_t errorCode) {
    if (errorCode < 1 || errorCode > static_cast<std::int32_t>(kTexts.size()))
        return {};
    return std::string(kTexts[static_cast<std::size_t>(errorCode - 1)]);
}

ESerialPort::ESerialPort(std::int32_t errorCode, std::int32_t windowsError)
    : std::runtime_error(MessageOf(errorCode, windowsError)), windowsError_(windowsError),
      errorCode_(errorCode) {}

} // namespace tav
