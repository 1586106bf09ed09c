#pragma once
// The "FileData" payload that carries a whole file inside the program: plain (the file's size
// in 4 bytes, then its bytes) or in the compressed form.

#include "components/filesrc/CarriedBytes.h"

#include <string>
#include <string_view>

namespace tav {

std::string EncodeFileData(std::string_view file, bool compressed);
// The file's bytes; a payload that is cut short or damaged throws ECarriedFileError.
std::string DecodeFileData(std::string_view payload, bool compressed);

} // namespace tav
