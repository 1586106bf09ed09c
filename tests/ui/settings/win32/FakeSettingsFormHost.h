#pragma once
// The program's side of the settings dialog for a test: it records what the dialog asks of it.

#include "ui/serialsettings/win32/FakeSerialDialogHost.h"
#include "ui/settings/SettingsFormHost.h"

#include <string>
#include <vector>

namespace tav::test {

struct FakeSettingsFormHost : FakeSerialDialogHostOf<ISettingsFormHost> {
    int originStops = 0;
    std::vector<int> infoSocketStops; // the port each stop gave
    std::vector<bool> logEnabled;
    std::vector<std::string> languages;
    int ddeLinks = 0;
    std::vector<bool> launches;
    bool launchPlace = true; // the place of the logon entry can be opened

    void StopOrigins() override { ++originStops; }
    void SetTimeOutInterval(unsigned ms) override { timeOutInterval = ms; }
    void StopInfoSockets(int port) override { infoSocketStops.push_back(port); }
    void SetLogEnabled(bool enabled) override { logEnabled.push_back(enabled); }
    void LanguageChosen(const std::string& file) override { languages.push_back(file); }
    void CopyDdeLink() override { ++ddeLinks; }
    bool SetLaunchAtLogon(bool enabled) override {
        launches.push_back(enabled);
        return launchPlace;
    }
};

} // namespace tav::test
