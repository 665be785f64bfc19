#pragma once

#include "MailDialogue.h"

#include <QSet>

#include <optional>
#include <utility>

// The IMAP count: greeting, CAPABILITY, STARTTLS when the account may be encrypted on the way,
// LOGIN (AUTHENTICATE PLAIN for a name or password beyond plain ASCII), STATUS INBOX (MESSAGES
// UNSEEN), then LOGOUT. A watching dialogue stays instead: it examines the inbox and idles, and
// counts again whenever the server reports a change there.
class ImapDialogue : public MailDialogue {
public:
    ImapDialogue(Peer& peer, const Login& login, bool watch = false)
        : MailDialogue(peer, login)
        , m_watch(watch)
    {
    }

    void start(bool encrypted) override;
    void onLine(const QString& line) override;
    void onEncrypted() override;

    // The server listed IDLE among its capabilities (after the login, when it said so again).
    bool offersIdle() const { return m_capabilities.contains(QStringLiteral("IDLE")); }
    // Ends the current IDLE and starts a new one, as servers drop an IDLE after 30 minutes.
    void renewIdle();

    // "(MESSAGES 5 UNSEEN 2)" out of a STATUS response; -1 for a figure that is missing.
    static std::pair<int, int> parseStatus(const QString& line);
    // A string as IMAP quotes it, or nothing when only a literal could carry it.
    static std::optional<QByteArray> quoted(const QString& text);

private:
    enum class Step {
        Greeting,
        Capability,
        StartTls,
        Login,
        Authenticate,
        Status,
        Examine,
        Idle,
        IdleEnding,
        Over
    };

    void command(const QByteArray& text, Step next);
    void onTagged(const QString& status, const QString& line);
    void onUntagged(const QString& line);
    void onContinuation();
    void takeCapabilities(const QString& line);
    void afterCapabilities();
    void logIn();
    void reportCount();
    void fail(const QString& status);

    bool m_watch;
    Step m_step = Step::Greeting;
    bool m_encrypted = false;
    int m_tag = 0;
    QSet<QString> m_capabilities;
    int m_unseen = -1;
    bool m_examined = false;
    bool m_idleAccepted = false;
    bool m_changed = false; // reported before the server accepted the IDLE
};
