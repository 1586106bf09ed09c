#pragma once
// The serial port's error: a code of the port's own (1 to 23) and the Windows error of the call
// that failed (-1 when there is none). The message is the code's text, followed by the Windows
// code when there is one: "Unable to open com port (win error code: 2)".

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tav {

// The codes the port raises; the others of 1 to 23 keep their numbers for whoever reads them.
enum TSerialErrorCode : std::int32_t {
    kSerialOpenFailed = 1,
    kSerialWriteFailed = 2,
    kSerialReadFailed = 3,
    kSerialNoRequest = 4,
    kSerialPurgeFailed = 5,
    kSerialSetStateFailed = 7,
    kSerialSetTimeoutsFailed = 8,
    kSerialSetupFailed = 9,
    kSerialClearErrorFailed = 10,
    kSerialModemStatusFailed = 11,
    kSerialEscapeFailed = 12,
    kSerialSetWhileConnected = 14,
};

class ESerialPort : public std::runtime_error {
public:
    ESerialPort(std::int32_t errorCode, std::int32_t windowsError);

    std::int32_t WindowsError() const { return windowsError_; }
    std::int32_t ErrorCode() const { return errorCode_; }

private:
    std::int32_t windowsError_;
    std::int32_t errorCode_;
};

// The text of a code without the Windows part; empty outside 1 to 23.
std::string SerialErrorText(std::int32_t errorCode);

} // namespace tav
