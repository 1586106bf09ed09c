#pragma once
// Registers configuration files (".tvr") with the shell so that opening one starts the program.

#include "engine/settings/SystemHooks.h"

#include <windows.h>

#include <string>

namespace tav {

class TRegistryFileAssociation : public TFileAssociation {
public:
    // The keys go below `classesKey` of `root` (the classes root itself when empty).
    explicit TRegistryFileAssociation(std::string programPath, HKEY root = HKEY_CLASSES_ROOT,
                                      std::string classesKey = {});
    void RegisterFileType() noexcept override;

private:
    std::string programPath_;
    HKEY root_;
    std::string classesKey_;
};

} // namespace tav
