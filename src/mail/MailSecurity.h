#pragma once

#include <QString>
#include <QStringList>

// How an account reaches its server: the protocol and the encryption, kept in the seventh field
// of the account record. A record without that field means POP3 with "Automatique".
struct MailSecurity {
    enum Protocol { Pop3, Imap };
    // Automatic: TLS from the first byte on 995 and 993; elsewhere the upgrade (STLS, STARTTLS)
    // when the server offers it. StartTlsRequired refuses to log in without the upgrade.
    enum Security { Automatic, ImplicitTls, StartTlsRequired, None };

    Protocol protocol = Pop3;
    Security security = Automatic;

    // "IMAP STARTTLS" and the like; empty for POP3 with "Automatique", so that such accounts
    // keep the six-field record every reader knows.
    QString field() const;
    // Unknown words give the default of their half.
    static MailSecurity fromField(const QString& field);

    // The texts of the options page's combo boxes, in enum order.
    static QStringList protocolNames();
    static QStringList securityNames();
    // The port a new choice proposes: 993 for IMAP, 995 for POP3, 143 and 110 in clear.
    int proposedPort() const;
    // Whether a connection to this port speaks TLS from its first byte.
    bool implicitTls(int port) const
    {
        return security == ImplicitTls || (security == Automatic && (port == 995 || port == 993));
    }

    bool operator==(const MailSecurity&) const = default;
};
