#pragma once
// The compressed form of a whole file: the magic "VIZI10", the total size of the chunks that
// follow (each counted as 4 + its block size), then per 32768 bytes of the file one chunk: the
// block's size in 4 bytes and the block.

#include "components/filesrc/BlockLz.h"
#include "components/filesrc/CarriedBytes.h"

#include <memory>
#include <string>
#include <string_view>

namespace tav {

class TCompressStream {
public:
    // Appends the compressed form of `file` to `out`.
    void CompressTo(std::string_view file, std::string& out);
    // Reads one compressed form from `in` and appends the file's bytes to `out`. A wrong magic,
    // a block size out of range, a block that does not decompress and chunks that overrun
    // their total are refused with ECarriedFileError.
    void DecompressFrom(TByteReader& in, std::string& out);

private:
    TBlockLzCompressor compressor_;
    std::unique_ptr<TBlockBuffer> buffer_ = std::make_unique<TBlockBuffer>();
};

} // namespace tav
