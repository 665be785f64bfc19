#include "VaultStore.h"

#include "LegacyVaultFile.h"
#include "VaultFile.h"

#include <QFile>
#include <QFileInfo>

using Status = VaultStore::Result::Status;

VaultStore::VaultStore(const QString& dataDir, const KdfParameters& parameters)
    : m_dataDir(dataDir)
    , m_parameters(parameters)
{
}

QString VaultStore::vaultPath() const
{
    return m_dataDir + QLatin1Char('/') + VaultFile::fileName();
}

QString VaultStore::legacyPath() const
{
    return m_dataDir + QLatin1Char('/') + LegacyVaultFile::fileName();
}

bool VaultStore::hasVaultFile() const
{
    return QFileInfo::exists(vaultPath());
}

VaultStore::Result VaultStore::fromReading(int status, const VaultRows& rows) const
{
    using Read = VaultFile::Reading::Status;
    Result result;
    result.rows = rows;
    switch (Read(status)) {
    case Read::Read:
        break;
    case Read::Missing:
    case Read::Unreadable:
        result.status = Status::Unreadable;
        break;
    case Read::Damaged:
        result.status = Status::Damaged;
        break;
    case Read::WrongPassword:
        result.status = Status::WrongPassword;
        break;
    case Read::NoMemory:
        result.status = Status::NoMemory;
        break;
    }
    return result;
}

VaultStore::Result VaultStore::open(
    const SecretBytes& password, const QString& legacyPassword) const
{
    const VaultFile::Reading reading = VaultFile::read(vaultPath(), password);
    Result result = fromReading(int(reading.status), reading.rows);
    if (result.done())
        removeLeftOverLegacy(legacyPassword, result);
    return result;
}

void VaultStore::removeLeftOverLegacy(const QString& legacyPassword, Result& opened) const
{
    if (legacyPassword.isEmpty())
        return;
    const LegacyVaultFile::Reading old = LegacyVaultFile::read(legacyPath(), legacyPassword);
    if (old.status == LegacyVaultFile::Reading::Status::Read) {
        for (const VaultRow& row : old.rows) {
            if (!opened.rows.contains(row))
                return;
        }
        QFile::remove(legacyPath());
    }
    opened.legacyGone = !QFileInfo::exists(legacyPath());
}

VaultStore::Result VaultStore::save(const SecretBytes& password, const VaultRows& rows) const
{
    Result result;
    result.rows = rows;
    const QByteArray content = VaultFile::content(password, rows, m_parameters);
    if (content.isEmpty())
        result.status = Status::NoMemory;
    else if (!VaultFile::write(vaultPath(), content, &result.detail))
        result.status = Status::WriteFailed;
    return result;
}

VaultStore::Result VaultStore::change(const SecretBytes& current, const SecretBytes& fresh) const
{
    const Result opened = open(current);
    if (!opened.done())
        return opened;
    return save(fresh, opened.rows);
}

VaultStore::Result VaultStore::convert(
    const QString& legacyPassword, const SecretBytes& password) const
{
    if (hasVaultFile())
        return open(password, legacyPassword);
    const LegacyVaultFile::Reading old = LegacyVaultFile::read(legacyPath(), legacyPassword);
    Result result;
    if (old.status == LegacyVaultFile::Reading::Status::WrongPassword)
        result.status = Status::LegacyMismatch;
    else if (old.status == LegacyVaultFile::Reading::Status::Unreadable)
        result.status = Status::Unreadable;
    if (!result.done())
        return result;

    const VaultFile::Header header = VaultFile::Header::fresh(m_parameters);
    const SecretBytes key = VaultCrypto::deriveKey(password, header.salt, header.parameters);
    if (key.isEmpty())
        return { Status::NoMemory, {}, false, false, {} };
    if (!VaultFile::write(vaultPath(), VaultFile::seal(header, key, old.rows), &result.detail))
        return { Status::WriteFailed, {}, false, false, result.detail };
    bool readable = false;
    const QByteArray written = VaultFile::load(vaultPath(), &readable);
    const std::optional<VaultRows> back = readable && written.startsWith(header.bytes())
        ? VaultFile::unseal(written, header, key)
        : std::nullopt;
    if (!back || *back != old.rows) {
        QFile::remove(vaultPath());
        return { Status::ConversionMismatch, {}, false, false, {} };
    }
    result.rows = *back;
    result.converted = true;
    QFile::remove(legacyPath());
    result.legacyGone = !QFileInfo::exists(legacyPath());
    return result;
}
