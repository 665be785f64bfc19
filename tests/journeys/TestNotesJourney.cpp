#include "JourneyBar.h"
#include "ProgramEnvironment.h"
#include "TestFiles.h"
#include "notes/NoteColours.h"
#include "notes/frmPenseBete.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QTextEdit>
#include <QTimeEdit>

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

// The window of note index, nullptr when it has none.
frmPenseBete* noteWindow(int index)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* note = qobject_cast<frmPenseBete*>(top);
        if (note && note->index() == index)
            return note;
    }
    return nullptr;
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
        auto* note = JourneyBar::window<frmPenseBete>();
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

        journey.restart();
        note = JourneyBar::window<frmPenseBete>();
        QVERIFY(note);
        QCOMPARE(control<QTextEdit>(note, "txtPenseBete")->toPlainText(),
            QStringLiteral("Rappeler Mme Dupr\u00e9 !\navant midi"));
    }

    // A reminder set in the note's panel and the note put away: once the clock reaches the
    // minute, the reminder check brings the note back in its alarm colour and rings.
    void reminder_set_in_a_note_brings_it_back_at_its_minute()
    {
        JourneyBar journey;
        journey.stillClock = true; // 7 March 2005, 10:10:30
        journey.settings->save(Keys::DisplayPenseBete, QStringLiteral("1"));
        journey.settings->save(Keys::DisplayClock, QStringLiteral("0")); // reminders need no clock
        frmTolvane& bar = journey.start();
        click(&bar, "pictAddNewPB");
        auto* note = JourneyBar::window<frmPenseBete>();
        QVERIFY(note);
        typeInto(control<QTextEdit>(note, "txtPenseBete"), QStringLiteral("Appeler le garage"));
        QVERIFY(note->isExpanded());
        auto* kind = control<QComboBox>(note, "cmbType");
        kind->setFocus();
        QTest::keyClick(kind, Qt::Key_Down); // "Rappeler une fois"
        control<QTimeEdit>(note, "DTTime")->setTime(QTime(10, 11));
        click(note, "chkShow");
        click(note, "cmdOK");
        QVERIFY(!note->isVisible());
        QCOMPARE(storedNotes(journey).value(0).fields.mid(0, 4),
            QStringList({ "0", "1", "20050307", "1011" }));

        QTest::qWait(1100); // a tick before the minute fires nothing
        QVERIFY(!note->isVisible());
        journey.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(10, 11, 0));
        QTRY_VERIFY_WITH_TIMEOUT(note->isVisible(), 3000);
        QCOMPARE(control(note, "frmBG")->palette().color(QPalette::Window), NoteColours::kAlarm);
        QVERIFY(control<QCheckBox>(note, "chkShow")->isChecked());
        QCOMPARE(storedNotes(journey).value(0).fields.value(0), QStringLiteral("2"));
        QCOMPARE(journey.fakes.sound.played,
            QStringList { journey.paths.appDir + QStringLiteral("/sounds/clickerx.wav") });
    }

    // Saved while nothing can be written: the user is told, the text stays in its window and
    // the old file whole; the next save that can be written takes the text.
    void note_saved_where_nothing_can_be_written_is_told_and_kept()
    {
        JourneyBar journey;
        const QByteArray index = "1;0;20050307;1010;a.fic;1500;3000\r\n";
        writeBytes(journey.dataFile(QStringLiteral("tolvane_pensebete.dat")), index);
        const QString textFile = journey.dataFile(QStringLiteral("pensebete/a.fic"));
        writeBytes(textFile, "ancien\r\n");
        frmTolvane& bar = journey.start();
        auto* note = JourneyBar::window<frmPenseBete>();
        QVERIFY(note);
        auto* text = control<QTextEdit>(note, "txtPenseBete");
        QTest::mouseClick(text->viewport(), Qt::LeftButton);
        text->moveCursor(QTextCursor::End);
        typeInto(text, QStringLiteral(" et neuf"));
        {
            WritesRefused refused(journey.dataFile(QStringLiteral("pensebete")));
            click(note, "cmdOK");
        }
        QCOMPARE(journey.dialogs.messages.size(), 1);
        QCOMPARE(journey.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(journey.dialogs.messages[0].text,
            QStringLiteral("Impossible d'enregistrer le Pense-B\u00eate : ") + textFile);
        QCOMPARE(text->toPlainText(), QStringLiteral("ancien et neuf"));
        QCOMPARE(readBytes(textFile), QByteArray("ancien\r\n"));
        QCOMPARE(readBytes(journey.dataFile(QStringLiteral("tolvane_pensebete.dat"))), index);

        click(&bar, "pictCloseWindow");
        QCOMPARE(readBytes(textFile), QByteArray("ancien et neuf\r\n"));
        QCOMPARE(journey.dialogs.messages.size(), 1);
    }

    // While the notes list is open the notes wait: nothing can be typed, deleted or added in
    // them. From the list a note is hidden and shown again, another deleted after a yes; each
    // change is written at once.
    void notes_list_hides_and_deletes_while_the_notes_wait()
    {
        JourneyBar journey;
        journey.settings->save(Keys::DisplayPenseBete, QStringLiteral("1"));
        writeBytes(journey.dataFile(QStringLiteral("tolvane_pensebete.dat")),
            "1;0;20050307;0905;a.fic;1500;3000\r\n1;0;20050307;0905;b.fic;1500;3000\r\n");
        writeBytes(journey.dataFile(QStringLiteral("pensebete/a.fic")), "premier\r\n");
        const QString second = journey.dataFile(QStringLiteral("pensebete/b.fic"));
        writeBytes(second, "second\r\n");
        frmTolvane& bar = journey.start();
        const auto caption = [&bar] { return control<QLabel>(&bar, "labPB")->text(); };
        click(&bar, "pictGestionPB");
        auto* list = JourneyBar::window(QStringLiteral("frmPenseBete_List"));
        QVERIFY(list);
        frmPenseBete* first = noteWindow(1);
        QVERIFY(first && noteWindow(2));
        const QPoint place = first->pos();
        const int height = first->height();
        auto* text = control<QTextEdit>(first, "txtPenseBete");
        QTest::mouseClick(text->viewport(), Qt::LeftButton);
        typeInto(text, QStringLiteral("\n"));
        QTest::mouseClick(control(first, "pictCLose"), Qt::LeftButton);
        click(&bar, "pictAddNewPB");
        const QString frozen = QStringLiteral(
            "Les Pense-B\u00eates ne sont pas modifiables lorsque la fen\u00eatre\n"
            "de gestion des Pense-B\u00eates est ouverte !");
        const auto& messages = journey.dialogs.messages;
        QCOMPARE(messages.size(), 4);
        for (int n = 0; n < 3; ++n) {
            QCOMPARE(messages[n].text, frozen);
            QCOMPARE(messages[n].icon, Dialogs::Icon::Information);
        }
        QCOMPARE(messages[3].text,
            QStringLiteral("Vous ne pouvez pas ajouter de Pense-B\u00eate tant que\n"
                           "la fen\u00eatre de gestion des Pense-B\u00eates est ouverte !"));
        QVERIFY(!first->isExpanded());
        QCOMPARE(first->height(), height);

        auto* rows = control<QTreeWidget>(list, "lvPB");
        auto* shownText = control<QTextEdit>(list, "txtPenseBete"); // the selected row's note
        QCOMPARE(shownText->toPlainText(), QStringLiteral("premier"));
        click(list, "chkShow"); // the first row is selected
        QVERIFY(!first->isVisible());
        QCOMPARE(rows->topLevelItem(0)->text(1), QStringLiteral("Non"));
        QCOMPARE(storedNotes(journey).value(0).fields.value(0), QStringLiteral("0"));
        QCOMPARE(caption(), QStringLiteral("2 Pense-b\u00eate(s), 1 masqu\u00e9(s)"));
        click(list, "chkShow");
        QVERIFY(first->isVisible());
        QCOMPARE(first->pos(), place);
        JourneyBar::clickRow(rows, 1);
        QCOMPARE(shownText->toPlainText(), QStringLiteral("second"));
        journey.dialogs.answers = { false, true };
        click(list, "cmdDel");
        QCOMPARE(rows->topLevelItemCount(), 2);
        click(list, "cmdDel");
        QCOMPARE(rows->topLevelItemCount(), 1);
        QCOMPARE(messages.size(), 6);
        QVERIFY(!QFile::exists(second));
        QCOMPARE(storedNotes(journey).size(), 1);
        QTRY_VERIFY(!noteWindow(2));

        click(list, "cmdClose");
        QTRY_VERIFY(!JourneyBar::window(QStringLiteral("frmPenseBete_List")));
        click(&bar, "pictAddNewPB");
        QCOMPARE(messages.size(), 6);
        QVERIFY(noteWindow(3) && noteWindow(3)->isVisible()); // a new one after the deleted one
        QCOMPARE(caption(), QStringLiteral("2 Pense-b\u00eate(s), 0 masqu\u00e9(s)"));
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
