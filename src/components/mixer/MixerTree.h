#pragma once
// The lines of an open mixer device as read when it was selected: its destinations in
// destination order, each with its connections (source lines) and each line with its controls.
// A line that cannot be read is left out, and the lines after it move up.

#include "components/mixer/MixerBackend.h"

#include <vector>

namespace tav {

// The controls of one line, read all at once; none when that read fails.
class TMixerControls {
public:
    TMixerControls() = default;
    TMixerControls(IMixerBackend& backend, const TMixerLine& line);
    int GetCount() const { return static_cast<int>(items_.size()); }
    // The control at `index`, or none.
    const TMixerControl* GetControl(int index) const;
    const std::vector<TMixerControl>& Items() const { return items_; }

private:
    std::vector<TMixerControl> items_;
};

class TMixerConnection {
public:
    TMixerConnection(IMixerBackend& backend, TMixerLine line);
    const TMixerLine& Data() const { return data_; }
    const TMixerControls& Controls() const { return controls_; }

private:
    TMixerLine data_;
    TMixerControls controls_;
};

class TMixerConnections {
public:
    TMixerConnections() = default;
    TMixerConnections(IMixerBackend& backend, const TMixerLine& destination);
    int GetCount() const { return static_cast<int>(items_.size()); }
    const TMixerConnection* GetConnection(int index) const;

private:
    std::vector<TMixerConnection> items_;
};

class TMixerDestination {
public:
    TMixerDestination(IMixerBackend& backend, TMixerLine line);
    const TMixerLine& Data() const { return data_; }
    const TMixerControls& Controls() const { return controls_; }
    const TMixerConnections& Connections() const { return connections_; }

private:
    TMixerLine data_;
    TMixerControls controls_;
    TMixerConnections connections_;
};

class TMixerDestinations {
public:
    TMixerDestinations() = default;
    TMixerDestinations(IMixerBackend& backend, std::uint32_t count);
    int GetCount() const { return static_cast<int>(items_.size()); }
    const TMixerDestination* GetDestination(int index) const;

private:
    std::vector<TMixerDestination> items_;
};

} // namespace tav
