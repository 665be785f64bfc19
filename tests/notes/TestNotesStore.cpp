#include "ChildLimits.h"
#include "DataRow.h"
#include "NotesFixture.h"
#include "notes/NoteFiles.h"
#include "notes/NoteLine.h"
#include "shell/AppPaths.h"

#include <QDir>
#include <QRandomGenerator>

#include <QTest>

class TestNotesStore : public QObject {
    Q_OBJECT
private slots:
    void note_text_round_trip_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("readBack");
        dataRow("spaces_and_blank_line", " a\r\n\r\nb ", QByteArray("a\r\n\r\nb\r\n"), "a\nb\n");
        dataRow("greek_line_in_utf8", "\u03b3\u03ac\u03bb\u03b1\nlait",
            QByteArray("\xce\xb3\xce\xac\xce\xbb\xce\xb1\r\nlait\r\n"),
            "\u03b3\u03ac\u03bb\u03b1\nlait\n");
        dataRow("carriage_returns_alone_break_lines", "a\rb\r\r\nc\r",
            QByteArray("a\r\nb\r\n\r\nc\r\n\r\n"), "a\nb\nc\n");
        dataRow("tabs_are_not_trimmed", "\tx ", QByteArray("\tx\r\n"), "\tx\n");
    }
    void note_text_round_trip()
    {
        QFETCH(QString, typed);
        TestApp app(false);
        modPenseBete store(app.context);
        QVERIFY(store.SaveNoteText(QStringLiteral("20050307101030.fic"), typed));
        const QString path = app.dataDir() + QStringLiteral("/pensebete/20050307101030.fic");
        QTEST(readBytes(path), "file");
        QTEST(store.ReadNoteText(QStringLiteral("20050307101030.fic")), "readBack");
        QVERIFY(app.fakes.dialogs.messages.isEmpty());
    }

    void note_text_read_from_a_file_edited_elsewhere_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        dataRow("blank lines dropped", QByteArray("\r\n   \r\n a\nb  \r\n\r\n"), " a\nb  \n");
        dataRow("CR CR LF", QByteArray("x\r\r\ny\r\n"), "x\ny\n");
        dataRow("CR inside a line", QByteArray("x\ry\r\r \rz"), "x\ny\nz\n");
        dataRow("CRs alone then a space", QByteArray("\r\r\r\n a\r\n"), " a\n");
    }
    // Once saved, such a text reads back as it was read.
    void note_text_read_from_a_file_edited_elsewhere()
    {
        QFETCH(QByteArray, file);
        TestApp app(false);
        modPenseBete store(app.context);
        const QString name = QStringLiteral("20050307101030.fic");
        writeBytes(app.dataDir() + QStringLiteral("/pensebete/") + name, file);
        QTEST(store.ReadNoteText(name), "text");
        QVERIFY(store.SaveNoteText(name, store.ReadNoteText(name)));
        const QString saved = store.ReadNoteText(name);
        QVERIFY(store.SaveNoteText(name, saved));
        QCOMPARE(store.ReadNoteText(name), saved);
    }

    void index_file_loads_in_file_order_and_saves_back_whole()
    {
        TestApp app(false);
        const QByteArray file = indexBytes({ "1;0;20050307;1010;20050307101000.fic;7200;5400",
            "0;2;20050308;0730;20050307101100.fic;0;0",
            "2;1;20050309;1405;20050307101200.fic;120,5;-15" });
        writeBytes(app.dataDir() + QStringLiteral("/tolvane_pensebete.dat"), file);
        modPenseBete store(app.context);
        RecordingHost host;
        store.setWindowHost(&host);
        store.LoadNotes();
        QCOMPARE(host.opened, QList<int>({ 1, 2, 3 }));
        QCOMPARE(store.noteCount(), 3);
        QCOMPARE(store.GetNoteField(2, 4), QStringLiteral("20050307101100.fic"));
        QCOMPARE(store.GetNoteField(0, 3), QStringLiteral("0"));
        QVERIFY(store.reminderTimer().isActive());
        QVERIFY(store.SaveNoteIndex());
        QCOMPARE(readBytes(store.indexPath()), file);
    }

    void deleted_middle_note_is_renumbered_after_restart()
    {
        TestApp app(false);
        writeIndex(app,
            { "1;0;20050307;1010;a.fic;0;0", "1;0;20050307;1010;b.fic;0;0",
                "1;0;20050307;1010;c.fic;0;0" });
        {
            modPenseBete store(app.context);
            store.LoadNotes();
            store.DeleteNote(2);
            QCOMPARE(store.GetNoteField(3, 4), QStringLiteral("c.fic"));
            QCOMPARE(store.caption(), QStringLiteral("2 Pense-b\u00eate(s), 0 masqu\u00e9(s)"));
        }
        modPenseBete restarted(app.context);
        restarted.LoadNotes();
        QCOMPARE(restarted.lastIndex(), 2);
        QCOMPARE(restarted.GetNoteField(2, 4), QStringLiteral("c.fic"));
    }

    void malformed_lines_keep_their_place()
    {
        TestApp app(false);
        writeBytes(app.dataDir() + QStringLiteral("/tolvane_pensebete.dat"),
            QByteArray("1;0;2005\r\n\r\nx;y\n2;0;20050307;1010;d.fic;0;0"));
        modPenseBete store(app.context);
        RecordingHost host;
        store.setWindowHost(&host);
        store.LoadNotes();
        QCOMPARE(store.lastIndex(), 4);
        QCOMPARE(store.entry(1), QStringLiteral("1;0;2005"));
        QCOMPARE(store.entry(2), QString());
        QCOMPARE(store.GetNoteField(1, 5), QString());
        QCOMPARE(store.GetNoteField(4, 4), QStringLiteral("d.fic"));
        // "x" reads as state 0, hidden; a fired note counts as shown.
        QCOMPARE(store.caption(), QStringLiteral("3 Pense-b\u00eate(s), 1 masqu\u00e9(s)"));
        QCOMPARE(store.ReadNoteText(QString()), QString());
    }

    void new_note_is_shown_due_now_and_centred()
    {
        TestApp app(false);
        app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(9, 5, 42));
        modPenseBete store(app.context);
        RecordingHost host;
        store.setWindowHost(&host);
        store.LoadNotes();
        const int index = store.AddNewNote(QSize(2700, 1800));
        QCOMPARE(index, 1);
        QCOMPARE(host.opened, QList<int>({ 1 }));
        // 1280 x 1024 pixels of 15 twips: 19200 / 2 - 1350, 15360 / 2 - 900.
        QCOMPARE(store.entry(1), QStringLiteral("1;0;20050307;0905;20050307090542.fic;8250;6780"));
        QCOMPARE(store.caption(), QStringLiteral("1 Pense-b\u00eate(s), 0 masqu\u00e9(s)"));
        QVERIFY(!QFile::exists(store.indexPath()));
    }

    void notes_added_in_the_same_second_get_distinct_files()
    {
        TestApp app(false);
        writeBytes(app.dataDir() + QStringLiteral("/pensebete/20050307101030_2.fic"), "x\r\n");
        modPenseBete store(app.context);
        store.LoadNotes();
        const int first = store.AddNewNote(QSize(2700, 1800));
        const int second = store.AddNewNote(QSize(2700, 1800));
        const int third = store.AddNewNote(QSize(2700, 1800));
        QCOMPARE(store.GetNoteField(first, 4), QStringLiteral("20050307101030.fic"));
        QCOMPARE(store.GetNoteField(second, 4), QStringLiteral("20050307101030_3.fic"));
        QCOMPARE(store.GetNoteField(third, 4), QStringLiteral("20050307101030_4.fic"));
    }

    void failed_writes_are_told_and_leave_the_old_files_whole_data()
    {
        QTest::addColumn<bool>("indexFile");
        dataRow("index_file", true);
        dataRow("text_file", false);
    }
    void failed_writes_are_told_and_leave_the_old_files_whole()
    {
        QFETCH(bool, indexFile);
        TestApp app(false);
        const QByteArray old = indexBytes({ "1;0;20050307;1010;a.fic;0;0" });
        writeBytes(app.dataDir() + QStringLiteral("/tolvane_pensebete.dat"), old);
        writeBytes(app.dataDir() + QStringLiteral("/pensebete/a.fic"), "ancien\r\n");
        modPenseBete store(app.context);
        store.LoadNotes();
        const QString edited = QStringLiteral("0;0;20050307;1010;a.fic;15;15");
        store.setEntry(1, edited);
        const QString path
            = indexFile ? store.indexPath() : store.textPath(QStringLiteral("a.fic"));
        const int result = runWithFileSizeLimit(8, [&] {
            const bool written = indexFile
                ? store.SaveNoteIndex()
                : store.SaveNoteText(QStringLiteral("a.fic"), QStringLiteral("un texte neuf"));
            const auto& messages = app.fakes.dialogs.messages;
            return !written && messages.size() == 1 && store.entry(1) == edited
                && messages[0].text
                == QStringLiteral("Impossible d'enregistrer le Pense-B\u00eate : ") + path;
        });
        QCOMPARE(result, 1);
        QCOMPARE(readBytes(store.indexPath()), old);
        QCOMPARE(readBytes(app.dataDir() + QStringLiteral("/pensebete/a.fic")),
            QByteArray("ancien\r\n"));
    }

    // As when a run under another user left the file behind: the notes it holds are in no
    // table, so a save would wipe them.
    void unreadable_index_is_told_and_never_written_over()
    {
        TestApp app(false);
        const QByteArray old = indexBytes({ "1;0;20050307;1010;a.fic;0;0" });
        const QString path = app.dataDir() + QStringLiteral("/tolvane_pensebete.dat");
        writeBytes(path, old);
        QVERIFY(QFile::setPermissions(path, {}));
        QVERIFY(QFile::setPermissions(app.dataDir(), QFileDevice::Permissions(0x7777)));
        const int result = runAsAnotherUser([&] {
            modPenseBete store(app.context);
            store.LoadNotes();
            const int added = store.AddNewNote(QSize(2700, 1800));
            const bool saved = store.SaveNote(added, store.entry(added), QStringLiteral("neuf"));
            store.DeleteNote(added);
            const auto& messages = app.fakes.dialogs.messages;
            return !saved && !messages.isEmpty() && messages[0].icon == Dialogs::Icon::Critical
                && messages[0].text
                == QStringLiteral("Probl\u00e8me d'acc\u00e8s en lecture : ") + path;
        });
        QCOMPARE(result, 1);
        QCOMPARE(readBytes(path), old);
    }

    // A save is a note's text, then the index; a bar killed at any moment of it leaves notes
    // that all open with their whole text, none missing, and copies that the next start clears
    // away.
    void notes_survive_a_kill_at_any_moment_of_saving()
    {
        TestApp app(false);
        const QDateTime start = app.fakes.clock.current;
        for (int round = 0; round < 60; ++round) {
            const pid_t child = fork();
            if (child == 0) {
                modPenseBete store(app.context);
                store.LoadNotes();
                for (int i = 0; i < 1000; ++i) {
                    app.fakes.clock.current = start.addSecs(round * 1000 + i);
                    const int index = store.AddNewNote(QSize(2700, 1800));
                    const QString name = store.GetNoteField(index, NoteLine::FileName);
                    store.SaveNote(index, store.entry(index), QStringLiteral("texte de ") + name);
                }
                _exit(0);
            }
            QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 40)));
            ::kill(child, SIGKILL);
            QCOMPARE(::waitpid(child, nullptr, 0), child);

            QStringList lines;
            modPenseBete store(app.context);
            // Missing until the first save got through.
            QVERIFY(NoteFiles::ReadLines(store.indexPath(), lines)
                || !QFile::exists(store.indexPath()));
            store.LoadNotes();
            // A text whose index line the kill cut off comes back as a note of its own.
            const QStringList texts = QDir(store.textPath(QString()))
                                          .entryList({ QStringLiteral("*.fic") }, QDir::Files);
            QCOMPARE(store.noteCount(), texts.size());
            QVERIFY(store.noteCount() - lines.size() <= 1);
            for (int index = 1; index <= store.lastIndex(); ++index) {
                QCOMPARE(NoteLine::field(store.entry(index), NoteLine::Top).isEmpty(), false);
                const QString name = store.GetNoteField(index, NoteLine::FileName);
                QCOMPARE(store.ReadNoteText(name), QStringLiteral("texte de %1\n").arg(name));
            }
        }
        AppPaths paths;
        paths.dataDir = app.dataDir();
        paths.configDir = app.configDir();
        paths.removeStaleCopies();
        const QStringList left = QDir(app.dataDir() + QStringLiteral("/pensebete"))
                                     .entryList({ QStringLiteral("*.fic.*") }, QDir::Files);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
        QVERIFY(app.fakes.dialogs.messages.isEmpty());
    }

    void twips_are_written_as_shortest_single_precision_text()
    {
        QCOMPARE(NoteLine::twipsText(8250), QStringLiteral("8250"));
        QCOMPARE(NoteLine::twipsText(-15), QStringLiteral("-15"));
        QCOMPARE(NoteLine::twipsText(1234.5), QStringLiteral("1234.5"));
        QCOMPARE(NoteLine::twipsText(0.1), QStringLiteral("0.1"));
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(NoteLine::twipsText(1234.5), QStringLiteral("1234,5"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestNotesStore)
#include "TestNotesStore.moc"
