#include "components/sendkeys/KeyPlanner.h"

#include "components/sendkeys/KeyCodes.h"

namespace tav {

namespace {

struct TShiftKey {
    std::uint8_t Bit;
    std::uint8_t Vk;
};
// In the order they are pressed; released the other way round.
constexpr TShiftKey kShiftKeys[] = {
    {kShiftBit, kVkShift}, {kCtrlBit, kVkControl}, {kAltBit, kVkMenu}};

std::size_t ModifierIndex(std::uint8_t vk) {
    return static_cast<std::size_t>(vk - kVkShift);
}

} // namespace

TKeyStroke TKeyPlanner::Event(std::uint8_t vk, bool up, bool extended) const {
    return {vk, layout_.ScanCode(vk), up, extended};
}

bool TKeyPlanner::AnyHeld() const {
    return held_[0] || held_[1] || held_[2];
}

std::vector<TKeyStroke> TKeyPlanner::Plan(std::uint8_t code) {
    const TKeyCode key = DescribeCode(code);
    switch (key.Kind) {
    case TCodeKind::Modifier:
        held_[ModifierIndex(key.Vk)] = !key.Up;
        return {Event(key.Vk, key.Up)};
    case TCodeKind::Key:
        return {Event(key.Vk, false, key.Extended), Event(key.Vk, true, key.Extended)};
    case TCodeKind::Character:
        break;
    }
    const std::optional<TKeyScan> scan = layout_.KeyScan(static_cast<char>(code));
    if (!scan)
        return {};
    const std::uint8_t shifts = AnyHeld() ? 0 : scan->Shifts;
    std::vector<TKeyStroke> events;
    for (const TShiftKey& s : kShiftKeys)
        if (shifts & s.Bit)
            events.push_back(Event(s.Vk, false));
    events.push_back(Event(scan->Vk, false));
    events.push_back(Event(scan->Vk, true));
    for (auto s = std::rbegin(kShiftKeys); s != std::rend(kShiftKeys); ++s)
        if (shifts & s->Bit)
            events.push_back(Event(s->Vk, true));
    return events;
}

} // namespace tav
