#include "components/filesrc/FileData.h"

#include "components/filesrc/CompressStream.h"

namespace tav {

std::string EncodeFileData(std::string_view file, bool compressed) {
    std::string payload;
    if (compressed) {
        TCompressStream().CompressTo(file, payload);
        return payload;
    }
    AppendInt32(payload, CarriedSize(file.size()));
    payload += file;
    return payload;
}

std::string DecodeFileData(std::string_view payload, bool compressed) {
    TByteReader in(payload);
    std::string file;
    if (compressed) {
        TCompressStream().DecompressFrom(in, file);
        return file;
    }
    const std::int32_t size = in.ReadInt32();
    if (size < 0)
        throw ECarriedFileError("The carried file has a negative size");
    file = in.Read(static_cast<std::size_t>(size));
    return file;
}

} // namespace tav
