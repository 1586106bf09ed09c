// The document's side of refreshing the commands tree's view after a rename, a switch or a
// learning: every shown node is told apart from a deleted one and its text and picture are
// looked up. It must grow linearly with the nodes.

#include "engine/document/Document.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace tav;

namespace {

constexpr int kCommandsPerRemote = 100;

void BM_RefreshModelSide(benchmark::State& state) {
    const int nodes = static_cast<int>(state.range(0));
    TDocument doc;
    TCommandNode* remote = nullptr;
    for (int i = 0; i < nodes; ++i) {
        if (i % (kCommandsPerRemote + 1) == 0)
            remote = doc.AddRemote("Remote " + std::to_string(i));
        else
            doc.AddCommand(remote, "Button " + std::to_string(i));
    }
    // What the view's nodes carry: the addresses of the document's nodes.
    std::vector<const void*> shown;
    for (const TCommandNode* n : doc.Tree().Nodes())
        shown.push_back(n);
    const std::string text = "Button";
    for (auto _ : state) {
        const TCommandNodeSet held(doc.Tree());
        int changed = 0;
        for (const void* data : shown)
            if (const TCommandNode* model = held.Find(data))
                changed += (model->Text != text) + NodeImageIndex(*model);
        benchmark::DoNotOptimize(changed);
    }
    state.SetComplexityN(nodes);
}

} // namespace

BENCHMARK(BM_RefreshModelSide)
    ->Arg(10000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
