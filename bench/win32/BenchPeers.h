#pragma once
// What the benchmarks that talk to the program over TCP share: settings of their own for the
// run, with the user's kept aside under another name and put back afterwards, a free port, and a
// connection to the program's port once it listens.

#include "BenchProgram.h"

#include <winsock2.h>

#include <windows.h>

namespace tav::bench {

inline constexpr char kSettingsKey[] = "Software\\Tavrilo";

inline void WriteBool(HKEY key, const char* name, bool value) {
    const DWORD data = value ? 1 : 0;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}
inline void WriteInt(HKEY key, const char* name, DWORD value) {
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// Moves the settings under `from` to `to`, replacing what was there.
inline void MoveSettings(const char* from, const char* to) {
    RegDeleteTreeA(HKEY_CURRENT_USER, to);
    HKEY source = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, from, 0, KEY_READ, &source) != ERROR_SUCCESS)
        return;
    HKEY target = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                    nullptr);
    RegCopyTreeA(source, nullptr, target);
    RegCloseKey(target);
    RegCloseKey(source);
    RegDeleteTreeA(HKEY_CURRENT_USER, from);
}

// The user's settings wait under `savedKey` while the run uses its own.
inline void SaveUserSettings(const char* savedKey) {
    MoveSettings(kSettingsKey, savedKey);
}
inline void RestoreUserSettings(const char* savedKey) {
    MoveSettings(savedKey, kSettingsKey);
}

// The run's settings, to be closed by the caller: the program starts beside whatever other
// instance runs, without its splash screen.
inline HKEY CreateRunSettings() {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    WriteBool(key, "Hide splashscreen", true);
    WriteBool(key, "Multiple instances", true);
    return key;
}

// A port nobody listens on now.
inline int FreePort() {
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    int size = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    closesocket(s);
    return ntohs(address.sin_port);
}

// Connects within `limitMs` (the peer may still be starting); INVALID_SOCKET when it did not.
inline SOCKET ConnectTo(int port, double limitMs) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    for (const double start = Now(); Now() - start < limitMs; Sleep(50)) {
        const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        if (connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            BOOL noDelay = TRUE;
            setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay),
                       sizeof noDelay);
            return s;
        }
        closesocket(s);
    }
    return INVALID_SOCKET;
}

} // namespace tav::bench
