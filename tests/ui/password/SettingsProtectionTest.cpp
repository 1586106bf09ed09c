#include "ui/password/SettingsProtection.h"

#include "components/cipher/QuelEncryption.h"
#include "engine/settings/FakeSettingsStore.h"
#include "engine/settings/Settings.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(SettingsProtection, OnlyTheExactPasswordRestoresAndADamagedValueIsToldApart) {
    TQuelEncryption cipher;
    const std::string stored = *cipher.Crypt("Se\xF1or 7", kSettingsProtectionKey, true);
    EXPECT_EQ(CheckRestorePassword(stored, "Se\xF1or 7"), TPasswordCheck::Right);
    EXPECT_EQ(CheckRestorePassword(stored, "se\xF1or 7"), TPasswordCheck::Wrong);
    EXPECT_EQ(CheckRestorePassword(stored, ""), TPasswordCheck::Wrong);
    // No stored value is no protection.
    EXPECT_EQ(CheckRestorePassword("", ""), TPasswordCheck::Right);
    EXPECT_EQ(CheckRestorePassword("", "x"), TPasswordCheck::Wrong);
    for (const char* damaged : {"3G41", "A7", "41 2B"})
        EXPECT_EQ(CheckRestorePassword(damaged, damaged), TPasswordCheck::Corrupt) << damaged;
}

TEST(SettingsProtection, AStoredPasswordIsEncipheredAndTheEmptyOneIsNoProtection) {
    const std::string stored = EncipherRestorePassword("Se\xF1or 7");
    EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos) << stored;
    EXPECT_EQ(stored.find("Se"), std::string::npos);
    EXPECT_EQ(CheckRestorePassword(stored, "Se\xF1or 7"), TPasswordCheck::Right);
    EXPECT_EQ(EncipherRestorePassword(""), "");
}

TEST(SettingsProtection, APasswordStoredAsAnotherKindKeepsTheProtectionAndIsToldDamaged) {
    for (const test::StoredValue& damaged :
         {test::StoredValue{test::Binary{}}, test::StoredValue{std::int32_t{0}}}) {
        test::FakeSettingsStore store;
        store.Values["Restore"] = damaged;
        TSettings settings(store);
        settings.Load();
        const std::string& stored = settings.Str("Restore");
        EXPECT_FALSE(stored.empty()) << "the way back from the tray stays guarded";
        EXPECT_EQ(CheckRestorePassword(stored, ""), TPasswordCheck::Corrupt);
        EXPECT_EQ(settings.ReloadStr("Restore"), stored);
    }
    test::FakeSettingsStore store;
    TSettings settings(store);
    settings.Load();
    EXPECT_EQ(settings.Str("Restore"), "") << "none stored is no protection";
}
