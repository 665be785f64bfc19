// mail_write_accounts APPDIR "name;address;user;password;server;port" ...
// Writes APPDIR/tolvane_EmailAccounts.dat with one account per argument.
#include "mail/EmailAccount.h"
#include "mail/EmailAccountsFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::fprintf(
            stderr, "usage: %s APPDIR \"name;address;user;password;server;port\"...\n", argv[0]);
        return 2;
    }
    EmailAccountRows rows;
    for (const QString& line : arguments.mid(2)) {
        QString problem;
        if (!rows.append(EmailAccount::fromRecordLine(line), &problem)) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
    }
    if (!EmailAccountsFile::SaveEmailAccounts(arguments[1], rows.rows(), nullptr)) {
        std::fprintf(
            stderr, "cannot write %s\n", qPrintable(EmailAccountsFile::path(arguments[1])));
        return 1;
    }
    std::printf("%d account(s) written to %s\n", int(rows.count()),
        qPrintable(EmailAccountsFile::path(arguments[1])));
    return 0;
}
