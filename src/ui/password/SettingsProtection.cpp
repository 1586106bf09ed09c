#include "ui/password/SettingsProtection.h"

#include "components/cipher/QuelEncryption.h"

namespace tav {

std::string EncipherRestorePassword(const std::string& typed) {
    TQuelEncryption cipher;
    cipher.SetKey(kSettingsProtectionKey);
    cipher.SetAction(TActionType::atEncryption);
    cipher.SetInput(typed);
    cipher.Execute();
    return cipher.Output();
}

TPasswordCheck CheckRestorePassword(const std::string& stored, const std::string& typed) {
    TQuelEncryption cipher;
    cipher.SetKey(kSettingsProtectionKey);
    cipher.SetAction(TActionType::atDecryption);
    cipher.SetInput(stored);
    if (!cipher.Execute())
        return TPasswordCheck::Corrupt;
    return cipher.Output() == typed ? TPasswordCheck::Right : TPasswordCheck::Wrong;
}

} // namespace tav
