// Feeds arbitrary bytes to the readers of carried files, plain and compressed: they give bytes
// back or refuse them with their error, never reading or writing out of bounds. The same bytes,
// compressed, come back whole.
#include "components/filesrc/BlockLz.h"
#include "components/filesrc/FileData.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tav;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (bool compressed : {false, true}) {
        try {
            DecodeFileData(bytes, compressed);
        } catch (const ECarriedFileError&) {
        }
    }
    if (size > 0 && size <= kMaxBlockSource) {
        // One block as it comes, into an output of just the room its first byte names.
        std::string out(data[0] * 129u, '\0');
        try {
            BlockLzDecompress({data, size},
                              {reinterpret_cast<std::uint8_t*>(out.data()), out.size()});
        } catch (const ECarriedFileError&) {
        }
    }
    if (DecodeFileData(EncodeFileData(bytes, true), true) != bytes)
        __builtin_trap();
    return 0;
}
