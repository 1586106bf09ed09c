#include "engine/network/DdeServiceName.h"

#include "framework/FileNames.h"

namespace tav {

std::string DdeServiceName(std::string_view programFile) {
    std::string name = ExtractFileName(programFile);
    const std::size_t dot = name.find('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

} // namespace tav
