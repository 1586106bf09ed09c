#pragma once
// Copies of menu items for the menus that repeat others (the tray menu, the tree's popup).

#include "framework/win32/Menus.h"

namespace tav {

// A new item owned by `owner`, named as `source` with "Copy" appended, with its caption, check
// mark, enabled state, radio-item flag, tag and click handler, and no shortcut.
TMenuItem* CopyMenuItem(TComponent* owner, const TMenuItem& source);

} // namespace tav
