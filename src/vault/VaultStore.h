#pragma once

#include "SecretBytes.h"
#include "VaultCrypto.h"
#include "VaultRow.h"

#include <QString>

// The vault on disk: the file enciphered with a key derived from the master password, and the
// file of the earlier versions until it is converted. Every operation but hasVaultFile is slow
// (one or two key derivations) and touches only the data files, so it may run on any thread;
// the settings are left to the caller.
class VaultStore {
public:
    explicit VaultStore(
        const QString& dataDir, const KdfParameters& parameters = KdfParameters::defaults());

    QString vaultPath() const;
    QString legacyPath() const;
    const KdfParameters& parameters() const { return m_parameters; }
    bool hasVaultFile() const;

    struct Result {
        enum class Status {
            Done,
            WrongPassword, // the file does not authenticate under this password
            Damaged, // not a vault file this version reads
            Unreadable,
            NoMemory, // the key derivation could not get its memory
            WriteFailed,
            LegacyMismatch, // the old file holds another password than the old setting
            ConversionMismatch, // the converted file read back holds other rows
        };
        Status status = Status::Done;
        VaultRows rows;
        bool converted = false; // the old file was converted just now
        bool legacyGone = false; // no old file is left: the old stored password may go too
        QString detail; // the system's reason of a failed write

        bool done() const { return status == Status::Done; }
    };

    // Opens the vault file. With the old stored password given, an old file left over by a
    // conversion that was cut short (every one of its rows is in the vault) is removed.
    Result open(const SecretBytes& password, const QString& legacyPassword = {}) const;
    // Writes the rows under the password with a fresh salt and nonce, in one whole-file write.
    Result save(const SecretBytes& password, const VaultRows& rows) const;
    // Opens the file under current and writes the same rows under fresh. When the write fails
    // the file is as it was and still opens with current; the rows are given either way.
    Result change(const SecretBytes& current, const SecretBytes& fresh) const;
    // Reads the old file with its password, writes its rows under password, reads the new file
    // back and compares it row by row, and only then removes the old file. After any failure the
    // old file is as it was and no new file is left.
    Result convert(const QString& legacyPassword, const SecretBytes& password) const;

private:
    Result fromReading(int status, const VaultRows& rows) const;
    void removeLeftOverLegacy(const QString& legacyPassword, Result& opened) const;

    QString m_dataDir;
    KdfParameters m_parameters;
};
