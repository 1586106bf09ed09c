#pragma once
// The layouts dialog's tree of running applications, from the top-level windows as a walk
// found them: a root per listed window without an owner, and under it each listed window that
// it owns. Windows are known here by their handles' values only.

#include "framework/TopWindows.h"

#include <string>
#include <vector>

namespace tav {

struct TAppWindow {
    TWindowId Window = 0;
    std::string Title;
    std::string ClassName;
    bool operator==(const TAppWindow&) const = default;
};

struct TAppNode {
    TAppWindow Root;
    std::vector<TAppWindow> Owned; // in Z order
    bool operator==(const TAppNode&) const = default;
};

// Windows without a title are left out, and so are invisible ones unless `showInvisible`;
// `self` (the program's own hidden window) is never a root. A window owned by one that is not
// listed is not listed either.
std::vector<TAppNode> ListApplications(const std::vector<TTopWindow>& windows, TWindowId self,
                                       bool showInvisible);

// The texts of the tree's nodes: "title; class" for a root, "title;class" for an owned window.
std::string RootNodeText(const TAppWindow& window);
std::string OwnedNodeText(const TAppWindow& window);

} // namespace tav
