#pragma once
// The keys one action holds down. Whatever is still down when the action ends, also by an error
// halfway, is released, so an action never leaves a key held by accident.

#include "engine/actions/ActionPorts.h"

#include <cstdint>
#include <vector>

namespace tav {

class TPressedKeys {
public:
    explicit TPressedKeys(IInputInjector& input) : input_(input) {}
    ~TPressedKeys();
    TPressedKeys(const TPressedKeys&) = delete;
    TPressedKeys& operator=(const TPressedKeys&) = delete;

    void Down(std::uint8_t virtualKey);
    void Up(std::uint8_t virtualKey);
    void Tap(std::uint8_t virtualKey) {
        Down(virtualKey);
        Up(virtualKey);
    }

private:
    IInputInjector& input_;
    std::vector<std::uint8_t> down_;
};

} // namespace tav
