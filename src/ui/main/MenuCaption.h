#pragma once
// A control's or menu item's caption as a plain name: in status texts, message boxes, lists of
// origins and stored sound names.

#include <string>
#include <string_view>

namespace tav {

// Drops the first "&" (the mnemonic), then ends the text before its first ":", or before its
// first "." when that one comes earlier. A caption without ":" keeps its dots ("Save As...").
std::string StripMenuCaption(std::string_view caption);

} // namespace tav
