#include "MasterPassword.h"

#include "common/Cp1252.h"
#include "common/CryptRC4.h"
#include "common/TextCodec.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

namespace MasterPassword {

static QByteArray cryptFromStart(const QByteArray& bytes)
{
    cCryptRC4 rc4;
    rc4.Key(cCryptRC4::kFixedKey);
    return rc4.CryptBytes(bytes);
}

QString Encipher(const QString& password)
{
    return Cp1252::decode(cryptFromStart(TextCodec::encodeLine(password)));
}

QString Decipher(const QString& stored)
{
    return TextCodec::decodeLine(cryptFromStart(Cp1252::encode(stored)));
}

QString Stored(const SettingsStore& settings)
{
    return settings.value(Keys::Password);
}

QString Current(const SettingsStore& settings)
{
    const QString stored = Stored(settings);
    return stored.isEmpty() ? QString() : Decipher(stored);
}

bool Store(SettingsStore& settings, const QString& password)
{
    return settings.save(Keys::Password, Encipher(password));
}

} // namespace MasterPassword
