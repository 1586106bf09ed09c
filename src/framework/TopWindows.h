#pragma once
// The desktop's top-level windows as a walk over them found them, for the lists that offer
// running windows to the user. Windows are known here by their handles' values only.

#include <cstdint>
#include <string>

namespace tav {

using TWindowId = std::uintptr_t;

// One top-level window, in Z order.
struct TTopWindow {
    TWindowId Window = 0;
    TWindowId Owner = 0; // 0: none
    std::string Title;
    std::string ClassName;
    bool Visible = false;
};

} // namespace tav
