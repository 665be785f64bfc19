#include "MasterPassword.h"

#include "common/Cp1252.h"
#include "common/CryptRC4.h"
#include "common/TextCodec.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

namespace MasterPassword {

QString Decipher(const QString& stored)
{
    cCryptRC4 rc4;
    rc4.Key(cCryptRC4::kFixedKey);
    return TextCodec::decodeLine(rc4.CryptBytes(Cp1252::encode(stored)));
}

QString Current(const SettingsStore& settings)
{
    const QString stored = settings.value(Keys::Password);
    return stored.isEmpty() ? QString() : Decipher(stored);
}

bool Forget(SettingsStore& settings)
{
    return settings.remove(Keys::Password);
}

} // namespace MasterPassword
