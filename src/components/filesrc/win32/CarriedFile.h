#pragma once
// The carried files of the program live in its RCDATA resources, each named after the
// component that extracts it.

#include "components/filesrc/FileSource.h"

namespace tav {

// Extracts the file that the program carries for `source` to a new temporary file, after
// removing the files of its name and extension that earlier runs left behind. A failure
// is written to the debugger's output and leaves the component's FileName empty: whatever needs
// the file then reports that it cannot load it.
void LoadCarriedFile(TFileSource& source);

} // namespace tav
