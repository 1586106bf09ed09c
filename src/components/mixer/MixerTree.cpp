#include "components/mixer/MixerTree.h"

#include <utility>

namespace tav {

namespace {

// Negative indexes are no items either.
template <class T> const T* ItemAt(const std::vector<T>& items, int index) {
    if (index < 0 || index >= static_cast<int>(items.size()))
        return nullptr;
    return &items[static_cast<std::size_t>(index)];
}

} // namespace

TMixerControls::TMixerControls(IMixerBackend& backend, const TMixerLine& line) {
    if (line.Controls == 0)
        return;
    if (auto controls = backend.LineControls(line.LineId, line.Controls))
        items_ = std::move(*controls);
}

const TMixerControl* TMixerControls::GetControl(int index) const {
    return ItemAt(items_, index);
}

TMixerConnection::TMixerConnection(IMixerBackend& backend, TMixerLine line)
    : data_(std::move(line)), controls_(backend, data_) {}

TMixerConnections::TMixerConnections(IMixerBackend& backend, const TMixerLine& destination) {
    for (std::uint32_t source = 0; source < destination.Connections; ++source)
        if (auto line = backend.SourceLine(destination.Destination, source))
            items_.emplace_back(backend, std::move(*line));
}

const TMixerConnection* TMixerConnections::GetConnection(int index) const {
    return ItemAt(items_, index);
}

TMixerDestination::TMixerDestination(IMixerBackend& backend, TMixerLine line)
    : data_(std::move(line)), controls_(backend, data_), connections_(backend, data_) {}

TMixerDestinations::TMixerDestinations(IMixerBackend& backend, std::uint32_t count) {
    for (std::uint32_t destination = 0; destination < count; ++destination)
        if (auto line = backend.DestinationLine(destination))
            items_.emplace_back(backend, std::move(*line));
}

const TMixerDestination* TMixerDestinations::GetDestination(int index) const {
    return ItemAt(items_, index);
}

} // namespace tav
