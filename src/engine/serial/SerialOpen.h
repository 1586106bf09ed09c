#pragma once
// Opening the receiver's or the console's port: an error while opening only beeps, and a
// port that did not open is reported as the origin's failure.

#include "engine/serial/SerialPorts.h"

namespace tav {

// True when the port is open afterwards; otherwise the user has been told which port failed.
bool OpenOriginPort(ISerialPort& port, const TSerialLine& line, ISerialHost& host,
                    const TMessageBoxFn& messageBox);

} // namespace tav
