#include "DataRow.h"
#include "NotesFixture.h"
#include "notes/NoteColours.h"
#include "notes/NoteWindowRules.h"
#include "notes/NoteWindows.h"
#include "notes/frmPenseBete.h"
#include "notes/frmPenseBete_List.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>

class TestNoteWindows : public QObject {
    Q_OBJECT
private slots:
    void placement_is_clamped_to_the_screen_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QPoint>("position"); // pixels; the screen is 1280 x 1024
        dataRow("negative_left", QByteArray("1;0;20050307;1010;a.fic;-300;3000"), QPoint(0, 200));
        dataRow("hidden_parking_top", QByteArray("1;0;20050307;1010;a.fic;1500;-10000"),
            QPoint(100, 0));
        dataRow("left_at_the_screen_edge", QByteArray("1;0;20050307;1010;a.fic;19200;3000"),
            QPoint(1280 - 200, 200));
    }
    void placement_is_clamped_to_the_screen()
    {
        QFETCH(QByteArray, line);
        NotesOnDesktop desk({ line });
        frmPenseBete* note = desk.windows.window(1);
        QVERIFY(note->isVisible());
        QTEST(note->pos(), "position");
    }

    // The text box and the window grow with the display lines, a wrapped line counting as many.
    void lines_grow_the_note_window()
    {
        NotesOnDesktop desk;
        desk.windows.AddNoteClicked();
        frmPenseBete* note = desk.windows.window(1);
        auto* text = desk.control<QTextEdit>(1, "txtPenseBete");
        const int collapsedHeight = note->height();
        QTest::mouseClick(text->viewport(), Qt::LeftButton);
        text->setPlainText(QString(200, u'm'));
        QVERIFY(note->GetLineCount() > 3);
        text->setPlainText(QStringLiteral("un\ndeux\ntrois"));
        QCOMPARE(note->GetLineCount(), 3);
        QTest::mouseClick(desk.control<QPushButton>(1, "cmdOK"), Qt::LeftButton);
        QCOMPARE(note->height(), collapsedHeight + 2 * NoteWindowRules::kLineHeight);
    }

    void fired_note_saved_with_a_later_date_turns_normal_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("normal");
        // The fake clock says 7 March 2005, 10:10:30.
        dataRow("one_year_later", QDate(2006, 3, 7), QTime(10, 10), true);
        dataRow("next_minute", QDate(2005, 3, 7), QTime(10, 11), true);
        dataRow("same_minute", QDate(2005, 3, 7), QTime(10, 10), false);
        dataRow("later_day_of_an_earlier_month", QDate(2005, 2, 20), QTime(23, 59), false);
    }
    void fired_note_saved_with_a_later_date_turns_normal()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(bool, normal);
        NotesOnDesktop desk({ "2;1;20050201;1010;a.fic;1500;3000" });
        QCOMPARE(desk.background(1, "frmBG"), NoteColours::kAlarm);
        QCOMPARE(desk.control<QComboBox>(1, "cmbType")->currentIndex(), 1);
        QCOMPARE(desk.control<QDateEdit>(1, "DTDate")->date(), QDate(2005, 2, 1));
        QCOMPARE(desk.control<QTimeEdit>(1, "DTTime")->time(), QTime(10, 10));
        desk.control<QDateEdit>(1, "DTDate")->setDate(date);
        desk.control<QTimeEdit>(1, "DTTime")->setTime(time);
        desk.windows.window(1)->SaveNote();
        QCOMPARE(desk.background(1, "frmBG"), normal ? NoteColours::kNormal : NoteColours::kAlarm);
        QCOMPARE(
            desk.background(1, "lblRappel"), normal ? NoteColours::kNormal : NoteColours::kAlarm);
        QVERIFY(desk.store.entry(1).startsWith(QStringLiteral("1;1;")));
    }

    void typed_text_is_kept_without_ok_data()
    {
        QTest::addColumn<QString>("how");
        dataRow("window_deactivated", QStringLiteral("deactivated"));
        dataRow("pause_in_typing", QStringLiteral("pause"));
    }
    // Without "OK" the kind and due date chosen in the panel are not taken; the text is, with its
    // non-breaking space.
    void typed_text_is_kept_without_ok()
    {
        QFETCH(QString, how);
        NotesOnDesktop desk({ "1;0;20050307;1010;a.fic;1500;3000" });
        frmPenseBete* note = desk.windows.window(1);
        auto* text = desk.control<QTextEdit>(1, "txtPenseBete");
        const QString textFile = desk.store.textPath(QStringLiteral("a.fic"));
        QWidget other;
        const auto deactivate = [&] {
            other.show();
            note->activateWindow();
            other.activateWindow();
            QEvent deactivation(QEvent::ActivationChange);
            QApplication::sendEvent(note, &deactivation);
        };
        if (how == QLatin1String("deactivated")) {
            deactivate();
            QVERIFY(!QFile::exists(textFile)); // nothing typed, nothing written
        }

        note->activateWindow();
        QTest::mouseClick(text->viewport(), Qt::LeftButton);
        QVERIFY(note->isExpanded());
        QTest::keyClicks(text, QStringLiteral("12\u00a0rue"));
        desk.control<QComboBox>(1, "cmbType")->setCurrentIndex(2);
        if (how == QLatin1String("deactivated")) {
            deactivate();
            QVERIFY(!note->isExpanded());
        } else {
            QTest::qWait(300);
            QVERIFY(!QFile::exists(textFile)); // a timer runs late, never early
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(textFile), 3000);
        }
        QCOMPARE(readBytes(textFile), QByteArray("12\xa0rue\r\n"));
        QCOMPARE(
            readBytes(desk.store.indexPath()), indexBytes({ "1;0;20050307;1010;a.fic;1500;3000" }));
    }

    void delete_from_the_window_asks_first()
    {
        const QByteArray kept = "1;0;20050307;1010;b.fic;1500;3000";
        NotesOnDesktop desk({ "1;0;20050307;1010;a.fic;1500;3000", kept },
            { { QStringLiteral("a.fic"), "a\r\n" } });
        const QString text = desk.store.textPath(QStringLiteral("a.fic"));
        desk.app.fakes.dialogs.answers = { false, true };
        QPointer<frmPenseBete> note = desk.windows.window(1);
        for (const bool answer : { false, true }) {
            QTest::mouseClick(desk.control<QWidget>(1, "pictCLose"), Qt::LeftButton);
            QCOMPARE(desk.store.entry(1).isEmpty(), answer);
            QCOMPARE(QFile::exists(text), !answer);
        }
        const auto& messages = desk.app.fakes.dialogs.messages;
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[1].text,
            QStringLiteral("\u00cates-vous s\u00fbr de vouloir supprimer ce Pense-B\u00eate ?"));
        QCOMPARE(messages[1].icon, Dialogs::Icon::Question);
        QCOMPARE(readBytes(desk.store.indexPath()), indexBytes({ kept }));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(note.isNull());
    }

    void reused_index_never_takes_a_deleted_notes_window()
    {
        NotesOnDesktop desk({ "1;1;20050307;1011;a.fic;1500;3000" });
        QPointer<frmPenseBete> old = desk.windows.window(1);
        desk.windows.ShowNotesList();
        desk.windows.notesList()->findChild<QPushButton*>(QStringLiteral("cmdDel"))->click();
        desk.windows.notesList()->close();
        QCOMPARE(desk.store.noteCount(), 0);
        desk.windows.AddNoteClicked();
        QCOMPARE(desk.store.lastIndex(), 1);
        QVERIFY(desk.windows.window(1) != old);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        QCOMPARE(desk.windows.windows().size(), 1);
        // The old note's reminder minute comes: nothing fires for the new note of kind 0.
        desk.app.fakes.clock.current = QDateTime(QDate(2005, 3, 7), QTime(10, 11, 0));
        desk.store.CheckReminders();
        QVERIFY(desk.app.fakes.sound.played.isEmpty());
    }

    void title_bar_drags_the_window()
    {
        NotesOnDesktop desk({ "1;0;20050307;1010;a.fic;1500;3000" });
        frmPenseBete* note = desk.windows.window(1);
        auto* title = desk.control<QWidget>(1, "imgTitleBar");
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(50, 5));
        QCOMPARE(title->cursor().shape(), Qt::SizeAllCursor);
        QTest::mouseMove(title, QPoint(80, 25));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(80, 25));
        QCOMPARE(note->pos(), QPoint(130, 220));
        QCOMPARE(title->cursor().shape(), Qt::ArrowCursor);
        // Kept at once, the text with it.
        QCOMPARE(
            readBytes(desk.store.indexPath()), indexBytes({ "1;0;20050307;1010;a.fic;1950;3300" }));
        QVERIFY(QFile::exists(desk.store.textPath(QStringLiteral("a.fic"))));
    }
};

QTEST_MAIN(TestNoteWindows)
#include "TestNoteWindows.moc"
