#include "MailSecurity.h"

static const char* const kProtocolWords[] = { "POP3", "IMAP" };
static const char* const kSecurityWords[] = { "AUTO", "TLS", "STARTTLS", "NONE" };

QString MailSecurity::field() const
{
    if (*this == MailSecurity())
        return QString();
    return QLatin1String(kProtocolWords[protocol]) + QLatin1Char(' ')
        + QLatin1String(kSecurityWords[security]);
}

MailSecurity MailSecurity::fromField(const QString& field)
{
    MailSecurity result;
    const QStringList words = field.trimmed().toUpper().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int n = 0; n < 2; ++n) {
        if (words.value(0) == QLatin1String(kProtocolWords[n]))
            result.protocol = static_cast<Protocol>(n);
    }
    for (int n = 0; n < 4; ++n) {
        if (words.value(1) == QLatin1String(kSecurityWords[n]))
            result.security = static_cast<Security>(n);
    }
    return result;
}

QStringList MailSecurity::protocolNames()
{
    return { QStringLiteral("POP3"), QStringLiteral("IMAP") };
}

QStringList MailSecurity::securityNames()
{
    return { QStringLiteral("Automatique"), QStringLiteral("SSL/TLS"),
        QStringLiteral("STARTTLS obligatoire"), QStringLiteral("Aucune (en clair)") };
}

int MailSecurity::proposedPort() const
{
    if (security == None || security == StartTlsRequired)
        return protocol == Imap ? 143 : 110;
    return protocol == Imap ? 993 : 995;
}
