#pragma once
// Helpers shared by the framework's Wine tests.

#include "framework/win32/Forms.h"

#include <chrono>
#include <thread>

namespace tav::test {

// Handles messages until `done` holds or `limit` passes; returns whether `done` held.
template <typename Pred> bool PumpUntil(Pred done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        Application().ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// A plain form whose declaration is over, so that its controls' events reach handlers.
inline TForm* NewLoadedForm(TComponent* owner, std::string name) {
    auto* form = new TForm(owner, std::move(name));
    form->Loaded();
    return form;
}

// Handles messages for the whole of `span`.
inline void PumpFor(std::chrono::milliseconds span) {
    PumpUntil([] { return false; }, span);
}

} // namespace tav::test
