#pragma once

#include "MailDialogue.h"

#include <QLocale>

// The POP3 count: greeting, CAPA and STLS when the account may be encrypted on the way, USER,
// PASS, STAT, QUIT. Any negative reply is shown as the server wrote it.
class Pop3Dialogue : public MailDialogue {
public:
    Pop3Dialogue(Peer& peer, const Login& login, const QLocale& locale)
        : MailDialogue(peer, login)
        , m_locale(locale)
    {
    }

    void start(bool encrypted) override;
    void onLine(const QString& line) override;
    void onEncrypted() override;

private:
    enum class Step { Greeting, Capabilities, CapabilityList, Upgrade, User, Password, Stat, Over };

    void send(const QByteArray& command, Step next);
    void afterCapabilities();
    void fail(const QString& status);
    void onStat(const QString& reply);

    QLocale m_locale;
    Step m_step = Step::Greeting;
    bool m_encrypted = false;
    bool m_offersStls = false;
};
