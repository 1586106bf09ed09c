#pragma once
// The help contexts the program asks for, by window; the help file maps each to its page.

namespace tav::help {

inline constexpr int kMainWindowContext = 1000;
inline constexpr int kLearnContext = 1012;
inline constexpr int kActionEditorContext = 1020;
inline constexpr int kLayoutsContext = 1041;
inline constexpr int kSettingsContext = 1050;
// The settings pages that have a page of their own in the help file.
inline constexpr int kSettingsGeneralContext = 1051;
inline constexpr int kSettingsSoundsContext = 1052;
inline constexpr int kSettingsOsdContext = 1053;
inline constexpr int kSettingsDdeTcpContext = 1054;

inline constexpr int kProgramHelpContexts[] = {
    kMainWindowContext,     kLearnContext,       kActionEditorContext,
    kLayoutsContext,        kSettingsContext,    kSettingsGeneralContext,
    kSettingsSoundsContext, kSettingsOsdContext, kSettingsDdeTcpContext,
};

} // namespace tav::help
