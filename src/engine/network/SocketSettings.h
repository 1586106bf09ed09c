#pragma once
// What the sockets take from the settings when they start.

#include "engine/settings/Settings.h"

#include <string_view>

namespace tav {

// The stored port named `name`, 1..65535: the settings model reads any other, 0 included
// (which would let the system choose a port), as the setting's default.
int StoredPort(const TSettings& settings, std::string_view name);

enum class TInfoSocket { None, Server, Client };

// The info socket that runs: none while no part of the info line is chosen; the client when
// the stored type says 1, else the server.
TInfoSocket ChosenInfoSocket(const TSettings& settings);

} // namespace tav
