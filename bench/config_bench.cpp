// Saving and loading a large configuration: 10,000 commands of 100 values each and 1,000 action
// items with their triggers and action strings.
#include "HeapCounter.h"
#include "engine/config/ConfigFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

constexpr int kRemotes = 100;
constexpr int kCommandsPerRemote = 100;
constexpr int kValues = 100;
constexpr int kLayouts = 10;
constexpr int kItemsPerLayout = 100;

std::unique_ptr<tav::TDocument> LargeDocument() {
    auto doc = std::make_unique<tav::TDocument>();
    std::vector<tav::TCommandNode*> commands;
    for (int r = 0; r < kRemotes; ++r) {
        tav::TCommandNode* remote = doc->AddRemote("Remote control " + std::to_string(r));
        for (int c = 0; c < kCommandsPerRemote; ++c) {
            tav::TCommandNode* node = doc->AddCommand(remote, "Button " + std::to_string(c));
            std::vector<std::int32_t> code(kValues);
            for (int v = 0; v < kValues; ++v)
                code[static_cast<std::size_t>(v)] = (r * 7919 + c * 104729 + v * 31) % 4096;
            doc->SetCode(*node->Data(), tav::TCode(code));
            commands.push_back(node);
        }
    }
    for (int l = 0; l < kLayouts; ++l) {
        tav::TLayout* layout = l == 0 ? doc->DefaultLayout()
                                      : doc->AddLayout("Layout " + std::to_string(l),
                                                       "Window " + std::to_string(l), "Class");
        for (int a = 0; a < kItemsPerLayout; ++a) {
            const int n = l * kItemsPerLayout + a;
            tav::TAction* item = doc->AddAction(layout, "Item " + std::to_string(n));
            for (int t = 0; t < 3; ++t)
                doc->AddTrigger(
                    item,
                    commands[static_cast<std::size_t>((n * 37 + t * 1009) % commands.size())]);
            item->ActionStrings = {"\xA1SendKeys\xA1 Keys:{ENTER}",
                                   "\xA1MouseControl\xA1 Kind:1 X:10 Y:20",
                                   "\xA1"
                                   "ExecuteProgram\xA1 Program:notepad.exe"};
        }
    }
    return doc;
}

// One file per process: two benchmark runs at once must not load each other's file.
std::string BenchFile() {
    const std::string name = "tavrilo_config_bench_" + std::to_string(getpid()) + ".tvr";
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_SaveConfig(benchmark::State& state) {
    const auto doc = LargeDocument();
    const std::string path = BenchFile();
    tav::TConfigFileInfo info;
    info.Date = "09.12.2026 05:20:00";
    for (auto _ : state) {
        if (!tav::SaveConfigFile(*doc, path, info).Ok)
            state.SkipWithError("save failed");
    }
    std::remove(path.c_str());
    std::remove((path + ".bak").c_str());
}
BENCHMARK(BM_SaveConfig)->Unit(benchmark::kMillisecond);

void BM_LoadConfig(benchmark::State& state) {
    const std::string path = BenchFile();
    if (!tav::SaveConfigFile(*LargeDocument(), path, {}).Ok) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        auto loaded = tav::LoadConfigFile(path, {});
        if (loaded.Status != tav::TConfigLoadStatus::Loaded ||
            loaded.Document->Commands().size() != kRemotes * kCommandsPerRemote)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded.Document);
    }
    // What one more load needs at its peak and what the loaded document keeps, in MB.
    const std::size_t before = bench::HeapLiveBytes();
    bench::ResetHeapPeak();
    {
        auto loaded = tav::LoadConfigFile(path, {});
        state.counters["DocumentMB"] = static_cast<double>(bench::HeapLiveBytes() - before) / 1e6;
        // With the codes side by side that the first received code has the document build.
        loaded.Document->RecognitionCodes();
        state.counters["RecognisingMB"] =
            static_cast<double>(bench::HeapLiveBytes() - before) / 1e6;
    }
    state.counters["PeakMB"] = static_cast<double>(bench::HeapPeakBytes() - before) / 1e6;
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadConfig)->Unit(benchmark::kMillisecond);

// Many action items on one trigger command: every item adds itself to that command's list.
void BM_LoadItemsSharingOneTrigger(benchmark::State& state) {
    const int items = static_cast<int>(state.range(0));
    const std::string path = BenchFile();
    {
        tav::TDocument doc;
        tav::TCommandNode* command = doc.AddCommand(doc.AddRemote("Remote"), "Button");
        for (int a = 0; a < items; ++a)
            doc.AddTrigger(doc.AddAction(doc.DefaultLayout(), "Item"), command);
        if (!tav::SaveConfigFile(doc, path, {}).Ok) {
            state.SkipWithError("save failed");
            return;
        }
    }
    for (auto _ : state) {
        auto loaded = tav::LoadConfigFile(path, {});
        if (loaded.Status != tav::TConfigLoadStatus::Loaded ||
            loaded.Document->Commands().front()->Actions.size() != static_cast<std::size_t>(items))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded.Document);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadItemsSharingOneTrigger)->Arg(50000)->Arg(450000)->Unit(benchmark::kMillisecond);

} // namespace
