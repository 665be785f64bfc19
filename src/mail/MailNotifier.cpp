#include "MailNotifier.h"

#include "platform/Platform.h"

// The same mailbox under the same name, whatever its password or port became.
static QString keyOf(const EmailAccount& account)
{
    return QStringList { account[EmailAccount::Name], account[EmailAccount::UserName],
        account[EmailAccount::Server] }
        .join(QLatin1Char('\n'));
}

void MailNotifier::observe(const EmailAccount& account, int count, const QString& status)
{
    const QString key = keyOf(account);
    const int before = m_counts.value(key, 0);
    m_counts.insert(key, count);
    if (count <= before || !m_enabled || !m_notifications)
        return;
    m_notifications->announceMail(QStringLiteral("Nouveau message"),
        account[EmailAccount::Name] + QStringLiteral(" : ") + status);
}
