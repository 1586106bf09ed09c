#pragma once
// What passes between the program and the Windows 9x driver: the hardware record the driver
// is given, and the line samples it posts, which become a code of run lengths.

#include "engine/settings/Settings.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tav {

// The driver posts this message to the main window; its lParam points to the samples.
inline constexpr unsigned kVxDDataMessage = 0x8000 + 0x21; // WM_APP + 0x21
inline constexpr std::size_t kVxDSamples = 2000;

inline constexpr std::uint32_t kVxDConnectCode = 0x22000B;
inline constexpr std::uint32_t kVxDRegisterCode = 0x220007;
inline constexpr std::uint32_t kVxDHardwareCode = 0x22000F;

// The receiver port's interrupt, I/O base and COM number, each a signed 16-bit little-endian
// value. An interrupt or base that is not stored takes the standard one of COM1 or COM2;
// other ports have none (-1).
std::array<std::uint8_t, 6> VxDHardwareInput(const TSettings& settings);

// A 32-bit value as the driver reads it: 4 bytes, little-endian.
std::array<std::uint8_t, 4> LittleEndian32(std::uint32_t value);

// The lengths of the runs of equal samples, each appended when the level changes: the first
// is 0 (the run before the first sample) and the last run of the block is left out.
std::vector<std::int32_t> SampleRuns(std::span<const std::int16_t> samples);

} // namespace tav
