#include "JourneyBar.h"
#include "ProgramEnvironment.h"
#include "TestFiles.h"
#include "notes/frmPenseBete.h"

#include <QProcess>
#include <QTextEdit>

#include <csignal>

namespace {

// A note as the next start finds it: its index line split at ";" and the bytes of the text
// file that line names.
struct StoredNote {
    QStringList fields;
    QByteArray text;
};

QList<StoredNote> storedNotes(const JourneyBar& journey)
{
    QList<StoredNote> notes;
    for (const QString& line : journey.lines(QStringLiteral("tolvane_pensebete.dat"))) {
        const QStringList fields = line.split(QLatin1Char(';'));
        notes.append({ fields,
            readBytes(journey.dataFile(QStringLiteral("pensebete/") + fields.value(4))) });
    }
    return notes;
}

// Typed key by key as a keyboard sends it, letters outside ASCII included.
void typeInto(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        const Qt::Key key = c == u'\n' ? Qt::Key_Return : Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, box, key, c == u'\n' ? QString() : QString(c), {});
    }
}

} // namespace

// Sticky notes through the whole bar: what the user typed is on disk however the bar ends.
class TestNotesJourney : public QObject {
    Q_OBJECT
private slots:
    void note_typed_then_bar_closed_without_ok_is_kept()
    {
        JourneyBar journey;
        journey.settings->save(Keys::DisplayPenseBete, QStringLiteral("1"));
        frmTolvane& bar = journey.start();
        click(&bar, "pictAddNewPB");
        auto* note = JourneyBar::window<frmPenseBete>(QStringLiteral("frmPenseBete"));
        QVERIFY(note);
        auto* text = control<QTextEdit>(note, "txtPenseBete");
        typeInto(text, QStringLiteral("Rappeler Mme Dupr\u00e9\u00a0!\navant midi"));
        QVERIFY(storedNotes(journey).isEmpty()); // nothing on disk before the bar ends

        click(&bar, "pictCloseWindow");
        const QList<StoredNote> notes = storedNotes(journey);
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes[0].fields.size(), 7);
        QCOMPARE(notes[0].fields.mid(0, 2), QStringList({ "1", "0" })); // shown, no reminder
        QCOMPARE(notes[0].text, QByteArray("Rappeler Mme Dupr\xe9\xa0!\r\navant midi\r\n"));

        journey.bar.reset();
        journey.start();
        note = JourneyBar::window<frmPenseBete>(QStringLiteral("frmPenseBete"));
        QVERIFY(note);
        QCOMPARE(control<QTextEdit>(note, "txtPenseBete")->toPlainText(),
            QStringLiteral("Rappeler Mme Dupr\u00e9 !\navant midi"));
    }

    // The program itself, ended as a logout or a service manager ends it; it also clears the
    // copies that saves killed half-way left behind.
    void bar_ended_by_sigterm_exits_cleanly_with_its_files_whole()
    {
        QTemporaryDir home;
        const QString data = home.filePath(QStringLiteral("data/tolvane"));
        const QByteArray index = "1;0;20050307;1010;20050307101030.fic;1500;3000\r\n";
        writeBytes(data + QStringLiteral("/tolvane_pensebete.dat"), index);
        writeBytes(data + QStringLiteral("/pensebete/20050307101030.fic"), "Acheter du pain\r\n");
        const QStringList staleCopies { data + QStringLiteral("/tolvane_pensebete.dat.Qw56Er"),
            data + QStringLiteral("/pensebete/20050307101030.fic.Ab12Cd"),
            home.filePath(QStringLiteral("config/autostart/tolvane.desktop.Xy34Zw")) };
        for (const QString& copy : staleCopies)
            writeBytes(copy, "moiti");

        QProcess program;
        program.setProcessEnvironment(programEnvironment(home.path()));
        program.start(QStringLiteral(TOLVANE_APP_DIR "/tolvane"), {});
        QVERIFY(program.waitForStarted());
        const auto anyStaleCopy = [&] {
            return std::any_of(staleCopies.begin(), staleCopies.end(),
                [](const QString& copy) { return QFile::exists(copy); });
        };
        QTRY_VERIFY_WITH_TIMEOUT(!anyStaleCopy(), 20000);

        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(readBytes(data + QStringLiteral("/tolvane_pensebete.dat")), index);
        QCOMPARE(readBytes(data + QStringLiteral("/pensebete/20050307101030.fic")),
            QByteArray("Acheter du pain\r\n"));
    }
};

QTEST_MAIN(TestNotesJourney)
#include "TestNotesJourney.moc"
