#include "components/sendkeys/KeySender.h"

#include <algorithm>
#include <utility>

namespace tav {

void TKeySender::Send(std::string keys, std::function<void()> before) {
    queue_.push_back({std::move(before), std::move(keys)});
    if (sending_)
        return;
    sending_ = true;
    try {
        while (!queue_.empty()) {
            TJob job = std::move(queue_.front());
            queue_.pop_front();
            if (job.Before)
                job.Before();
            SendString(job.Keys);
        }
    } catch (...) {
        queue_.clear();
        sending_ = false;
        throw;
    }
    sending_ = false;
}

void TKeySender::SendString(std::string_view keys) {
    TKeyPlanner planner(layout_);
    // Down events whose up event has not been sent yet.
    std::vector<TKeyStroke> pressed;
    try {
        for (const char code : keys) {
            for (const TKeyStroke& event : planner.Plan(static_cast<std::uint8_t>(code))) {
                injector_.Send(event);
                std::erase_if(pressed, [&](const TKeyStroke& e) { return e.Vk == event.Vk; });
                if (!event.Up)
                    pressed.push_back(event);
            }
            injector_.Pump();
        }
    } catch (...) {
        ReleasePressed(pressed);
        throw;
    }
}

void TKeySender::ReleasePressed(const std::vector<TKeyStroke>& pressed) {
    for (auto key = pressed.rbegin(); key != pressed.rend(); ++key) {
        TKeyStroke up = *key;
        up.Up = true;
        try {
            injector_.Send(up);
        } catch (...) {
            // The first error is the one reported; the other keys are still released.
        }
    }
}

} // namespace tav
