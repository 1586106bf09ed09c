#pragma once
// The named pipe's requests, answered on the main thread: "cmd:GetCommands" lists the
// commands, "cmd:" and a text fires the first command whose name occurs in the text, and
// anything else is a code of raw bytes, completed by the end-of-code timer like a serial
// receiver's.

#include "engine/recognition/CodeReceiver.h"

#include <string>
#include <string_view>

namespace tav {

// Every command's name in tree order, each followed by LF; remotes are not listed.
std::string ListCommandNames(const TDocument& doc);

// The reply to one request.
std::string AnswerPipeRequest(std::string_view request, TDocument& doc, TRecognizer& recognizer,
                              TCodeReceiver& receiver);

} // namespace tav
