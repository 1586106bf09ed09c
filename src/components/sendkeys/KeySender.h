#pragma once
// Sends key strings through an injector, one code at a time, letting the program's messages run
// between codes. Those messages may send keys again (a timer that fires the next action); such a
// call does not mix its keys into the string being sent: it is queued and sent after it.

#include "components/sendkeys/KeyPlanner.h"

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Where the key events go.
class IKeyInjector {
public:
    virtual ~IKeyInjector() = default;
    // Raises an error when the system refuses the event.
    virtual void Send(const TKeyStroke& event) = 0;
    // Handles the messages that are waiting.
    virtual void Pump() = 0;
};

class TKeySender {
public:
    TKeySender(const IKeyboardLayout& layout, IKeyInjector& injector)
        : layout_(layout), injector_(injector) {}

    // Runs `before` (which may be empty), then sends `keys`. A call made while a string is being
    // sent returns at once and is carried out when the strings before it are done. When sending
    // fails, every key the failing string pressed and has not released yet is released, the
    // queued calls are dropped and the error goes on to the caller.
    void Send(std::string keys, std::function<void()> before = {});

private:
    struct TJob {
        std::function<void()> Before;
        std::string Keys;
    };
    void SendString(std::string_view keys);
    void ReleasePressed(const std::vector<TKeyStroke>& pressed);

    const IKeyboardLayout& layout_;
    IKeyInjector& injector_;
    std::deque<TJob> queue_;
    bool sending_ = false;
};

} // namespace tav
