#pragma once
// What the settings dialog reaches of the program beside the settings themselves.

#include "ui/serialsettings/SerialDialogHost.h"

#include <string>

namespace tav {

class ISettingsFormHost : public ISerialDialogHost {
public:
    // The running input origins close, and stay closed until they are started again.
    virtual void StopOrigins() = 0;
    // The recognition time-out's interval.
    virtual void SetTimeOutInterval(unsigned ms) = 0;
    // Both info sockets stop and take `port` for their next start.
    virtual void StopInfoSockets(int port) = 0;
    // Whether fired commands are written to the log file.
    virtual void SetLogEnabled(bool enabled) = 0;
    // The program's other forms take the language file chosen.
    virtual void LanguageChosen(const std::string& file) = 0;
    // Puts the link to the reports' DDE item on the clipboard.
    virtual void CopyDdeLink() = 0;
    // Adds or removes the entry that starts the program at logon; false when the place that
    // holds it could not be opened.
    virtual bool SetLaunchAtLogon(bool enabled) = 0;
};

} // namespace tav
