#include "VaultFile.h"

#include "common/CheckedSaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <sodium.h>

namespace VaultFile {

namespace {

const QByteArray kMagic = QByteArrayLiteral("TolvaneVault");
constexpr quint8 kArgon2id13 = 2;
constexpr int kVersionAt = 12;
constexpr int kAlgorithmAt = 13;
constexpr int kOpsAt = 14;
constexpr int kMemoryAt = 18;
constexpr int kSaltAt = 22;
constexpr int kNonceAt = kSaltAt + VaultCrypto::kSaltBytes;
static_assert(kNonceAt + VaultCrypto::kNonceBytes == Header::kSize);

void wipe(QByteArray& bytes)
{
    if (!bytes.isEmpty())
        sodium_memzero(bytes.data(), static_cast<size_t>(bytes.size()));
}

} // namespace

QString fileName()
{
    return QStringLiteral("tolvane_Vault.dat");
}

Header Header::fresh(const KdfParameters& parameters)
{
    return { parameters, VaultCrypto::randomBytes(VaultCrypto::kSaltBytes),
        VaultCrypto::randomBytes(VaultCrypto::kNonceBytes) };
}

std::optional<Header> Header::parse(const QByteArray& file, const KdfParameters& ceiling)
{
    if (file.size() < kSize + VaultCrypto::kTagBytes || !file.startsWith(kMagic)
        || quint8(file[kVersionAt]) != kVersion || quint8(file[kAlgorithmAt]) != kArgon2id13)
        return std::nullopt;
    Header header;
    header.parameters.opsLimit = qFromLittleEndian<quint32>(file.constData() + kOpsAt);
    header.parameters.memoryKiB = qFromLittleEndian<quint32>(file.constData() + kMemoryAt);
    if (!header.parameters.acceptable(ceiling))
        return std::nullopt;
    header.salt = file.mid(kSaltAt, VaultCrypto::kSaltBytes);
    header.nonce = file.mid(kNonceAt, VaultCrypto::kNonceBytes);
    return header;
}

QByteArray Header::bytes() const
{
    QByteArray out = kMagic;
    out.append(char(kVersion));
    out.append(char(kArgon2id13));
    char number[4];
    qToLittleEndian<quint32>(parameters.opsLimit, number);
    out.append(number, 4);
    qToLittleEndian<quint32>(parameters.memoryKiB, number);
    out.append(number, 4);
    return out + salt + nonce;
}

QByteArray plainText(const VaultRows& rows)
{
    QByteArray text;
    for (const VaultRow& row : rows)
        text += row.plainLine().toUtf8() + '\n';
    return text;
}

VaultRows rowsOf(const QByteArray& plainText)
{
    VaultRows rows;
    for (QByteArray line : plainText.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            rows.append(VaultRow::fromPlainLine(QString::fromUtf8(line)));
    }
    return rows;
}

QByteArray seal(const Header& header, const SecretBytes& key, const VaultRows& rows)
{
    const QByteArray associated = header.bytes();
    QByteArray plain = plainText(rows);
    const QByteArray file = associated + VaultCrypto::seal(plain, associated, header.nonce, key);
    wipe(plain);
    return file;
}

std::optional<VaultRows> unseal(
    const QByteArray& file, const Header& header, const SecretBytes& key)
{
    QByteArray plain;
    if (!VaultCrypto::open(
            file.mid(Header::kSize), file.left(Header::kSize), header.nonce, key, &plain))
        return std::nullopt;
    VaultRows rows = rowsOf(plain);
    wipe(plain);
    return rows;
}

QByteArray load(const QString& path, bool* readable)
{
    QFile file(path);
    *readable = file.open(QIODevice::ReadOnly);
    if (!*readable)
        return {};
    QByteArray bytes = file.readAll();
    *readable = file.error() == QFileDevice::NoError;
    return bytes;
}

Reading read(const QString& path, const SecretBytes& password, const KdfParameters& ceiling)
{
    if (!QFileInfo::exists(path))
        return { Reading::Status::Missing, {} };
    bool readable = false;
    const QByteArray file = load(path, &readable);
    if (!readable)
        return { Reading::Status::Unreadable, {} };
    return decipher(file, password, ceiling);
}

Reading decipher(const QByteArray& file, const SecretBytes& password, const KdfParameters& ceiling)
{
    const std::optional<Header> header = Header::parse(file, ceiling);
    if (!header)
        return { Reading::Status::Damaged, {} };
    const SecretBytes key = VaultCrypto::deriveKey(password, header->salt, header->parameters);
    if (key.isEmpty())
        return { Reading::Status::NoMemory, {} };
    std::optional<VaultRows> rows = unseal(file, *header, key);
    if (!rows)
        return { Reading::Status::WrongPassword, {} };
    return { Reading::Status::Read, std::move(*rows) };
}

QByteArray content(
    const SecretBytes& password, const VaultRows& rows, const KdfParameters& parameters)
{
    const Header header = Header::fresh(parameters);
    const SecretBytes key = VaultCrypto::deriveKey(password, header.salt, header.parameters);
    return key.isEmpty() ? QByteArray() : seal(header, key, rows);
}

bool write(const QString& path, const QByteArray& content, QString* error)
{
    return CheckedSaveFile::saveWhole(path, content, CheckedSaveFile::kOwnerOnly, error);
}

} // namespace VaultFile
