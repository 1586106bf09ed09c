#include "engine/driver/VxDData.h"

#include "engine/serial/PortSettings.h"

namespace tav {

namespace {

struct TStandardPort {
    std::int32_t Interrupt;
    std::int32_t IoBase;
};
constexpr TStandardPort kCom1{4, 0x3F8};
constexpr TStandardPort kCom2{3, 0x2F8};
constexpr std::int32_t kNone = -1;

void PutInt16(std::uint8_t* at, std::int32_t value) {
    // Only the low 16 bits travel.
    const auto bits = static_cast<std::uint16_t>(value);
    at[0] = static_cast<std::uint8_t>(bits & 0xFF);
    at[1] = static_cast<std::uint8_t>(bits >> 8);
}

} // namespace

std::array<std::uint8_t, 6> VxDHardwareInput(const TSettings& settings) {
    const std::int32_t com = settings.Int(kReceiverPortSettings.Port);
    const TStandardPort* standard = com == 1 ? &kCom1 : com == 2 ? &kCom2 : nullptr;
    std::int32_t interrupt = settings.Int("Serial IRQ");
    if (interrupt == kNone && standard != nullptr)
        interrupt = standard->Interrupt;
    std::int32_t ioBase = settings.Int("Serial I/O");
    if (ioBase == kNone && standard != nullptr)
        ioBase = standard->IoBase;
    std::array<std::uint8_t, 6> input{};
    PutInt16(&input[0], interrupt);
    PutInt16(&input[2], ioBase);
    PutInt16(&input[4], com);
    return input;
}

std::array<std::uint8_t, 4> LittleEndian32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

std::vector<std::int32_t> SampleRuns(std::span<const std::int16_t> samples) {
    std::vector<std::int32_t> runs;
    std::int32_t previous = -1;
    std::int32_t run = 0;
    for (const std::int16_t sample : samples) {
        if (sample == previous) {
            ++run;
            continue;
        }
        runs.push_back(run);
        previous = sample;
        run = 0;
    }
    return runs;
}

} // namespace tav
