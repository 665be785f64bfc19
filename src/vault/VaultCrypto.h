#pragma once

#include "SecretBytes.h"

#include <QByteArray>
#include <QtGlobal>

// How hard the key derivation works: Argon2id passes over memoryKiB kibibytes.
struct KdfParameters {
    quint32 opsLimit = 4;
    quint32 memoryKiB = 128 * 1024;

    // What new vaults use: about 0.4 to 0.6 s on the machine it was tuned on, 128 MiB.
    static KdfParameters defaults() { return {}; }
    // The most a file may ask for before it is taken for damaged: a file names its own cost, and
    // a few flipped bits must not make opening it take hours or all the memory.
    static KdfParameters ceiling() { return { 32, 1024 * 1024 }; }
    // Within the library's bounds and not above the ceiling.
    bool acceptable(const KdfParameters& ceilingLimit = ceiling()) const;

    bool operator==(const KdfParameters&) const = default;
};

// Argon2id and XChaCha20-Poly1305 from libsodium.
namespace VaultCrypto {

constexpr int kSaltBytes = 16;
constexpr int kNonceBytes = 24;
constexpr int kKeyBytes = 32;
constexpr int kTagBytes = 16;

QByteArray randomBytes(int count);

// The key for this password and salt; empty when the derivation could not run (not enough
// memory). Slow by design.
SecretBytes deriveKey(
    const SecretBytes& password, const QByteArray& salt, const KdfParameters& parameters);

// The plain bytes enciphered and authenticated together with associated.
QByteArray seal(const QByteArray& plain, const QByteArray& associated, const QByteArray& nonce,
    const SecretBytes& key);
// False when the ciphertext or associated bytes are not what the key sealed.
bool open(const QByteArray& sealed, const QByteArray& associated, const QByteArray& nonce,
    const SecretBytes& key, QByteArray* plain);

} // namespace VaultCrypto
