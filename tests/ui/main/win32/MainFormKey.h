#pragma once
// The settings key of a main window that a test makes. Tests run side by side in processes of
// their own: a main window that ended the others, as a starting program does, would close their
// origins and end their message loops, so the windows of the tests leave each other alone.

#include "engine/settings/win32/RegistryStore.h"
#include "framework/win32/TestRegistryKey.h"

namespace tav::test {

class MainFormKey : public TestRegistryKey {
public:
    MainFormKey() { TRegistryStore(Path()).WriteBoolSetting("Multiple instances", true); }
};

} // namespace tav::test
