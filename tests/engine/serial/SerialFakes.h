#pragma once
// Stand-ins for a serial port with devices behind it, the window around the serial origins
// and the performance counter.

#include "engine/RecognitionFakes.h"
#include "engine/serial/SerialPorts.h"
#include "engine/settings/FakeSettingsStore.h"
#include "engine/settings/Settings.h"

#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tav::testing {

// COM ports that exist; a device on a port answers once it has received the whole init
// string. The log records what reached the port.
struct FakeSerialPort : ISerialPort {
    std::set<std::int32_t> present{1};
    std::set<std::int32_t> refusesWrites; // as a pulled-out adapter does
    std::map<std::int32_t, std::string> answers;
    std::int32_t open = 0; // 0 = closed
    std::vector<std::string> log;
    std::string written; // since the last open
    TSerialLine line;    // of the last open

    void Open(const TSerialLine& settings) override {
        if (open != 0)
            return;
        log.push_back("open " + std::to_string(settings.ComNumber));
        line = settings;
        if (present.count(settings.ComNumber) == 0)
            throw std::runtime_error("Unable to open com port");
        open = settings.ComNumber;
        written.clear();
    }
    void Close() override {
        if (open != 0)
            log.push_back("close");
        open = 0;
    }
    bool Connected() const override { return open != 0; }
    void SetDTR(bool high) override { log.push_back(high ? "DTR+" : "DTR-"); }
    void SetRTS(bool high) override { log.push_back(high ? "RTS+" : "RTS-"); }
    void Write(std::string_view bytes) override {
        if (refusesWrites.count(open) != 0)
            throw std::runtime_error("WriteFile function failed");
        written += bytes;
    }

    // The answer of the open port's device once `init` has reached it, given only once.
    std::string TakeAnswer(const std::string& init) {
        auto it = answers.find(open);
        if (open == 0 || written != init || it == answers.end() || it->second.empty())
            return {};
        return std::exchange(it->second, std::string());
    }
};

struct FakeSerialHost : ISerialHost {
    int beeps = 0;
    bool busy = false;
    bool highPriority = false;
    unsigned timeOut = 0;
    std::string Translate(const std::string& english) override { return english; }
    void Beep() override { ++beeps; }
    void SetBusy(bool b) override { busy = b; }
    void SetHighPriority(bool high) override { highPriority = high; }
    void SetTimeOutInterval(unsigned ms) override { timeOut = ms; }
};

struct FakeCounter : IPerformanceCounter {
    std::int64_t frequency = 10'000'000;
    std::int64_t now = 0;
    std::int64_t Frequency() const override { return frequency; }
    std::int64_t Now() const override { return now; }
};

// Message boxes shown, answered from a script (OK when it runs out).
struct FakeMessageBoxes {
    struct Box {
        std::string Text;
        std::string Caption;
        unsigned Flags;
    };
    std::vector<Box> shown;
    std::deque<int> script;

    TMessageBoxFn Fn() {
        return [this](const std::string& text, const std::string& caption, unsigned flags) {
            shown.push_back({text, caption, flags});
            if (script.empty())
                return 1;
            const int answer = script.front();
            script.pop_front();
            return answer;
        };
    }
};

// What a serial origin feeds and is fed by: the recognizer behind the origins' entry point, the
// settings, its port, its host and the message boxes it shows.
struct SerialOriginWorld : ReceiverWorld {
    test::FakeSettingsStore store;
    TSettings settings{store};
    FakeSerialPort port;
    FakeSerialHost host;
    FakeMessageBoxes boxes;
};

} // namespace tav::testing
