#include "engine/serial/SerialOpen.h"

#include "framework/Text.h"

namespace tav {

bool OpenOriginPort(ISerialPort& port, const TSerialLine& line, ISerialHost& host,
                    const TMessageBoxFn& messageBox) {
    try {
        port.Open(line);
    } catch (...) {
        // Whatever went wrong, the port's state says whether it is usable.
        host.Beep();
    }
    if (port.Connected())
        return true;
    messageBox(host.Translate("Cannot open serial port COM") + IntToStr(line.ComNumber),
               host.Translate("Initialization result"), kMbOk | kMbIconExclamation);
    return false;
}

} // namespace tav
