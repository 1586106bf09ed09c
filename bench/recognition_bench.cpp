// Recognition of one received code against many learned commands of 100 values.

#include "engine/document/Document.h"
#include "engine/recognition/Recognizer.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace tav;

namespace {

struct QuietPorts : IRecognitionSettings,
                    ITimer,
                    ITreeSelection,
                    IForegroundWindow,
                    ISoundPlayer,
                    IReportSinks,
                    ILogWriter,
                    IErrorReporter,
                    IActionRunner,
                    IOnScreenDisplay,
                    ITrayIndicator,
                    IPointerMover {
    bool running = false;
    TRecognitionSettings Read() const override {
        TRecognitionSettings s;
        s.Compare.Tolerance = 20;
        return s;
    }
    std::optional<std::string> SoundFile(const std::string&) const override { return {}; }
    void Start() override { running = true; }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
    void Select(TCommandNode*) override {}
    TWindowNames Names() const override { return {}; }
    void PlayWave(const std::string&) override {}
    bool DdeOpen() const override { return false; }
    void SetDdeText(const std::string&) override {}
    void SendInfoLine(const std::string&) override {}
    void ClearReplySocket() override {}
    std::optional<std::string> AppendLine(const std::string&, const std::string&) override {
        return {};
    }
    void ShowError(const std::string&) override {}
    void RunAction(TAction&) override {}
    std::string Suffix() const override { return {}; }
    void Show(const std::string&) override {}
    void ShowReceiving() override {}
    bool IconVisible() const override { return false; }
    void MoveBy(int, int) override {}

    TRecognitionPorts Ports() {
        return {this, this, this, this, this, this, this, this, this, this, this, this};
    }
};

constexpr int kValues = 100;

// Random codes: a received code is told apart from most commands within its first values.
// Shared prefix: every command equals the received code but for its last value, so each
// comparison runs through all 100 values; only the last command matches.
void Recognise(benchmark::State& state, bool sharedPrefix) {
    const int commands = static_cast<int>(state.range(0));
    TDocument doc;
    TCommandNode* remote = doc.AddRemote("Remote");
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> value(0, 1000000);
    std::vector<std::int32_t> received(kValues);
    for (auto& v : received)
        v = value(rng);
    for (int c = 0; c < commands; ++c) {
        std::vector<std::int32_t> code(kValues);
        for (int i = 0; i < kValues; ++i)
            code[static_cast<std::size_t>(i)] =
                sharedPrefix ? received[static_cast<std::size_t>(i)] : value(rng);
        if (sharedPrefix && c + 1 < commands)
            code[kValues - 1] += 1000;
        doc.SetCode(*doc.AddCommand(remote, "C")->Data(), TCode(code));
    }
    if (!sharedPrefix)
        received[0] = -1; // no command matches
    QuietPorts ports;
    TRecognizer engine(doc, ports.Ports());
    for (auto _ : state) {
        doc.ReceivedCode.Replace(received);
        engine.ProcessReceivedCode();
        engine.TypematicTimerTimer();
    }
    if (sharedPrefix && doc.LastFiredCommand != doc.Commands().back())
        state.SkipWithError("the last command did not fire");
}

void BM_RecogniseRandomCodes(benchmark::State& state) {
    Recognise(state, false);
}
void BM_RecogniseSharedPrefix(benchmark::State& state) {
    Recognise(state, true);
}

// What the worst case cannot beat: one plain pass over as many code values as 10,000 commands
// of 100 values hold, lying one after another.
void BM_SequentialReadReference(benchmark::State& state) {
    std::vector<std::int32_t> values(static_cast<std::size_t>(state.range(0)) * kValues);
    std::mt19937 rng(42);
    for (auto& v : values)
        v = static_cast<std::int32_t>(rng());
    for (auto _ : state) {
        std::int32_t sum = 0;
        for (const std::int32_t v : values)
            sum ^= v;
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(values.size()) * 4);
}

} // namespace

BENCHMARK(BM_SequentialReadReference)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecogniseRandomCodes)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecogniseSharedPrefix)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
