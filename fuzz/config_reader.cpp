// Feeds arbitrary bytes to the configuration reader. A file that loads must write out in a form
// that loads again to the same document.
#include "engine/config/ConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto name = [] { return std::string("Default"); };
    const auto loaded = tav::ParseConfig(bytes, name);
    if (loaded.Status != tav::TConfigLoadStatus::Loaded)
        return 0;
    const tav::TConfigFileInfo info;
    const std::string written = tav::FormatConfig(*loaded.Document, info);
    const auto again = tav::ParseConfig(written, name);
    if (again.Status != tav::TConfigLoadStatus::Loaded || again.SkippedTriggers != 0 ||
        tav::FormatConfig(*again.Document, info) != written)
        __builtin_trap();
    return 0;
}
