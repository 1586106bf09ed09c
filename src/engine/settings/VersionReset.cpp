#include "engine/settings/VersionReset.h"

#include "engine/settings/SettingsTable.h"

namespace tav {

namespace {

TValueState StateOf(SettingsStore& store, const TSettingDef& def) {
    return def.Type == TSettingType::String ? store.StrSettingState(def.Name)
                                            : store.IntSettingState(def.Name);
}

void WriteDefault(SettingsStore& store, const TSettingDef& def) {
    switch (def.Type) {
    case TSettingType::String:
        store.WriteStrSetting(def.Name, def.DefaultStr);
        break;
    case TSettingType::Boolean:
        store.WriteBoolSetting(def.Name, def.DefaultInt != 0);
        break;
    case TSettingType::Integer:
        store.WriteIntSetting(def.Name, def.DefaultInt);
        break;
    }
}

} // namespace

bool RunVersionReset(SettingsStore& store, std::string_view programVersion,
                     TFileAssociation& fileAssociation, TLaunchAtLogon& launchAtLogon) {
    if (store.StrSettingState(kVersionSetting) == TValueState::Readable &&
        store.ReadStrSetting(kVersionSetting) == programVersion)
        return false;

    fileAssociation.RegisterFileType();
    store.WriteStrSetting(kVersionSetting, programVersion);
    if (store.IntSettingState(kLaunchOnStartupSetting) != TValueState::Readable)
        launchAtLogon.SetLaunchAtLogon(false);
    for (const TSettingDef& def : SettingsTable()) {
        if (def.HasDefault && StateOf(store, def) != TValueState::Readable)
            WriteDefault(store, def);
    }
    return true;
}

} // namespace tav
