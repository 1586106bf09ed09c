#include "engine/recognition/ReportText.h"

#include "framework/Text.h"

namespace tav {

std::string BuildReportText(const TReportParts& parts, const std::string& remoteName,
                            const std::string& commandName, const TCommand& command,
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
    if (parts.Data && command.LastIndex >= 0) {
        separate();
        for (int i = 0; i <= command.LastIndex; ++i)
            text += IntToHex(command.Code[static_cast<std::size_t>(i)], 2) + " ";
    }
    if (parts.Action && chosen) {
        separate();
        text += chosen->Name;
    }
    return text;
}

} // namespace tav
