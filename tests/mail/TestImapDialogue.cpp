#include "DataRow.h"
#include "mail/EmailAccountTable.h"
#include "mail/ImapDialogue.h"

#include <QTest>

namespace {

// Keeps what the dialogue does; the server's side comes from the test.
struct RecordingPeer : MailDialogue::Peer {
    QByteArrayList sent;
    QString status;
    int state = -1;
    bool tls = false;
    bool over = false;
    bool idle = false;
    void sendLine(const QByteArray& line) override { sent.append(line); }
    void startTls() override { tls = true; }
    void report(int newState, const QString& newStatus, int) override
    {
        state = newState;
        status = newStatus;
    }
    void finished() override { over = true; }
    void idling() override { idle = true; }
};

} // namespace

// The IMAP dialogue without a socket: what real servers seldom say, and what it answers.
class TestImapDialogue : public QObject {
    Q_OBJECT
private slots:
    void server_lines_lead_to_commands_and_a_status_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("security");
        QTest::addColumn<QStringList>("server");
        QTest::addColumn<QByteArrayList>("sent");
        QTest::addColumn<QString>("status");
        const QStringList login { "* OK ready", "a1 OK", "a2 OK" };
        dataRow("mailbox quoted, figures in any order", "pw", "IMAP NONE",
            login + QStringList { "* STATUS \"INBOX\" (UNSEEN 2 MESSAGES 5)", "a3 OK" },
            QByteArrayList { "a1 CAPABILITY", "a2 LOGIN \"jo\" \"pw\"",
                "a3 STATUS INBOX (MESSAGES UNSEEN)", "a4 LOGOUT" },
            "2 message(s) non lu(s)");
        dataRow("quote and backslash escaped", "a\"b\\c", "IMAP NONE",
            QStringList { "* OK", "a1 OK" },
            QByteArrayList { "a1 CAPABILITY", "a2 LOGIN \"jo\" \"a\\\"b\\\\c\"" }, QString());
        dataRow("LOGINDISABLED: AUTHENTICATE PLAIN", "pw", "IMAP NONE",
            QStringList { "* OK [CAPABILITY IMAP4rev1 LOGINDISABLED AUTH=PLAIN] hi", "a1 OK", "+ ",
                "a2 OK", "* STATUS INBOX (MESSAGES 0 UNSEEN 0)", "a3 OK" },
            QByteArrayList { "a1 CAPABILITY", "a2 AUTHENTICATE PLAIN", "AGpvAHB3",
                "a3 STATUS INBOX (MESSAGES UNSEEN)", "a4 LOGOUT" },
            "Pas de nouveau message");
        dataRow("preauthenticated", "pw", "IMAP NONE",
            QStringList { "* PREAUTH welcome", "* STATUS INBOX (MESSAGES 1 UNSEEN 1)", "a1 OK" },
            QByteArrayList { "a1 STATUS INBOX (MESSAGES UNSEEN)", "a2 LOGOUT" },
            "1 message(s) non lu(s)");
        dataRow("greeting BYE", "pw", "", QStringList { "* BYE too many connections" },
            QByteArrayList(), "* BYE too many connections");
        dataRow("login refused", "pw", "IMAP NONE",
            QStringList { "* OK", "a1 OK", "a2 NO [AUTHENTICATIONFAILED] Authentication failed." },
            QByteArrayList { "a1 CAPABILITY", "a2 LOGIN \"jo\" \"pw\"", "a3 LOGOUT" },
            "NO [AUTHENTICATIONFAILED] Authentication failed.");
        dataRow("STARTTLS required, not offered", "pw", "IMAP STARTTLS",
            QStringList { "* OK [CAPABILITY IMAP4rev1] hi", "a1 OK" },
            QByteArrayList { "a1 CAPABILITY", "a2 LOGOUT" }, "<Chiffrement non propos\u00E9>");
        dataRow("STARTTLS refused: no fallback", "pw", "",
            QStringList { "* OK [CAPABILITY IMAP4rev1 STARTTLS] hi", "a1 OK", "a2 BAD not now" },
            QByteArrayList { "a1 CAPABILITY", "a2 STARTTLS", "a3 LOGOUT" }, "BAD not now");
        dataRow("stale tag and untagged noise ignored", "pw", "IMAP NONE",
            QStringList { "* OK", "* 3 EXISTS", "a9 OK", "a1 OK" },
            QByteArrayList { "a1 CAPABILITY", "a2 LOGIN \"jo\" \"pw\"" }, QString());
    }
    void server_lines_lead_to_commands_and_a_status()
    {
        QFETCH(QString, password);
        QFETCH(QString, security);
        QFETCH(QStringList, server);
        RecordingPeer peer;
        ImapDialogue dialogue(peer, { "jo", password, MailSecurity::fromField(security) });
        dialogue.start(false);
        for (const QString& line : server)
            dialogue.onLine(line);
        QTEST(peer.sent, "sent");
        QTEST(peer.status, "status");
        QVERIFY(!peer.tls);
    }

    void status_figures_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("messages");
        QTest::addColumn<int>("unseen");
        dataRow("lower case, reversed", "* status inbox (unseen 0 messages 12)", 12, 0);
        dataRow("mailbox name with figures and a bracket",
            "* STATUS \"UNSEEN 7 (x\" (MESSAGES 3 UNSEEN 1)", 3, 1);
        dataRow("one figure missing", "* STATUS INBOX (MESSAGES 4)", 4, -1);
        dataRow("no list", "* STATUS INBOX MESSAGES 4 UNSEEN 1", -1, -1);
        dataRow("ten digits too many", "* STATUS INBOX (MESSAGES 1234567890 UNSEEN 3)", -1, 3);
        dataRow("nine digits", "* STATUS INBOX (MESSAGES 123456789 UNSEEN 3)", 123456789, 3);
        dataRow(
            "part of a longer word", "* STATUS INBOX (XMESSAGES 9 UNSEEN 3x MESSAGES 2)", 2, -1);
        dataRow("two spaces", "* STATUS INBOX (MESSAGES  9 UNSEEN 1)", -1, 1);
        dataRow("last figure wins", "* STATUS INBOX (UNSEEN 1 UNSEEN 4)", -1, 4);
        dataRow("at the end without a bracket", "* STATUS INBOX (UNSEEN 6", -1, 6);
    }
    void status_figures()
    {
        QFETCH(QString, line);
        const auto [messages, unseen] = ImapDialogue::parseStatus(line);
        QTEST(messages, "messages");
        QTEST(unseen, "unseen");
    }

    // Where the server lists its capabilities, and which lines only look like such a list.
    void idle_offer_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("idle");
        dataRow("in the greeting", QStringList { "* OK [CAPABILITY IMAP4rev1 IDLE] hi" }, true);
        dataRow("response, lower case", QStringList { "* capability imap4rev1 idle" }, true);
        dataRow("code in a tagged reply",
            QStringList { "* OK hi", "a1 OK [capability IMAP4rev1 Idle] done" }, true);
        dataRow("later list replaces the first",
            QStringList { "* OK [CAPABILITY IDLE] hi", "* CAPABILITY IMAP4rev1" }, false);
        dataRow("code never closed", QStringList { "* OK [CAPABILITY IMAP4rev1 IDLE hi" }, false);
        dataRow("response without a space", QStringList { "* CAPABILITYIDLE" }, false);
        dataRow("only a longer word", QStringList { "* OK [CAPABILITY IDLEX] hi" }, false);
        dataRow("code first, response ignored",
            QStringList { "* CAPABILITY IDLE [CAPABILITY IMAP4rev1]" }, false);
    }
    void idle_offer()
    {
        QFETCH(QStringList, lines);
        RecordingPeer peer;
        ImapDialogue dialogue(peer, { "jo", "pw", MailSecurity::fromField("IMAP NONE") });
        dialogue.start(false);
        for (const QString& line : lines)
            dialogue.onLine(line);
        QTEST(dialogue.offersIdle(), "idle");
    }

    // A change reported between IDLE and the server's go-ahead is not lost.
    void idle_change_before_the_continuation_counts_again()
    {
        RecordingPeer peer;
        ImapDialogue dialogue(peer, { "jo", "pw", MailSecurity::fromField("IMAP NONE") }, true);
        dialogue.start(false);
        for (const char* line : { "* OK [CAPABILITY IMAP4rev1 IDLE] hi", "a1 OK", "a2 OK",
                 "* STATUS INBOX (MESSAGES 1 UNSEEN 1)", "a3 OK", "a4 OK", "* 2 EXISTS", "+ idling",
                 "a5 OK", "* STATUS INBOX (MESSAGES 2 UNSEEN 2)", "a6 OK" })
            dialogue.onLine(QLatin1String(line));
        QCOMPARE(peer.sent,
            QByteArrayList({ "a1 CAPABILITY", "a2 LOGIN \"jo\" \"pw\"",
                "a3 STATUS INBOX (MESSAGES UNSEEN)", "a4 EXAMINE INBOX", "a5 IDLE", "DONE",
                "a6 STATUS INBOX (MESSAGES UNSEEN)", "a7 IDLE" }));
        QCOMPARE(peer.status, QStringLiteral("2 message(s) non lu(s)"));
        QVERIFY(!peer.over);
    }
};

QTEST_GUILESS_MAIN(TestImapDialogue)
#include "TestImapDialogue.moc"
