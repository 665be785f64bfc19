#include "LegacyVaultFile.h"

#include "common/CryptRC4.h"

#include <QFile>

#include <utility>

namespace LegacyVaultFile {

static const QString kPassTag = QStringLiteral("[PASS];");

QString fileName()
{
    return QStringLiteral("tolvane_Passwords.dat");
}

Reading read(const QString& path, const QString& expectedPassword)
{
    Reading reading;
    QFile file(path);
    if (!file.exists())
        return reading;
    if (!file.open(QIODevice::ReadOnly)) {
        reading.status = Reading::Status::Unreadable;
        return reading;
    }
    reading.status = Reading::Status::Read;
    bool firstLine = true;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty())
            continue;
        const QString plain = cCryptRC4::DecipherLine(line);
        // Only the first line carries the password: a row whose description is "[PASS]" stays
        // a row.
        if (std::exchange(firstLine, false) && plain.startsWith(kPassTag)) {
            if (plain.mid(kPassTag.size()) != expectedPassword)
                return { Reading::Status::WrongPassword, {} };
            continue;
        }
        reading.rows.append(VaultRow::fromPlainLine(plain));
    }
    return reading;
}

} // namespace LegacyVaultFile
