#include "engine/settings/win32/LaunchAtLogon.h"

#include "framework/win32/Registry.h"

#include <utility>

namespace tav {

TRunKeyLaunchAtLogon::TRunKeyLaunchAtLogon(std::string programPath, std::string runKey)
    : programPath_(std::move(programPath)), runKey_(std::move(runKey)) {}

bool TRunKeyLaunchAtLogon::SetLaunchAtLogon(bool enabled) noexcept {
    try {
        TRegistry registry(HKEY_CURRENT_USER);
        if (!registry.OpenKey(runKey_, true))
            return false;
        // Quoted, so that a path with blanks names the program and not a shorter one.
        if (enabled)
            registry.WriteString("Tavrilo", "\"" + programPath_ + "\"");
        else
            registry.DeleteValue("Tavrilo"); // absent already is just as good
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace tav
