#pragma once
// What a program version does on its first start: register the file type and fill in the
// stored settings it finds missing or damaged, keeping every value the user already has.

#include "engine/settings/SettingsStore.h"
#include "engine/settings/SystemHooks.h"

#include <string_view>

namespace tav {

// Runs when the stored "Version" is absent, unreadable or differs from `programVersion`;
// returns whether it ran. Once every missing default is stored, "Version" is written last and
// holds `programVersion`, so the same version never runs it twice; until then the next start
// runs it again. Only when "Launch on startup" is missing is it written (false) and the logon
// entry removed, which keeps the two in step; a stored choice is left alone.
bool RunVersionReset(SettingsStore& store, std::string_view programVersion,
                     TFileAssociation& fileAssociation, TLaunchAtLogon& launchAtLogon);

} // namespace tav
