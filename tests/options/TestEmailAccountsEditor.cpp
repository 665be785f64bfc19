#include "DataRow.h"
#include "FakePlatform.h"
#include "options/EmailAccountsEditor.h"

#include <QtTest>

namespace {

EmailAccount account(const QString& line)
{
    return EmailAccount::fromRecordLine(line);
}

QStringList lines(const EmailAccountsEditor& editor)
{
    QStringList all;
    for (const EmailAccount& row : editor.rows().rows())
        all.append(row.recordLine());
    return all;
}

const QString kHome = QStringLiteral("Maison;moi@example.fr;moi;secret;pop.example.fr;110");
const QString kWork = QStringLiteral("Bureau;b@example.fr;b;pw;pop.b.fr;995");

} // namespace

class TestEmailAccountsEditor : public QObject {
    Q_OBJECT
private slots:
    void modify_tells_of_an_empty_list_and_a_confirmation_replaces_the_row()
    {
        RecordingDialogs dialogs;
        EmailAccountsEditor editor(&dialogs);
        QVERIFY(!editor.modify(0));
        QCOMPARE(editor.EmailEditMode(), EmailAccountsEditor::NotEditing);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Exclamation);
        QCOMPARE(dialogs.messages[0].text,
            QStringLiteral("Il n'y a pas de compte e-mail \u00e0 modifier (table vide)"));

        editor.load({ account(kHome), account(kWork) });
        QCOMPARE(editor.modify(1), std::optional(account(kWork)));
        QCOMPARE(editor.EmailEditMode(), EmailAccountsEditor::Modifying);
        const QString renamed = QStringLiteral("Travail;b@example.fr;b;pw;pop.b.fr;995");
        QCOMPARE(editor.confirm(account(renamed)), 1);
        QVERIFY(!editor.editing());
        QCOMPARE(lines(editor), QStringList({ kHome, renamed }));
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void delete_asks_first_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QStringList>("after");
        dataRow("yes removes", 0, true, 1, QStringList { kWork });
        dataRow("no keeps", 1, false, 1, QStringList { kHome, kWork });
        dataRow("no selection asks nothing", -1, true, 0, QStringList { kHome, kWork });
    }
    void delete_asks_first()
    {
        QFETCH(int, row);
        QFETCH(bool, yes);
        QFETCH(int, questions);
        RecordingDialogs dialogs;
        dialogs.answers = { yes };
        EmailAccountsEditor editor(&dialogs);
        editor.load({ account(kHome), account(kWork) });
        editor.remove(row);
        QTEST(lines(editor), "after");
        QCOMPARE(dialogs.messages.size(), questions);
        if (questions) {
            QCOMPARE(dialogs.messages[0].text,
                QStringLiteral("\u00cates-vous s\u00fbr de vouloir supprimer cette ligne ?"));
            QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::None);
        }
    }

    void a_new_protocol_or_security_proposes_its_port_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("chosen"); // MailSecurity::field()
        QTest::addColumn<QString>("proposed");
        dataRow("IMAP", "110", "IMAP AUTO", "993");
        dataRow("IMAP in clear", "993", "IMAP NONE", "143");
        dataRow("back to POP3", "993", "", "995");
        dataRow("POP3 in clear", "995", "POP3 NONE", "110");
        dataRow("POP3 SSL/TLS", "110", "POP3 TLS", "995");
        dataRow("empty box", "", "IMAP TLS", "993");
        dataRow("the user's own port stays", "2110", "IMAP AUTO", "2110");
    }
    void a_new_protocol_or_security_proposes_its_port()
    {
        QFETCH(QString, port);
        QFETCH(QString, chosen);
        QTEST(EmailAccountsEditor::proposedPort(port, MailSecurity::fromField(chosen)), "proposed");
    }

    void password_column_shows_one_dot_per_character()
    {
        QCOMPARE(EmailAccountsEditor::maskedPassword(QStringLiteral("p\u00e2t\U0001F600")),
            QStringLiteral("\u2022\u2022\u2022\u2022"));
    }
};

QTEST_GUILESS_MAIN(TestEmailAccountsEditor)
#include "TestEmailAccountsEditor.moc"
