// Control-server peers may send anything, cut anywhere, from several connections at once. Each
// connection's bytes must come out as its own lines, in order, none lost but those of a line
// that outgrew the buffer, each line taken as soon as its LF arrives; every accepted chunk is
// echoed and each line answered once.
//
// Input: records of one control byte and, for a chunk, a 16-bit little-endian length and the
// chunk. Control: bits 0-1 the connection (1 to 4); bits 2-3 what happens: 0 the connection
// sends the chunk, 1 it connects (bit 4: from outside the allowed addresses), 2 it leaves,
// 3 the origin-test dialog is shown or hidden.

#include "engine/RecognitionFakes.h"
#include "engine/network/ControlServer.h"
#include "engine/settings/FakeSettingsStore.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

using namespace tav;
using namespace tav::testing;

namespace {

constexpr std::size_t kLongestChunk = 2048;
const std::string kCommandOk = "TVRL: cmd ok\r\n";

struct Peers : IServerPeers {
    std::set<TConnectionId> open;
    std::map<TConnectionId, std::string> received;
    std::vector<TConnectionId> Connections() const override { return {open.begin(), open.end()}; }
    void Send(TConnectionId c, const std::string& text) override {
        if (open.contains(c))
            received[c] += text;
    }
    void Close(TConnectionId c) override { open.erase(c); }
};

struct Client : IClientPeer {
    bool Active() const override { return false; }
    void Send(const std::string&) override {}
};

struct TestView : IOriginTestView {
    bool visible = false;
    bool Visible() const override { return visible; }
    TDataFormat Format() const override { return TDataFormat::Ascii; }
    void AddLine(const std::string&) override {}
};

// Codes are learned, so each dispatched line lands in the learning queue; the end of each
// dispatch takes it from there.
struct Reports : FakeReports {
    TDocument* doc = nullptr;
    std::vector<std::string> lines;
    void ClearReplySocket() override {
        if (doc->LearnQueue.LastSample < 0)
            __builtin_trap();
        const TCode& sample =
            doc->LearnQueue.Samples[static_cast<std::size_t>(doc->LearnQueue.LastSample)].Code;
        std::string line;
        for (const std::int32_t value : sample.Values())
            line += static_cast<char>(value);
        lines.push_back(line);
    }
};

struct World {
    test::FakeSettingsStore store;
    TSettings settings{store};
    TDocument doc;
    FakePorts fake;
    Reports reports;
    TRecognizer engine{doc, Ports()};
    FakeTimer endOfCode;
    TCodeReceiver receiver{doc, engine, endOfCode, fake.timer, [](unsigned) {}};
    Peers control, info;
    Client infoClient;
    TInfoReports tcp{info, infoClient, control};
    TControlServer server{settings, receiver, control, tcp};
    FakeLearnView learning;
    TestView view;

    // What each connection has sent since its last loss, and the lines taken out of it.
    std::map<TConnectionId, std::string> sent, taken;

    World() {
        engine.SetLearnView(&learning);
        receiver.SetTestView(&view);
    }
    TRecognitionPorts Ports() {
        reports.doc = &doc;
        TRecognitionPorts ports = fake.Ports();
        ports.Reports = &reports;
        return ports;
    }

    void Read(TConnectionId c, const std::string& chunk) {
        const std::size_t echoedBefore = control.received[c].size();
        const std::size_t linesBefore = reports.lines.size();
        server.ClientRead(c, chunk);
        const std::string answer = control.received[c].substr(echoedBefore);
        const std::size_t lines = reports.lines.size() - linesBefore;
        if (view.visible || chunk.empty()) {
            if (answer != chunk || lines != 0)
                __builtin_trap();
            return;
        }
        if (answer.empty()) {
            // Only a line longer than the buffer is dropped, with what had begun of it.
            const std::string rest = sent[c].substr(taken[c].size());
            if (rest.size() + chunk.size() <= static_cast<std::size_t>(kCodeCapacity) || lines != 0)
                __builtin_trap();
            sent[c].clear();
            taken[c].clear();
            return;
        }
        std::string expected = chunk;
        for (std::size_t i = 0; i < lines; ++i)
            expected += kCommandOk;
        if (answer != expected)
            __builtin_trap();
        sent[c] += chunk;
        for (std::size_t i = linesBefore; i < reports.lines.size(); ++i) {
            const std::string& line = reports.lines[i];
            // A line ends at its first LF that is not its first value, and fits the buffer.
            if (line.size() < 2 || line.size() > static_cast<std::size_t>(kCodeCapacity) ||
                line.back() != '\n' || line.find('\n', 1) != line.size() - 1)
                __builtin_trap();
            taken[c] += line;
        }
        // In order and nothing lost; what is left holds no complete line.
        if (!sent[c].starts_with(taken[c]))
            __builtin_trap();
        const std::string rest = sent[c].substr(taken[c].size());
        if (rest.size() > 1 && rest.find('\n', 1) != std::string::npos)
            __builtin_trap();
    }

    void Connect(TConnectionId c, bool allowed) {
        if (control.open.contains(c))
            return;
        control.open.insert(c);
        server.ClientConnect(c, allowed ? "127.0.0.1" : "10.0.0.1");
        if (control.open.contains(c) != allowed)
            __builtin_trap();
    }

    void Leave(TConnectionId c) {
        if (!control.open.contains(c))
            return;
        server.ClientDisconnect(c);
        if (!control.received[c].ends_with("TVRL: bye\r\n"))
            __builtin_trap();
        control.open.erase(c);
        sent.erase(c);
        taken.erase(c);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    World world;
    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t control = data[at++];
        const TConnectionId c = static_cast<TConnectionId>(1 + (control & 3));
        switch ((control >> 2) & 3) {
        case 0: {
            if (at + 2 > size)
                return 0;
            const std::size_t length = std::min<std::size_t>(
                (data[at] | data[at + 1] << 8) % (kLongestChunk + 1), size - at - 2);
            const std::string chunk(reinterpret_cast<const char*>(data + at + 2), length);
            at += 2 + length;
            // Only open connections read.
            if (world.control.open.contains(c))
                world.Read(c, chunk);
            break;
        }
        case 1:
            world.Connect(c, !(control & 16));
            break;
        case 2:
            world.Leave(c);
            break;
        case 3:
            world.view.visible = !world.view.visible;
            break;
        }
    }
    return 0;
}
