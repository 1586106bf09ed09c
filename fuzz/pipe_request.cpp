// Any local program may send the named pipe any bytes. A run of requests, with the end-of-code
// timer and the recognition time-out running out in between, must never crash; each request
// gets the reply its kind calls for, and the received-code buffer keeps its bound.
//
// Input: records of one control byte, a 16-bit little-endian length (at most the 1024 bytes a
// request can have) and the request. Control bits: 1 the time-out runs before the request,
// 2 the end-of-code timer runs out after it, 4 the time-out runs out after it.

#include "engine/RecognitionFakes.h"
#include "engine/network/PipeRequest.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tav;
using namespace tav::testing;

namespace {

constexpr std::size_t kLongestRequest = 1024;

struct World : ReceiverWorld {

    // Two remotes, one command's name inside "cmd:GetCommands", two learned as the bytes of
    // plug-in keys, and an item that those two trigger in turn.
    World() {
        TCommandNode* player = doc.AddRemote("Player");
        TCommandNode* play = doc.AddCommand(player, "Play");
        TCommandNode* stop = doc.AddCommand(player, "Stop");
        TCommandNode* commands = doc.AddCommand(doc.AddRemote("TV"), "Commands");
        doc.SetTypematic(stop, false);
        Learn(doc, *play->Data(), {'P', 1});
        Learn(doc, *stop->Data(), {'S', 1});
        Learn(doc, *commands->Data(), {'c', 'm', 'd'});
        TAction* item = doc.AddAction(doc.DefaultLayout(), "Play then stop");
        doc.AddTrigger(item, play);
        doc.AddTrigger(item, stop);
        item->ActionStrings = {"\xA1OSD\xA1 Text:bye"};
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    World world;
    const std::string list = ListCommandNames(world.doc);
    std::size_t at = 0;
    while (at + 3 <= size) {
        const std::uint8_t control = data[at];
        const std::size_t length = std::min<std::size_t>(
            (data[at + 1] | data[at + 2] << 8) % (kLongestRequest + 1), size - at - 3);
        const std::string_view request(reinterpret_cast<const char*>(data + at + 3), length);
        at += 3 + length;

        if (control & 1)
            world.fake.timer.Start();
        const std::string reply = AnswerPipeRequest(request, world.doc, world.engine, world.codes);
        if (reply != (request.starts_with("cmd:") ? list : std::string()))
            __builtin_trap();
        if (world.doc.ReceivedCode.LastIndex() > kLastCodeIndex)
            __builtin_trap();
        // A raw code is always timed to its end.
        if (!request.starts_with("cmd:") && !world.endOfCode.running)
            __builtin_trap();
        if ((control & 2) && world.endOfCode.running)
            world.codes.EndOfCode();
        if (control & 4)
            world.engine.TypematicTimerTimer();
    }
    return 0;
}
