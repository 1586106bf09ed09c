#pragma once
// The platform's own profile-file reader behind TProfileFile.

#include "ui/lang/ProfileFile.h"

namespace tav {

// Opens `path` for reading through GetPrivateProfileStringA. The platform reads and caches the
// file itself, so opening only remembers the path. Like the platform, it looks for a name
// without a folder in the Windows folder, so callers pass full paths. An empty path reads as an
// empty file (the platform would take it as the Windows folder's win.ini).
std::unique_ptr<TProfileFile> OpenWinProfileFile(const std::string& path);

} // namespace tav
