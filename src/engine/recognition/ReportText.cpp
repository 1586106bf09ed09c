#include "engine/recognition/ReportText.h"

#include "framework/Text.h"

namespace tav {

std::string BuildReportText(const TReportParts& parts, const std::string& remoteName,
                            const std::string& commandName, std::span<const std::int32_t> code,
                            const TAction* chosen) {
    std::string text;
    auto separate = [&text] {
        if (!text.empty())
            text += ", ";
    };
    if (parts.Remote)
        text = remoteName;
    if (parts.Command) {
        separate();
        text += commandName;
    }
    // The separator stands before the first value, so a code without values adds nothing.
    if (parts.Data && !code.empty()) {
        separate();
        for (const std::int32_t value : code)
            text += IntToHex(value, 2) + " ";
    }
    if (parts.Action && chosen) {
        separate();
        text += chosen->Name;
    }
    return text;
}

} // namespace tav
