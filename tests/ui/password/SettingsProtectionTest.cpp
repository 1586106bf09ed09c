#include "ui/password/SettingsProtection.h"

#include "components/cipher/QuelEncryption.h"

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
