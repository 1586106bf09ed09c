#include "engine/network/PipeRequest.h"

#include "engine/document/Names.h"

namespace tav {

namespace {
constexpr std::string_view kCommandPrefix = "cmd:";
constexpr std::string_view kGetCommands = "cmd:GetCommands";
} // namespace

std::string ListCommandNames(const TDocument& doc) {
    std::string list;
    for (const auto& remote : doc.Tree().Remotes())
        for (const auto& command : remote->Children())
            list += command->Text + "\n";
    return list;
}

std::string AnswerPipeRequest(std::string_view request, TDocument& doc, TRecognizer& recognizer,
                              TCodeReceiver& receiver) {
    if (request == kGetCommands)
        return ListCommandNames(doc);
    if (request.starts_with(kCommandPrefix)) {
        const std::string_view rest = request.substr(kCommandPrefix.size());
        // A firing by name: no time-out, no Recognition flag, no last fired command.
        for (const auto& remote : doc.Tree().Remotes())
            for (const auto& command : remote->Children())
                if (!IsEmptyName(command->Text) &&
                    rest.find(command->Text) != std::string_view::npos) {
                    recognizer.FireCommand(*command->Data());
                    return ListCommandNames(doc);
                }
        return ListCommandNames(doc);
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(request.data());
    receiver.ReceiveTimed(
        [&](TReceivedCode& rc) { rc.AppendWhileRoom(std::span(bytes, request.size())); },
        TDuringTimeOut::Collect);
    return {};
}

} // namespace tav
