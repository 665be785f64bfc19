#pragma once

#include "EmailAccount.h"

#include <QList>
#include <QString>
#include <QStringList>

class Dialogs;

// The enciphered accounts file in AppDir: one line per account, the hexadecimal text of the
// enciphered record line, CR LF after each; nothing in clear.
namespace EmailAccountsFile {

QString path(const QString& dataDir);

// Writes the rows atomically, readable by the owner only. A failure shows
// "Problème d'accès en écriture : " + path (critical icon) and returns false; the previous
// file then stays whole.
bool SaveEmailAccounts(const QString& dataDir, const QList<EmailAccount>& rows, Dialogs* dialogs);

// The rows of the file, for the options list; a missing file gives none, a line that does not
// decode adds no row.
QList<EmailAccount> ReadEmailAccount(const QString& dataDir);

// The deciphered record lines for the account table; a line that does not decode gives an
// empty record line.
QStringList LoadEmailAccounts(const QString& dataDir);

} // namespace EmailAccountsFile
