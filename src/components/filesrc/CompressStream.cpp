#include "components/filesrc/CompressStream.h"

#include <algorithm>
#include <span>

namespace tav {

namespace {

constexpr std::string_view kMagic = "VIZI10";
// A chunk of 32768 bytes that does not compress is stored in one byte more.
constexpr std::size_t kMaxBlockSize = kMaxBlockSource + 1;

std::span<const std::uint8_t> Bytes(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

} // namespace

void TCompressStream::CompressTo(std::string_view file, std::string& out) {
    out += kMagic;
    const std::size_t totalAt = out.size();
    AppendInt32(out, 0);
    for (std::size_t at = 0; at < file.size(); at += kMaxBlockSource) {
        const std::string_view chunk = file.substr(at, kMaxBlockSource);
        const std::size_t size = compressor_.Compress(Bytes(chunk), *buffer_);
        AppendInt32(out, static_cast<std::int32_t>(size));
        out.append(reinterpret_cast<const char*>(buffer_->data()), size);
    }
    std::string total;
    AppendInt32(total, CarriedSize(out.size() - totalAt - 4));
    out.replace(totalAt, 4, total);
}

void TCompressStream::DecompressFrom(TByteReader& in, std::string& out) {
    if (in.Read(kMagic.size()) != kMagic)
        throw ECarriedFileError("Wrong file type");
    std::int64_t total = in.ReadInt32();
    if (total < 0)
        throw ECarriedFileError("Corrupt compressed data");
    while (total > 0) {
        const std::int32_t size = in.ReadInt32();
        if (size < 0 || static_cast<std::size_t>(size) > kMaxBlockSize)
            throw ECarriedFileError("Block size out of range");
        total -= static_cast<std::int64_t>(size) + 4;
        if (total < 0)
            throw ECarriedFileError("Corrupt compressed data");
        const std::string_view block = in.Read(static_cast<std::size_t>(size));
        const std::size_t made = BlockLzDecompress(
            Bytes(block), std::span<std::uint8_t>(buffer_->data(), kMaxBlockSource));
        out.append(reinterpret_cast<const char*>(buffer_->data()), made);
    }
}

} // namespace tav
