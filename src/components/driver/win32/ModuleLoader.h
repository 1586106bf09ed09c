#pragma once
// Libraries bound at run time, for functions that not every Windows has. A binding takes a
// whole row of entry points or none: a library that lacks one of them is freed again, so no
// caller ever holds a part of it.

#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace tav {

// Loads the library `fileName` into `module` unless a module is there already; true when one
// is there afterwards.
bool LoadModule(HMODULE& module, const std::string& fileName);
// Frees the library, if any, and forgets it.
void UnloadModule(HMODULE& module);
// The named entry point, or none (also without a module). `accu` stays true only while every
// look-up it has seen found its entry, so one accumulator judges a whole row.
FARPROC GetModuleSymbolEx(HMODULE module, const char* symbolName, bool& accu);

class TModuleBinding {
public:
    // Loads `fileName` and looks up every name of `names`.
    TModuleBinding(const std::string& fileName, std::span<const char* const> names);
    ~TModuleBinding();
    TModuleBinding(const TModuleBinding&) = delete;
    TModuleBinding& operator=(const TModuleBinding&) = delete;

    bool Bound() const { return module_ != nullptr; }
    // The entry of names[index] as the function type `Fn`; none while not bound.
    template <class Fn> Fn Entry(std::size_t index) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(entries_[index]));
    }

private:
    HMODULE module_ = nullptr;
    std::vector<FARPROC> entries_;
};

} // namespace tav
