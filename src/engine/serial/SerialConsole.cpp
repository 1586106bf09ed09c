#include "engine/serial/SerialConsole.h"

#include "engine/recognition/ModelSettings.h"
#include "engine/serial/PortSettings.h"
#include "engine/serial/SerialOpen.h"

namespace tav {

namespace {
constexpr std::int32_t kCarriageReturn = 13;
} // namespace

TSerialConsole::TSerialConsole(TSettings& settings, TCodeReceiver& codes, ISerialPort& port,
                               ISerialHost& host, TMessageBoxFn messageBox)
    : settings_(settings), codes_(codes), port_(port), host_(host),
      messageBox_(std::move(messageBox)) {}

bool TSerialConsole::OpenSerialConsole(bool active) {
    if (!active) {
        port_.Close();
        return true;
    }
    if (!OpenOriginPort(port_, ReadSerialLine(settings_, kConsolePortSettings), host_, messageBox_))
        return false;
    packer_.Drop();
    // The console's lines are always raised; its stored DTR and RTS are not used.
    port_.SetDTR(true);
    port_.SetRTS(true);
    host_.SetTimeOutInterval(static_cast<unsigned>(RecognitionTimeOut(settings_)));
    return true;
}

void TSerialConsole::ComPort2RxChar(std::string_view bytes) {
    const int size = ValueSize(settings_);
    codes_.ReceiveMarked([&](TReceivedCode& code) {
        packer_.Pack(bytes, size, code);
        // A line that never ends would otherwise hold the full buffer for good, every later
        // byte dropped.
        const bool complete =
            code.FullUpTo1000() || (!code.IsEmpty() && code.Values().back() == kCarriageReturn);
        if (complete)
            packer_.Drop();
        return complete;
    });
}

} // namespace tav
