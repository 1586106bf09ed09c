#pragma once
// One request to the program over its named pipe and the whole reply, with every wait bounded:
// the host program that loads the library must never hang on the program.

#include <windows.h>

#include <string>
#include <string_view>

namespace tavrilink {

// How long a busy pipe is waited for (then tried once more), and how long the program may take
// to answer.
inline constexpr DWORD kBusyPipeWaitMs = 500;
inline constexpr DWORD kReplyWaitMs = 2000;

// Sends `request` to "\\.\pipe\<pipeName>" and reads the reply whole. False, with the reason in
// `reply`, when the program cannot be reached or does not answer in time. Throws nothing.
bool TransactPipeMessage(const std::string& pipeName, std::string_view request,
                         std::string& reply) noexcept;

} // namespace tavrilink
