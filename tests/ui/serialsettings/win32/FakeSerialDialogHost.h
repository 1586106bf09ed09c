#pragma once
// The program's side of the serial-port dialog for a test: the real device presets over the
// test's settings, and a receiver search that only records what it was asked.

#include "engine/serial/DeviceDefaults.h"
#include "engine/settings/FakeSettingsStore.h"
#include "ui/serialsettings/SerialDialogHost.h"

namespace tav::test {

// `Host` is the interface the fake stands for: the serial-port dialog's, or one built on it.
template <class Host> struct FakeSerialDialogHostOf : Host {
    FakeSettingsStore store;
    TSettings settings{store};
    TDeviceModes modes;
    unsigned timeOutInterval = 0;
    TDeviceDefaults defaults{settings, modes, kPlatformNt,
                             [this](unsigned ms) { timeOutInterval = ms; }};
    std::function<void(std::int32_t)> found;
    int searches = 0;
    int searchEnds = 0;

    // The stored device types become the ports' modes, as at start-up.
    void SetTypes(const std::string& receiver, const std::string& console) {
        settings.SetStr("Serial port type", receiver);
        settings.SetStr("Serial2 port type", console);
        modes.Load(settings);
    }
    const TDeviceModes& DeviceModes() const override { return modes; }
    void ApplyDeviceDefaults(int row, int portKind) override {
        defaults.ApplyDeviceDefaults(row, portKind);
    }
    void FindReceiver(std::function<void(std::int32_t)> onFound) override {
        ++searches;
        found = std::move(onFound);
    }
    void EndReceiverSearch() override {
        ++searchEnds;
        found = nullptr;
    }
};

using FakeSerialDialogHost = FakeSerialDialogHostOf<ISerialDialogHost>;

} // namespace tav::test
