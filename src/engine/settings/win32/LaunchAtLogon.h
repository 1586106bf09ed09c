#pragma once
// The "Run" value that starts the program when the current user logs on: the program's path
// in double quotes.

#include "engine/settings/SystemHooks.h"

#include <string>

namespace tav {

inline constexpr const char* kRunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class TRunKeyLaunchAtLogon : public TLaunchAtLogon {
public:
    // `runKey` is absolute below HKEY_CURRENT_USER.
    explicit TRunKeyLaunchAtLogon(std::string programPath, std::string runKey = kRunKey);
    bool SetLaunchAtLogon(bool enabled) noexcept override;

private:
    std::string programPath_;
    std::string runKey_;
};

} // namespace tav
