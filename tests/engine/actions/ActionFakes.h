#pragma once
// Recording stand-ins for the executor's ports. Every port writes what it was asked into one
// log, so a test reads an action as the plan of events it made, in order.

#include "engine/actions/ActionExecutor.h"
#include "engine/settings/FakeSettingsStore.h"
#include "framework/Text.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tav::testing {

struct ActionLog {
    std::vector<std::string> events;
    void Add(std::string e) { events.push_back(std::move(e)); }
};

inline std::string Hex(unsigned value) {
    return IntToHex(static_cast<std::int32_t>(value), 2);
}

struct FakeInput : IInputInjector {
    ActionLog& log;
    explicit FakeInput(ActionLog& l) : log(l) {}
    // Throws at the n-th key event (1-based); 0 never.
    int failAtKey = 0;
    int keys = 0;
    void KeyEvent(std::uint8_t vk, bool up) override {
        if (++keys == failAtKey)
            throw std::runtime_error("the keyboard is gone");
        log.Add("key " + Hex(vk) + (up ? " up" : " down"));
    }
    void MouseEvent(std::uint32_t flags, int dx, int dy) override {
        log.Add("mouse " + Hex(flags) + " " + std::to_string(dx) + " " + std::to_string(dy));
    }
    void SetCursorPos(int x, int y) override {
        log.Add("cursor " + std::to_string(x) + " " + std::to_string(y));
    }
    void TypeCharacter(char c) override { log.Add("char " + Hex(static_cast<unsigned char>(c))); }
};

struct FakeKeySender : IKeySender {
    ActionLog& log;
    explicit FakeKeySender(ActionLog& l) : log(l) {}
    std::map<std::string, TWindowHandle> titles;
    bool fail = false;
    void SendKeys(const std::string& keys) override {
        std::string text = "sendkeys";
        for (char c : keys)
            text.append(" ").append(Hex(static_cast<unsigned char>(c)));
        log.Add(text);
        if (fail)
            throw std::runtime_error("a character the layout cannot type");
    }
    TWindowHandle GetHandleFromWindowTitle(const std::string& title) override {
        const auto it = titles.find(title);
        return it == titles.end() ? 0 : it->second;
    }
};

struct FakeWindows : IWindowSystem {
    ActionLog& log;
    explicit FakeWindows(ActionLog& l) : log(l) {}
    TWindowHandle foreground = 0;
    std::vector<TTopWindow> windows;
    TWindowHandle ForegroundWindow() override { return foreground; }
    std::vector<TTopWindow> TopLevelWindows() override { return windows; }
    std::string WindowTitle(TWindowHandle w) override {
        for (const TTopWindow& t : windows)
            if (t.Handle == w)
                return t.Title;
        return {};
    }
    void BringWindowToFront(TWindowHandle w) override { log.Add("front " + std::to_string(w)); }
    void PostWindowMessage(TWindowHandle w, std::uint32_t m, std::int32_t wp,
                           std::int32_t lp) override {
        log.Add("post " + std::to_string(w) + " " + Hex(m) + " " + std::to_string(wp) + " " +
                std::to_string(lp));
    }
    void ShowWindow(TWindowHandle w, TWindowShow show) override {
        static const char* const names[] = {"minimize", "maximize", "restore"};
        log.Add(std::string(names[static_cast<int>(show)]) + " " + std::to_string(w));
    }
};

struct FakePrograms : IProgramStarter {
    ActionLog& log;
    explicit FakePrograms(ActionLog& l) : log(l) {}
    bool starts = true;
    void ShellOpen(const std::string& file, const std::string& params) override {
        log.Add("shell " + file + " | " + params);
    }
    bool StartProgram(const std::string& commandLine, bool wait) override {
        log.Add("start " + commandLine + (wait ? " (wait)" : ""));
        return starts;
    }
};

struct FakePower : IPowerControl {
    ActionLog& log;
    explicit FakePower(ActionLog& l) : log(l) {}
    void ExitWindowsPrivileged(std::uint32_t flags) override {
        log.Add("exit " + std::to_string(flags));
    }
    void SetSystemPowerState(bool suspend) override { log.Add(suspend ? "suspend" : "hibernate"); }
};

