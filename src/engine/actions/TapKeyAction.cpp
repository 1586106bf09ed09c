// Tap-key actions: through the key sender ("Advanced keypress"), or key by key.

#include "engine/actions/ActionExecutor.h"
#include "engine/actions/ActionFieldValue.h"

namespace tav {

namespace {

constexpr std::uint8_t kAltKey = 0x12;
constexpr std::uint8_t kCtrlKey = 0x11;
constexpr std::uint8_t kShiftKey = 0x10;
constexpr std::uint8_t kWindowsKey = 0x5B;

// The key sender reads bytes from here up as function keys, cursor keys and modifiers.
constexpr unsigned char kFirstKeySenderCode = 0xE4;

struct TModifiers {
    bool Alt = false;
    bool Ctrl = false;
    bool Shift = false;
    bool Windows = false;
};

TModifiers ModifiersOf(const SendKeysFields& f) {
    const ShiftOrWindows third = f.shiftOrWindows.value.value_or(ShiftOrWindows::None);
    return {f.alt.value.value_or(false), f.ctrl.value.value_or(false),
            third == ShiftOrWindows::Shift, third == ShiftOrWindows::Windows};
}

// The virtual key of a character of literal keys on the simple path; 0 skips it.
std::uint8_t SimpleKeyOf(char c) {
    if (c == ' ')
        return 0x20;
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c + 0x30); // the numeric keypad's digit
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::uint8_t>(c);
    if (c >= 'a' && c <= 'z')
        return static_cast<std::uint8_t>(c - 32);
    return 0;
}

} // namespace

std::optional<unsigned> TActionExecutor::TapKey(const SendKeysFields& f, const NumberField& delay) {
    const bool systemKey = f.systemKey.value.value_or(false);
    std::int32_t index = -1;
    std::optional<TSystemKey> key;
    if (systemKey) {
        const auto number = f.SystemKeyIndex();
        if (!number)
            throw EActionError("The action's system key \"" + f.key.text + "\" is not a number.");
        index = *number;
        key = SystemKeyAt(index);
        if (!key)
            throw EActionError("There is no system key number " + f.key.text + ".");
    }
    const unsigned interval = IntervalAfter(delay);
    const bool advanced =
        settings_.Bool("Advanced keypress") && !(systemKey && index > kLastSendableSystemKey);

    const TWindowHandle previous = ports_.Windows->ForegroundWindow();
    const bool destination = !f.destination.text.empty();
    if (destination) {
        const TWindowHandle target = FindTitledWindow(f.destination.text);
        if (!target)
            return std::nullopt;
        ports_.Windows->BringWindowToFront(target);
    }
    {
        TPressedKeys pressed(*ports_.Input);
        if (advanced)
            AdvancedKeys(f, key, pressed);
        else
            SimpleKeys(f, index, pressed);
    }
    if (destination && !f.keepActive.value.value_or(false))
        ports_.Windows->BringWindowToFront(previous);
    return interval;
}

void TActionExecutor::AdvancedKeys(const SendKeysFields& f, const std::optional<TSystemKey>& key,
                                   TPressedKeys& pressed) {
    const TModifiers mods = ModifiersOf(f);
    std::string prefix;
    std::string suffix;
    if (mods.Alt) {
        prefix += '\xFE';
        suffix += '\xFF';
    }
    if (mods.Ctrl) {
        prefix += '\xFC';
        suffix += '\xFD';
    }
    if (mods.Shift) {
        prefix += '\xFA';
        suffix += '\xFB';
    }
    if (mods.Windows)
        pressed.Down(kWindowsKey);
    if (key) {
        ports_.Keys->SendKeys(prefix + static_cast<char>(*key->SendCode) + suffix);
    } else {
        // Characters the key sender would take for a function key or a modifier are typed as the
        // characters they are, with the modifiers held around each.
        const std::string& text = f.key.text;
        std::string run;
        for (char c : text) {
            if (static_cast<unsigned char>(c) < kFirstKeySenderCode) {
                run += c;
                continue;
            }
            if (!run.empty())
                ports_.Keys->SendKeys(prefix + run + suffix);
            run.clear();
            const std::uint8_t held[] = {mods.Alt ? kAltKey : std::uint8_t{0},
                                         mods.Ctrl ? kCtrlKey : std::uint8_t{0},
                                         mods.Shift ? kShiftKey : std::uint8_t{0}};
            for (std::uint8_t k : held)
                if (k)
                    pressed.Down(k);
            ports_.Input->TypeCharacter(c);
            for (std::uint8_t k : held)
                if (k)
                    pressed.Up(k);
        }
        if (!run.empty() || text.empty())
            ports_.Keys->SendKeys(prefix + run + suffix);
    }
    if (mods.Windows)
        pressed.Up(kWindowsKey);
}

void TActionExecutor::SimpleKeys(const SendKeysFields& f, std::int32_t systemIndex,
                                 TPressedKeys& pressed) {
    const TModifiers mods = ModifiersOf(f);
    // One modifier only, the first flagged.
    std::uint8_t modifier = 0;
    if (mods.Alt)
        modifier = kAltKey;
    else if (mods.Ctrl)
        modifier = kCtrlKey;
    else if (mods.Shift)
        modifier = kShiftKey;
    else if (mods.Windows)
        modifier = kWindowsKey;
    if (modifier)
        pressed.Down(modifier);
    if (systemIndex >= kFirstLatchedKey) {
        ToggleLatch(systemIndex);
    } else if (systemIndex >= 0) {
        pressed.Tap(SystemKeyAt(systemIndex)->VirtualKey);
    } else {
        for (char c : f.key.text)
            if (const std::uint8_t vk = SimpleKeyOf(c))
                pressed.Tap(vk);
    }
    if (modifier)
        pressed.Up(modifier);
}

// The latched key goes down at one use and up at the next; in between it stays held.
void TActionExecutor::ToggleLatch(std::int32_t systemIndex) {
    bool& latched = latched_[static_cast<std::size_t>(systemIndex - kFirstLatchedKey)];
    ports_.Input->KeyEvent(SystemKeyAt(systemIndex)->VirtualKey, latched);
    latched = !latched;
}

void TActionExecutor::ClearAltLatch() {
    if (latched_[0])
        ToggleLatch(kFirstLatchedKey);
}

void TActionExecutor::ReleaseLatchedKeys() {
    for (int i = 0; i < kLatchedKeyCount; ++i)
        if (latched_[static_cast<std::size_t>(i)])
            ToggleLatch(kFirstLatchedKey + i);
}

} // namespace tav
