// The plug-in library a remote-control host program loads: it tells the host which keys it
// wants and passes every key event to Tavrilo over the program's named pipe. No exception ever
// leaves an export; a failure answers 0.

#include "PipeTransaction.h"

#include <windows.h>

#include <iterator>
#include <string>

namespace {

constexpr const char* kPipeName = "TVRLPipe";
constexpr const char* kFunctionNames[] = {"A", "B", "C", "D", "E", "F"};
// Lines end in CR alone.
constexpr const char* kConfigureText =
    "Tavrilo plugin\rVersion 1.0\r\rThis plugin will communicate with Tavrilo independently of "
    "the selected origin(s). However, you have to set two recognition parameters as shown "
    "below:\r\r    Values are equal with tolerance: 0\r    Time-out after recognition: 550";

} // namespace

extern "C" {

__declspec(dllexport) int __cdecl WhatKeysDoYouWant() {
    return 0x7FFB;
}

__declspec(dllexport) const char* __cdecl EnumerateProgrammableFunction(unsigned short index) {
    return index < std::size(kFunctionNames) ? kFunctionNames[index] : "";
}

__declspec(dllexport) int __cdecl Configure(HWND owner) {
    return MessageBoxA(owner, kConfigureText, "Tavrilo Plug-In", MB_OK);
}

__declspec(dllexport) int __cdecl AreYouInFocus() {
    return 1;
}

__declspec(dllexport) int __cdecl HandleKey(int first, int second, int third) {
    if ((first & 0xFF) != 0)
        return 0;
    const char request[2] = {static_cast<char>(second & 0xFF), static_cast<char>(third & 0xFF)};
    std::string reply;
    return tavrilink::TransactPipeMessage(kPipeName, std::string_view(request, 2), reply) ? 1 : 0;
}

} // extern "C"
