#include "EmailAccount.h"

EmailAccount EmailAccount::newAccount()
{
    EmailAccount account;
    account.fields[Port] = QStringLiteral("110");
    return account;
}

QStringList EmailAccount::columnHeadings()
{
    return { QStringLiteral("Nom (descriptif)"), QStringLiteral("Adresse de messagerie"),
        QStringLiteral("Nom d'utilisateur"), QStringLiteral("Mot de Passe"),
        QStringLiteral("Serveur de courrier entrant"), QStringLiteral("Num\u00E9ro de Port") };
}

QString EmailAccount::recordLine() const
{
    QStringList parts(fields.begin(), fields.end());
    if (!connection.isEmpty())
        parts.append(connection);
    return parts.join(QLatin1Char(';'));
}

EmailAccount EmailAccount::fromRecordLine(const QString& line)
{
    EmailAccount account;
    const QStringList parts = line.split(QLatin1Char(';'));
    for (int n = 0; n < FieldCount && n < parts.size(); ++n)
        account.fields[n] = parts[n];
    account.connection = parts.value(FieldCount);
    return account;
}

QString EmailAccountRows::fieldProblem(EmailAccount::Field field, const QString& text)
{
    if (!text.contains(QLatin1Char(';')))
        return QString();
    return QStringLiteral("Le champ \u00AB %1 \u00BB ne peut pas contenir le caract\u00E8re "
                          "\u00AB ; \u00BB.")
        .arg(EmailAccount::columnHeadings().at(field));
}

QString EmailAccountRows::accountProblem(const EmailAccount& account)
{
    for (int n = 0; n < EmailAccount::FieldCount; ++n) {
        const QString problem
            = fieldProblem(static_cast<EmailAccount::Field>(n), account.fields[n]);
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

bool EmailAccountRows::accepts(const EmailAccount& account, QString* problem) const
{
    const QString reason = accountProblem(account);
    if (problem)
        *problem = reason;
    return reason.isEmpty();
}

bool EmailAccountRows::append(const EmailAccount& account, QString* problem)
{
    if (!accepts(account, problem))
        return false;
    m_rows.append(account);
    return true;
}

bool EmailAccountRows::replace(int row, const EmailAccount& account, QString* problem)
{
    if (row < 0 || row >= count() || !accepts(account, problem))
        return false;
    m_rows[row] = account;
    return true;
}

void EmailAccountRows::remove(int row)
{
    if (row >= 0 && row < count())
        m_rows.removeAt(row);
}