struct FakeMixer : IAudioMixer {
    ActionLog& log;
    explicit FakeMixer(ActionLog& l) : log(l) {}
    bool lineExists = true;
    TLineVolume line;
    void SetMixerId(int id) override { log.Add("mixer " + std::to_string(id)); }
    bool GetVolume(int, int, TLineVolume& v) override {
        v = lineExists ? line : TLineVolume{};
        return lineExists;
    }
    bool SetVolume(int d, int c, int left, int right, int mute) override {
        log.Add("volume " + std::to_string(d) + " " + std::to_string(c) + " " +
                std::to_string(left) + " " + std::to_string(right) + " " + std::to_string(mute));
        return lineExists;
    }
};

struct FakeSerial : IDataPort {
    ActionLog& log;
    std::string name;
    FakeSerial(ActionLog& l, std::string n) : log(l), name(std::move(n)) {}
    bool connected = false;
    bool opens = true;
    bool Connected() const override { return connected; }
    int Write(const char* data, int count) override {
        std::string text = name + " write";
        for (int i = 0; i < count; ++i)
            text.append(" ").append(Hex(static_cast<unsigned char>(data[i])));
        log.Add(text);
        return count;
    }
    void Open(const TSerialLine& line) override {
        log.Add(name + " open " + line.Port + " " + std::to_string(line.BaudRate) + " " +
                std::to_string(line.Parity) + " " + std::to_string(line.DataBits) + " " +
                std::to_string(line.StopBits));
        if (!opens)
            throw std::runtime_error("no such port");
        connected = true;
    }
    void Close() override {
        log.Add(name + " close");
        connected = false;
    }
    void SetDTR(bool on) override { log.Add(name + " dtr " + (on ? "on" : "off")); }
    void SetRTS(bool on) override { log.Add(name + " rts " + (on ? "on" : "off")); }
};

struct FakeDisplay : IActionDisplay {
    ActionLog& log;
    explicit FakeDisplay(ActionLog& l) : log(l) {}
    std::string suffix;
    void SetSuffix(const std::string& text) override { suffix = text; }
    void ShowOSD(const std::string& text) override { log.Add("osd " + text); }
};

struct FakeOrigins : IOriginSwitch {
    ActionLog& log;
    explicit FakeOrigins(ActionLog& l) : log(l) {}
    bool StartOrigins(bool active) override {
        log.Add(active ? "origins open" : "origins close");
        return true;
    }
};

struct FakeMessages : IMessageLists {
    std::vector<std::string> windows{"WM_CLOSE=0010", "WM_USER=0400", "WM_KEYDOWN=0100"};
    std::vector<std::string> user;
    std::vector<std::string> WindowsMessages() const override { return windows; }
    std::vector<std::string> UserMessages() const override { return user; }
};

struct FakeSystem : ISystemServices {
    ActionLog& log;
    explicit FakeSystem(ActionLog& l) : log(l) {}
    std::function<void()> onMessages;
    void ProcessMessages() override {
        log.Add("messages");
        if (onMessages)
            onMessages();
    }
    void Beep() override { log.Add("beep"); }
    std::string LongTimeText() override { return "12:34:56"; }
    std::string ShortDateText() override { return "01.02.2003"; }
};

// An executor over fakes, with the settings it reads.
struct FakeActionWorld {
    ActionLog log;
    test::FakeSettingsStore store;
    TSettings settings{store};
    FakeInput input{log};
    FakeKeySender keys{log};
    FakeWindows windows{log};
    FakePrograms programs{log};
    FakePower power{log};
    FakeMixer mixer{log};
    FakeSerial receiverPort{log, "receiver"};
    FakeSerial dataPort{log, "data"};
    FakeDisplay display{log};
    FakeOrigins origins{log};
    FakeMessages messages;
    DefaultActionLabels labels;
    FakeSystem system{log};

    TActionPorts Ports() {
        return {&input,    &keys,    &windows, &programs, &power,  &mixer, &receiverPort,
                &dataPort, &display, &origins, &messages, &labels, &system};
    }
};

} // namespace tav::testing
