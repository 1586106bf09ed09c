#pragma once
// The text that reports a fired command to DDE and TCP clients and on the on-screen display.

#include "engine/document/Records.h"

#include <string>

namespace tav {

struct TReportParts {
    bool Remote = false;
    bool Command = false;
    bool Data = false; // the stored code's values; DDE and TCP only
    bool Action = false;
    bool Any() const { return Remote || Command || Data || Action; }
};

// "TV, Vol+, 1A 2B , Volume up": each value in hexadecimal followed by a blank; the action part
// is the chosen item's name and is left out when no item was chosen.
std::string BuildReportText(const TReportParts& parts, const std::string& remoteName,
                            const std::string& commandName, std::span<const std::int32_t> code,
                            const TAction* chosen);

} // namespace tav
