#include "VaultCrypto.h"

#include <sodium.h>

namespace {

void initialiseOnce()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        qFatal("libsodium cannot start");
}

const unsigned char* bytesOf(const QByteArray& bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

} // namespace

bool KdfParameters::acceptable(const KdfParameters& ceilingLimit) const
{
    const quint64 memoryBytes = quint64(memoryKiB) * 1024;
    return opsLimit >= crypto_pwhash_argon2id_OPSLIMIT_MIN && opsLimit <= ceilingLimit.opsLimit
        && memoryBytes >= crypto_pwhash_argon2id_MEMLIMIT_MIN
        && memoryKiB <= ceilingLimit.memoryKiB;
}

namespace VaultCrypto {

QByteArray randomBytes(int count)
{
    initialiseOnce();
    QByteArray bytes(count, Qt::Uninitialized);
    randombytes_buf(bytes.data(), static_cast<size_t>(count));
    return bytes;
}

SecretBytes deriveKey(
    const SecretBytes& password, const QByteArray& salt, const KdfParameters& parameters)
{
    initialiseOnce();
    SecretBytes key(kKeyBytes);
    if (salt.size() != kSaltBytes
        || crypto_pwhash(key.data(), key.size(), password.chars(), password.size(), bytesOf(salt),
               parameters.opsLimit, size_t(parameters.memoryKiB) * 1024,
               crypto_pwhash_ALG_ARGON2ID13)
            != 0)
        return {};
    return key;
}

QByteArray seal(const QByteArray& plain, const QByteArray& associated, const QByteArray& nonce,
    const SecretBytes& key)
{
    initialiseOnce();
    QByteArray sealed(plain.size() + kTagBytes, Qt::Uninitialized);
    unsigned long long length = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(reinterpret_cast<unsigned char*>(sealed.data()),
        &length, bytesOf(plain), static_cast<unsigned long long>(plain.size()), bytesOf(associated),
        static_cast<unsigned long long>(associated.size()), nullptr, bytesOf(nonce), key.data());
    sealed.resize(static_cast<qsizetype>(length));
    return sealed;
}

bool open(const QByteArray& sealed, const QByteArray& associated, const QByteArray& nonce,
    const SecretBytes& key, QByteArray* plain)
{
    initialiseOnce();
    if (sealed.size() < kTagBytes || nonce.size() != kNonceBytes || key.size() != size_t(kKeyBytes))
        return false;
    QByteArray out(sealed.size() - kTagBytes, Qt::Uninitialized);
    unsigned long long length = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char*>(out.data()),
            &length, nullptr, bytesOf(sealed), static_cast<unsigned long long>(sealed.size()),
            bytesOf(associated), static_cast<unsigned long long>(associated.size()), bytesOf(nonce),
            key.data())
        != 0)
        return false;
    out.resize(static_cast<qsizetype>(length));
    *plain = out;
    return true;
}

} // namespace VaultCrypto
