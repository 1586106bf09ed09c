#include "components/driver/win32/ModuleLoader.h"

namespace tav {

bool LoadModule(HMODULE& module, const std::string& fileName) {
    if (module == nullptr)
        module = LoadLibraryA(fileName.c_str());
    return module != nullptr;
}

void UnloadModule(HMODULE& module) {
    if (module != nullptr)
        FreeLibrary(module);
    module = nullptr;
}

FARPROC GetModuleSymbolEx(HMODULE module, const char* symbolName, bool& accu) {
    const FARPROC entry = module != nullptr ? GetProcAddress(module, symbolName) : nullptr;
    accu = accu && entry != nullptr;
    return entry;
}

TModuleBinding::TModuleBinding(const std::string& fileName, std::span<const char* const> names)
    : entries_(names.size(), nullptr) {
    bool accu = LoadModule(module_, fileName);
    for (std::size_t i = 0; i < names.size(); ++i)
        entries_[i] = GetModuleSymbolEx(module_, names[i], accu);
    if (accu)
        return;
    UnloadModule(module_);
    entries_.assign(names.size(), nullptr);
}

TModuleBinding::~TModuleBinding() {
    UnloadModule(module_);
}

} // namespace tav
