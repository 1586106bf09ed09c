#pragma once
// Where the running program lives: its file, its folder and its name.

#include <string>

namespace tav {

// Full path of the running program's file.
std::string ProgramFileName();
// The folder of the program's file, with its trailing separator.
std::string ProgramFolder();
// The file's name without folder and extension ("Tavrilo").
std::string ProgramTitle();

} // namespace tav
