#include "ui/layouts/AppWindows.h"

#include <unordered_map>

namespace tav {

std::vector<TAppNode> ListApplications(const std::vector<TTopWindow>& windows, TWindowId self,
                                       bool showInvisible) {
    auto listed = [showInvisible](const TTopWindow& w) {
        return (showInvisible || w.Visible) && !w.Title.empty();
    };
    std::vector<TAppNode> nodes;
    // Root position of each listed window without an owner, so that every owned window finds
    // its root in one look.
    std::unordered_map<TWindowId, std::size_t> roots;
    for (const TTopWindow& w : windows)
        if (w.Owner == 0 && w.Window != self && listed(w)) {
            roots.emplace(w.Window, nodes.size());
            nodes.push_back({{w.Window, w.Title, w.ClassName}, {}});
        }
    for (const TTopWindow& w : windows) {
        if (w.Owner == 0 || !listed(w))
            continue;
        if (const auto root = roots.find(w.Owner); root != roots.end())
            nodes[root->second].Owned.push_back({w.Window, w.Title, w.ClassName});
    }
    return nodes;
}

std::string RootNodeText(const TAppWindow& window) {
    return window.Title + "; " + window.ClassName;
}

std::string OwnedNodeText(const TAppWindow& window) {
    return window.Title + ";" + window.ClassName;
}

} // namespace tav
