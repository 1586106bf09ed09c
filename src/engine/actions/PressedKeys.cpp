#include "engine/actions/PressedKeys.h"

#include <algorithm>

namespace tav {

TPressedKeys::~TPressedKeys() {
    for (auto key = down_.rbegin(); key != down_.rend(); ++key) {
        try {
            input_.KeyEvent(*key, true);
        } catch (...) {
            // The error that got us here is the one worth reporting.
        }
    }
}

void TPressedKeys::Down(std::uint8_t virtualKey) {
    input_.KeyEvent(virtualKey, false);
    down_.push_back(virtualKey);
}

void TPressedKeys::Up(std::uint8_t virtualKey) {
    input_.KeyEvent(virtualKey, true);
    const auto held = std::find(down_.rbegin(), down_.rend(), virtualKey);
    if (held != down_.rend())
        down_.erase(std::next(held).base());
}

} // namespace tav
