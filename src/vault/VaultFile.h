#pragma once

#include "SecretBytes.h"
#include "VaultCrypto.h"
#include "VaultRow.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The vault file: a header (magic text, format version, key-derivation parameters, salt, nonce)
// followed by one XChaCha20-Poly1305 ciphertext of the rows, the header as associated data. The
// rows are UTF-8, one per line ending in LF, their five fields joined by ";". The key is
// Argon2id of the master password and the salt. docs/vault-format.md gives the byte layout.
namespace VaultFile {

QString fileName();

struct Header {
    static constexpr int kSize = 62;
    static constexpr quint8 kVersion = 1;

    KdfParameters parameters;
    QByteArray salt;
    QByteArray nonce;

    // A fresh random salt and nonce.
    static Header fresh(const KdfParameters& parameters);
    // The header at the start of a file; none when the magic text, version or algorithm are not
    // ours, the file is shorter than a header and a tag, or the parameters pass the ceiling.
    static std::optional<Header> parse(
        const QByteArray& file, const KdfParameters& ceiling = KdfParameters::ceiling());
    QByteArray bytes() const;
};

QByteArray plainText(const VaultRows& rows);
VaultRows rowsOf(const QByteArray& plainText);

// The whole file: the header, then the rows sealed with the key.
QByteArray seal(const Header& header, const SecretBytes& key, const VaultRows& rows);
// The rows of a file whose header was parsed; none when the key does not authenticate it.
std::optional<VaultRows> unseal(
    const QByteArray& file, const Header& header, const SecretBytes& key);

struct Reading {
    enum class Status {
        Read,
        Missing, // no file
        Unreadable, // the file exists but cannot be read
        Damaged, // not a vault file this version can read
        WrongPassword, // the ciphertext does not authenticate: another password, or altered
        NoMemory, // the key derivation could not get its memory
    };
    Status status = Status::Missing;
    VaultRows rows;
};

// The file's bytes, empty with *readable false when it cannot be read.
QByteArray load(const QString& path, bool* readable);
// Reads and deciphers a file: one key derivation.
Reading read(const QString& path, const SecretBytes& password,
    const KdfParameters& ceiling = KdfParameters::ceiling());
Reading decipher(const QByteArray& file, const SecretBytes& password,
    const KdfParameters& ceiling = KdfParameters::ceiling());
// The whole file for these rows under this password, with a fresh salt and nonce: one key
// derivation. Empty when the derivation could not run.
QByteArray content(
    const SecretBytes& password, const VaultRows& rows, const KdfParameters& parameters);

// Writes the content whole (never half a file), readable by its owner only; false on any failure,
// the previous file then stays as it was. *error receives the system's reason.
bool write(const QString& path, const QByteArray& content, QString* error = nullptr);

} // namespace VaultFile
