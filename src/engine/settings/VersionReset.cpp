#include "engine/settings/VersionReset.h"

#include "engine/settings/SettingsTable.h"

namespace tav {

namespace {

TValueState StateOf(SettingsStore& store, const TSettingDef& def) {
    return def.Type == TSettingType::String ? store.StrSettingState(def.Name)
                                            : store.IntSettingState(def.Name);
}

bool WriteDefault(SettingsStore& store, const TSettingDef& def) {
    switch (def.Type) {
    case TSettingType::String:
        return store.WriteStrSetting(def.Name, def.DefaultStr);
    case TSettingType::Boolean:
        return store.WriteBoolSetting(def.Name, def.DefaultInt != 0);
    case TSettingType::Integer:
        return store.WriteIntSetting(def.Name, def.DefaultInt);
    }
    return false;
}

} // namespace

bool RunVersionReset(SettingsStore& store, std::string_view programVersion,
                     TFileAssociation& fileAssociation, TLaunchAtLogon& launchAtLogon) {
    if (store.StrSettingState(kVersionSetting) == TValueState::Readable &&
        store.ReadStrSetting(kVersionSetting) == programVersion)
        return false;

    fileAssociation.RegisterFileType();
    if (store.IntSettingState(kLaunchOnStartupSetting) != TValueState::Readable)
        launchAtLogon.SetLaunchAtLogon(false);
    bool allStored = true;
    for (const TSettingDef& def : SettingsTable()) {
        if (def.HasDefault && StateOf(store, def) != TValueState::Readable)
            allStored = WriteDefault(store, def) && allStored;
    }
    // The version goes last, and only over a complete set: a start that ends half-way, or a
    // value the store refused, leaves the version unstored, and the next start fills the gaps.
    if (allStored)
        store.WriteStrSetting(kVersionSetting, programVersion);
    return true;
}

} // namespace tav
