#pragma once
// Recording stand-ins for the ports of the recognizer.

#include "engine/recognition/CodeReceiver.h"
#include "engine/recognition/Recognizer.h"

#include "framework/Text.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tav::testing {

struct FakeSettings : IRecognitionSettings {
    TRecognitionSettings values;
    std::map<std::string, std::string> sounds;
    TRecognitionSettings Read() const override { return values; }
    std::optional<std::string> SoundFile(const std::string& sound) const override {
        for (const auto& [name, path] : sounds)
            if (AnsiSameText(name, sound))
                return path;
        return std::nullopt;
    }
};

struct FakeTimer : ITimer {
    bool running = false;
    int starts = 0;
    void Start() override {
        if (!running)
            ++starts;
        running = true;
    }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
};

struct FakeTree : ITreeSelection {
    std::vector<TCommandNode*> selections;
    void Select(TCommandNode* node) override { selections.push_back(node); }
};

struct FakeForeground : IForegroundWindow {
    TWindowNames names;
    TWindowNames Names() const override { return names; }
};

struct FakeSound : ISoundPlayer {
    std::vector<std::string> played;
    void PlayWave(const std::string& path) override { played.push_back(path); }
};

struct FakeReports : IReportSinks {
    bool ddeOpen = false;
    std::vector<std::string> dde, info;
    int replyCleared = 0;
    bool DdeOpen() const override { return ddeOpen; }
    void SetDdeText(const std::string& text) override { dde.push_back(text); }
    void SendInfoLine(const std::string& line) override { info.push_back(line); }
    void ClearReplySocket() override { ++replyCleared; }
};

struct FakeLog : ILogWriter {
    std::vector<std::pair<std::string, std::string>> lines;
    std::optional<std::string> failWith;
    std::optional<std::string> AppendLine(const std::string& file,
                                          const std::string& line) override {
        if (failWith)
            return failWith;
        lines.emplace_back(file, line);
        return std::nullopt;
    }
};

struct FakeErrors : IErrorReporter {
    std::vector<std::string> shown;
    void ShowError(const std::string& message) override { shown.push_back(message); }
};

struct FakeActions : IActionRunner {
    std::function<void()> onRun;
    std::vector<TAction*> ran;
    void RunAction(TAction& item) override {
        ran.push_back(&item);
        if (onRun)
            onRun();
    }
};

struct FakeOsd : IOnScreenDisplay {
    std::string suffix;
    std::vector<std::string> shown;
    std::string Suffix() const override { return suffix; }
    void Show(const std::string& text) override { shown.push_back(text); }
};

struct FakeTray : ITrayIndicator {
    bool visible = true;
    int receiving = 0;
    void ShowReceiving() override { ++receiving; }
    bool IconVisible() const override { return visible; }
};

struct FakePointer : IPointerMover {
    std::vector<std::pair<int, int>> moves;
    void MoveBy(int dx, int dy) override { moves.emplace_back(dx, dy); }
};

struct FakeLearnView : ILearnView {
    int max = -1, position = -1, accepts = 0;
    std::vector<std::pair<int, std::uint32_t>> circles;
    void SetProgressMax(int m) override { max = m; }
    void SetProgressPosition(int p) override { position = p; }
    void SetCircleColor(int sample, std::uint32_t color) override {
        circles.emplace_back(sample, color);
    }
    void EnableAccept() override { ++accepts; }
};

// Every port of a recognizer, faked, for one document.
struct FakePorts {
    FakeSettings settings;
    FakeTimer timer;
    FakeTree tree;
    FakeForeground foreground;
    FakeSound sound;
    FakeReports reports;
    FakeLog log;
    FakeErrors errors;
    FakeActions actions;
    FakeOsd osd;
    FakeTray tray;
    FakePointer pointer;

    TRecognitionPorts Ports() {
        return {&settings, &timer,  &tree,    &foreground, &sound, &reports,
                &log,      &errors, &actions, &osd,        &tray,  &pointer};
    }
};

// The origins' entry point in front of a recognizer whose ports record what it does.
struct ReceiverWorld {
    TDocument doc;
    FakePorts fake;
    TRecognizer engine{doc, fake.Ports()};
    FakeTimer endOfCode;
    TCodeReceiver codes{doc, engine, endOfCode, fake.timer, [](unsigned) {}};
};

inline void Learn(TDocument& doc, TCommand& c, std::initializer_list<std::int32_t> values) {
    doc.SetCode(c, TCode(values));
}

inline void Feed(TDocument& doc, std::initializer_list<std::int32_t> values) {
    for (std::int32_t v : values)
        doc.ReceivedCode.AppendUpTo1000(v);
}

} // namespace tav::testing
