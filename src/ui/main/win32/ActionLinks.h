#pragma once
// The key sender and the mixer components as the action executor sees them.

#include "components/mixer/AudioMixer.h"
#include "components/sendkeys/win32/Sendkeys.h"
#include "engine/actions/ActionPorts.h"

namespace tav {

class TKeySenderLink : public IKeySender {
public:
    explicit TKeySenderLink(TSendkeys& keys) : keys_(keys) {}
    void SendKeys(const std::string& keys) override { keys_.SendKeys(keys); }
    TWindowHandle GetHandleFromWindowTitle(const std::string& title) override {
        return reinterpret_cast<TWindowHandle>(keys_.GetHandleFromWindowTitle(title));
    }

private:
    TSendkeys& keys_;
};

class TAudioMixerLink : public IAudioMixer {
public:
    explicit TAudioMixerLink(TAudioMixer& mixer) : mixer_(mixer) {}
    void SetMixerId(int id) override { mixer_.SetMixerId(id); }
    bool GetVolume(int destination, int connection, TLineVolume& volume) override;
    bool SetVolume(int destination, int connection, int left, int right, int mute) override {
        return mixer_.SetVolume(destination, connection, left, right, mute);
    }

private:
    TAudioMixer& mixer_;
};

} // namespace tav
