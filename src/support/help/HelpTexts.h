#pragma once
// The help's texts that the user sees, in English; the message lookup translates them.

#include <string_view>

namespace tav::help::text {

inline constexpr std::string_view NotInstalled = "MS Html Help is not installed on this PC.";
inline constexpr std::string_view NoKeyHH =
    "System file KeyHH.EXE was not found in the Windows folder.";
inline constexpr std::string_view NoHH = "System file HH.EXE was not found in the Windows folder.";
inline constexpr std::string_view UnknownError = "Unknown error returned by HHHelpContext";

// The names of system errors in a failed start's report.
inline constexpr std::string_view FileNotFound = "File Not Found";
inline constexpr std::string_view PathNotFound = "Path Not Found";
inline constexpr std::string_view AccessDenied = "Access Denied";
inline constexpr std::string_view InsufficientMemory = "Insufficient Memory";
inline constexpr std::string_view WriteProtected = "Media Is Write Protected";
inline constexpr std::string_view DeviceNotReady = "Device Not Ready";
inline constexpr std::string_view FileInUse = "File In Use";
inline constexpr std::string_view DiskFull = "Disk Full";
inline constexpr std::string_view CorruptFileOrDisk = "Corrupt File Or Disk";
inline constexpr std::string_view CorruptRegistry = "Corrupt Registry";
inline constexpr std::string_view WrongWindowsVersion = "Windows Version Incorrect";
inline constexpr std::string_view NotAProgram = "Not A Windows Or MSDos Program";
inline constexpr std::string_view GeneralFailure = "General Failure";

} // namespace tav::help::text
