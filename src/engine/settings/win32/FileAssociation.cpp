#include "engine/settings/win32/FileAssociation.h"

#include "framework/win32/Registry.h"

#include <shlobj.h>

#include <utility>

namespace tav {

TRegistryFileAssociation::TRegistryFileAssociation(std::string programPath, HKEY root,
                                                   std::string classesKey)
    : programPath_(std::move(programPath)), root_(root), classesKey_(std::move(classesKey)) {}

void TRegistryFileAssociation::RegisterFileType() noexcept {
    try {
        // The icon is named by its position among the program's icon resources.
        const std::pair<std::string, std::string> entries[] = {
            {".tvr", "Tavrilo"},
            {"Tavrilo", "Tavrilo"},
            {"Tavrilo\\DefaultIcon", programPath_ + ",4"},
            {"Tavrilo\\Shell\\Open", "&Open"},
            {"Tavrilo\\Shell\\Open\\Command", "\"" + programPath_ + "\" \"%1\""},
        };
        for (const auto& [key, value] : entries) {
            // Without the right to write here (a limited user) the association stays as it was.
            try {
                TRegistry registry(root_);
                if (registry.OpenKey(classesKey_ + "\\" + key, true))
                    registry.WriteString("", value);
            } catch (const ERegistryException&) {
            }
        }
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    } catch (...) {
        // Out of memory: the association may stay incomplete, like after any other failure here.
    }
}

} // namespace tav
