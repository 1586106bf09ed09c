#pragma once
// The name under which the program serves DDE clients.

#include <string>
#include <string_view>

namespace tav {

// The program's file name without its folder, up to its first "." ("C:\Prog.d\Tavrilo.exe"
// and "Tavrilo.old.exe" both serve "Tavrilo").
std::string DdeServiceName(std::string_view programFile);

} // namespace tav
