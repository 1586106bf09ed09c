#pragma once
// The executor's ports, recorded: every port writes what it was asked into one log, so a test
// reads an action as the plan of events it made, in order.

#include "engine/actions/ActionExecutor.h"
#include "engine/actions/MessageNames.h"
#include "engine/settings/FakeSettingsStore.h"
#include "framework/Text.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tav::testing {

using Events = std::vector<std::string>;

inline std::string Hex(unsigned value) {
    return IntToHex(static_cast<std::int32_t>(value), 2);
}
inline std::string Bytes(const char* data, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text.append(" ").append(Hex(static_cast<unsigned char>(data[i])));
    return text;
}

// A top-level window of the fake desktop.
struct TTopWindow {
    TWindowHandle Handle = 0;
    std::string Title;
    std::string ClassName;
};

// The first of `windows` (top of the Z order first) that `match` takes; 0 when none.
inline TWindowHandle FirstWindow(const std::vector<TTopWindow>& windows,
                                 const TWindowMatch& match) {
    for (const TTopWindow& w : windows)
        if (match(w.Title, w.ClassName))
            return w.Handle;
    return 0;
}

struct FakeSerial : ISerialPort {
    Events& log;
    std::string name;
    bool connected = false;
    bool opens = true;
    FakeSerial(Events& l, std::string n) : log(l), name(std::move(n)) {}
    bool Connected() const override { return connected; }
    void Write(std::string_view bytes) override {
        log.push_back(name + " write" + Bytes(bytes.data(), bytes.size()));
    }
    void Open(const TSerialLine& l) override {
        log.push_back(name + " open COM" + std::to_string(l.ComNumber) + " " +
                      std::to_string(l.Speed) + " " + std::to_string(l.Parity) + " " +
                      std::to_string(l.DataBits) + " " + std::to_string(l.StopBits));
        if (!opens)
            throw std::runtime_error("no such port");
        connected = true;
    }
    void Close() override {
        log.push_back(name + " close");
        connected = false;
    }
    void SetDTR(bool on) override { log.push_back(name + " dtr " + (on ? "on" : "off")); }
    void SetRTS(bool on) override { log.push_back(name + " rts " + (on ? "on" : "off")); }
};

// Every other port, and the settings the executor reads.
struct FakeActionWorld : IInputInjector,
                         IKeySender,
                         IWindowSystem,
                         IProgramStarter,
                         IPowerControl,
                         IAudioMixer,
                         IActionDisplay,
                         IOriginSwitch,
                         IMessageLists,
                         ISystemServices {
    Events log;
    test::FakeSettingsStore store;
    TSettings settings{store};
    FakeSerial receiverPort{log, "receiver"};
    FakeSerial dataPort{log, "data"};
    DefaultActionLabels labels;

    int failAtKey = 0; // the n-th key event throws; 0 never
    int keys = 0;
    bool keySenderFails = false;
    std::map<std::string, TWindowHandle> titles; // the key sender's exact titles
    TWindowHandle foreground = 0;
    std::vector<TTopWindow> windows;
    bool programStarts = true;
    bool lineExists = true;
    TLineVolume line;
    std::string suffix;
    std::vector<std::string> windowsMessages{"WM_CLOSE=0010", "WM_USER=0400"};
    std::vector<std::string> userMessages;
    // Built from the two lists at each lookup, so a test may change them between actions.
    mutable std::optional<TMessageNameTable> messageTable;

    TActionPorts Ports() {
        return {this,      this, this, this, this,    this, &receiverPort,
                &dataPort, this, this, this, &labels, this};
    }
    void Add(std::string event) { log.push_back(std::move(event)); }
    static std::string N(long long n) { return std::to_string(n); }

    void KeyEvent(std::uint8_t vk, bool up) override {
        if (++keys == failAtKey)
            throw std::runtime_error("the keyboard is gone");
        Add("key " + Hex(vk) + (up ? " up" : " down"));
    }
    void MouseEvent(std::uint32_t flags, int dx, int dy) override {
        Add("mouse " + Hex(flags) + " " + N(dx) + " " + N(dy));
    }
    void SetCursorPos(int x, int y) override { Add("cursor " + N(x) + " " + N(y)); }
    void TypeCharacter(char c) override { Add("char " + Hex(static_cast<unsigned char>(c))); }

    void SendKeys(const std::string& k) override {
        Add("sendkeys" + Bytes(k.data(), k.size()));
        if (keySenderFails)
            throw std::runtime_error("a character the layout cannot type");
    }
    TWindowHandle GetHandleFromWindowTitle(const std::string& title) override {
        const auto it = titles.find(title);
        return it == titles.end() ? 0 : it->second;
    }

    TWindowHandle ForegroundWindow() override { return foreground; }
    TWindowHandle FindTopLevelWindow(const TWindowMatch& match) override {
        return FirstWindow(windows, match);
    }
    std::string WindowTitle(TWindowHandle w) override {
        for (const TTopWindow& t : windows)
            if (t.Handle == w)
                return t.Title;
        return {};
    }
    void BringWindowToFront(TWindowHandle w) override { Add("front " + N(w)); }
    void PostWindowMessage(TWindowHandle w, std::uint32_t m, std::int32_t wp,
                           std::int32_t lp) override {
        Add("post " + N(w) + " " + Hex(m) + " " + N(wp) + " " + N(lp));
    }
    void ShowWindow(TWindowHandle w, TWindowShow show) override {
        static const char* const names[] = {"minimize", "maximize", "restore"};
        Add(std::string(names[static_cast<int>(show)]) + " " + N(w));
    }

    void ShellOpen(const std::string& file, const std::string& params) override {
        Add("shell " + file + " | " + params);
    }
    bool StartProgram(const std::string& line, bool wait) override {
        Add("start " + line + (wait ? " (wait)" : ""));
        return programStarts;
    }

    void ExitWindowsPrivileged(std::uint32_t flags) override { Add("exit " + N(flags)); }
    void SetSystemPowerState(bool suspend) override { Add(suspend ? "suspend" : "hibernate"); }

    void SetMixerId(int id) override { Add("mixer " + N(id)); }
    bool GetVolume(int, int, TLineVolume& v) override {
        v = lineExists ? line : TLineVolume{};
        return lineExists;
    }
    bool SetVolume(int d, int c, int left, int right, int mute) override {
        Add("volume " + N(d) + " " + N(c) + " " + N(left) + " " + N(right) + " " + N(mute));
        return lineExists;
    }

    void SetSuffix(const std::string& text) override { suffix = text; }
    void ShowOSD(const std::string& text) override { Add("osd " + text); }
    bool StartOrigins(bool active) override {
        Add(active ? "origins open" : "origins close");
        return true;
    }
    std::optional<std::string_view> MessageNumber(std::string_view name) const override {
        messageTable.emplace(windowsMessages, userMessages);
        return messageTable->Resolve(name);
    }
    void ProcessMessages() override { Add("messages"); }
    void Beep() override { Add("beep"); }
    std::string LongTimeText() override { return "12:34:56"; }
    std::string ShortDateText() override { return "01.02.2003"; }
};

} // namespace tav::testing
