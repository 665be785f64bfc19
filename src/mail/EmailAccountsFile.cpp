#include "EmailAccountsFile.h"

#include "common/CheckedSaveFile.h"
#include "common/CryptRC4.h"
#include "platform/Platform.h"

#include <QFile>

namespace EmailAccountsFile {

QString path(const QString& dataDir)
{
    return dataDir + QStringLiteral("/tolvane_EmailAccounts.dat");
}

bool SaveEmailAccounts(const QString& dataDir, const QList<EmailAccount>& rows, Dialogs* dialogs)
{
    QByteArray content;
    for (const EmailAccount& account : rows)
        content += cCryptRC4::EncipherLine(account.recordLine()).toLatin1() + "\r\n";

    const QString filePath = path(dataDir);
    const bool written = CheckedSaveFile::saveWhole(filePath, content);
    if (!written && dialogs) {
        dialogs->message(Dialogs::Icon::Critical, QStringLiteral("Tolvane"),
            QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ") + filePath);
    }
    return written;
}

// The deciphered text of every line that is not blank, in file order.
static QStringList decipheredLines(const QString& dataDir)
{
    QFile file(path(dataDir));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (!line.isEmpty())
            lines.append(cCryptRC4::DecipherLine(line));
    }
    return lines;
}

QList<EmailAccount> ReadEmailAccount(const QString& dataDir)
{
    QList<EmailAccount> rows;
    for (const QString& line : decipheredLines(dataDir)) {
        if (!line.isEmpty())
            rows.append(EmailAccount::fromRecordLine(line));
    }
    return rows;
}

QStringList LoadEmailAccounts(const QString& dataDir)
{
    return decipheredLines(dataDir);
}

} // namespace EmailAccountsFile
