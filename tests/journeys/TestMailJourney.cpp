#include "DataRow.h"
#include "DovecotServer.h"
#include "JourneyBar.h"
#include "mail/frmemail.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSslSocket>
#include <QtTest>

// An account set up in the options dialog of the running bar and checked against a private
// Dovecot on loopback: the module shows the count, the accounts file holds the account.
class TestMailJourney : public QObject {
    Q_OBJECT

    DovecotServer m_server;

    // A choice made with the keyboard, as activated by the user.
    static void choose(QWidget* window, const char* name, int row)
    {
        auto* list = control<QComboBox>(window, name);
        list->setFocus();
        for (int step = 0; step < row; ++step)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentIndex(), row);
    }

private slots:
    void initTestCase()
    {
        if (DovecotServer::program().isEmpty())
            QSKIP("dovecot is not installed (scripts/test.sh installs it)");
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend in this Qt");
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
    }

    void account_added_in_the_options_shows_its_count_data()
    {
        QTest::addColumn<int>("protocol"); // rows of the two lists
        QTest::addColumn<int>("security");
        QTest::addColumn<bool>("implicitTls");
        QTest::addColumn<QString>("proposed"); // the port the lists propose
        QTest::addColumn<QString>("shown"); // the list's connection column
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("connection"); // the record's seventh field
        dataRow("POP3, upgraded to TLS", 0, 0, false, "110", "POP3, Automatique",
            "3 message(s) (1.5 Ko)", "");
        dataRow("IMAP over TLS", 1, 1, true, "993", "IMAP, SSL/TLS", "3 message(s) non lu(s)",
            "IMAP TLS");
    }
    void account_added_in_the_options_shows_its_count()
    {
        QFETCH(int, protocol);
        QFETCH(int, security);
        QFETCH(bool, implicitTls);
        QFETCH(QString, status);
        QFETCH(QString, connection);
        JourneyBar journey;
        journey.offline.connected = true;
        frmTolvane& bar = journey.start();
        auto* module = control<frmemail>(&bar, "frmemail");
        module->checker().addCaCertificates(m_server.certificate());
        auto* options = journey.openOptions();
        QVERIFY(options);
        click(options, "cmdEmails");
        QVERIFY(control(options, "frmEmails")->isVisible());
        control<QAbstractButton>(options, "chkNotifyNewMail")->click(); // on by default

        // While an account is edited the rest of the window waits, "Sauver" too.
        click(options, "cmdAdd");
        for (const char* name :
            { "cmdAdd", "cmdMod", "cmdDel", "cmdModules", "cmdSave", "cmdQuit" })
            QVERIFY2(!control(options, name)->isEnabled(), name);
        QCOMPARE(control<QLineEdit>(options, "txtPwd")->echoMode(), QLineEdit::Password);
        type(options, "txtEmailName", "Maison");
        type(options, "txtEmail", "alice@exemple.fr");
        type(options, "txtAccount", "alice");
        type(options, "txtPwd", "sec;ret");
        type(options, "txtPOP", "127.0.0.1");
        choose(options, "cmbProtocole", protocol);
        choose(options, "cmbSecurite", security);
        QTEST(control<QLineEdit>(options, "txtPort")->text(), "proposed");
        const quint16 port = protocol == 0 ? m_server.plainPort()
            : implicitTls                  ? m_server.imapsPort()
                                           : m_server.imapPort();
        type(options, "txtPort", QString::number(port));
        click(options, "cmdOK");
        QCOMPARE(journey.dialogs.messages.size(), 1); // the ";" is refused, the panel stays
        QCOMPARE(journey.dialogs.messages[0].text,
            QStringLiteral("Le champ \u00AB Mot de Passe \u00BB ne peut pas contenir "
                           "le caract\u00E8re \u00AB ; \u00BB."));
        QCOMPARE(control<QLineEdit>(options, "txtEmailName")->text(), QStringLiteral("Maison"));
        type(options, "txtPwd", "secret");
        click(options, "cmdOK");
        auto* list = control<QTreeWidget>(options, "lvEmails");
        QCOMPARE(list->topLevelItem(0)->text(3), QString(6, QChar(0x2022)));
        QTEST(list->topLevelItem(0)->text(6), "shown");

        // A modification shows the row and, cancelled, leaves it as it was.
        click(options, "cmdMod");
        QCOMPARE(control<QLineEdit>(options, "txtPwd")->text(), QStringLiteral("secret"));
        type(options, "txtEmailName", "Autre");
        click(options, "cmdAnnuler");
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Maison"));
        QVERIFY(module->isHidden());
        click(options, "cmdModules");
        control<QAbstractButton>(options, "chkEmails")->click();
        click(options, "cmdSave");
        QTRY_VERIFY(!JourneyBar::window(QStringLiteral("frmOptions")));

        QVERIFY(!module->isHidden());
        QTRY_COMPARE_WITH_TIMEOUT(module->checker().table().at(0).EmailStatus, status, 20000);
        QCOMPARE(QFile::permissions(journey.dataFile("tolvane_EmailAccounts.dat")) & 0x7077,
            QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QList<QStringList> accounts = journey.accounts();
        QCOMPARE(accounts.size(), 1);
        QStringList record { "Maison", "alice@exemple.fr", "alice", "secret", "127.0.0.1",
            QString::number(port) };
        if (!connection.isEmpty())
            record.append(connection);
        QCOMPARE(accounts[0], record);
        QCOMPARE(journey.settings->value(Keys::NotifyNewMail), QStringLiteral("0"));
        QCOMPARE(journey.dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(TestMailJourney)
#include "TestMailJourney.moc"
