#include "TestApp.h"
#include "TestFiles.h"
#include "app/frmTolvane.h"
#include "notes/NoteWindows.h"
#include "notes/modPenseBete.h"
#include "shell/SettingsKeys.h"

#include <QLabel>
#include <QtTest>

class TestNotesFromBar : public QObject {
    Q_OBJECT

private slots:
    void start_up_loads_the_notes_and_the_pictures_add_and_list()
    {
        TestApp app;
        app.settings->save(Keys::DisplayPenseBete, QStringLiteral("1"));
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        writeBytes(app.dataDir() + QStringLiteral("/tolvane_pensebete.dat"),
            "0;0;20050307;1010;20050307101000.fic;1500;3000\r\n");
        frmTolvane bar(app.context);
        bar.Start();
        auto* caption = bar.findChild<QLabel*>(QStringLiteral("labPB"));
        QCOMPARE(caption->text(), QStringLiteral("1 Pense-b\u00eate(s), 1 masqu\u00e9(s)"));
        QCOMPARE(bar.noteWindows().windows().size(), 1);

        QTest::mouseClick(bar.findChild<QWidget*>(QStringLiteral("pictAddNewPB")), Qt::LeftButton);
        QCOMPARE(caption->text(), QStringLiteral("2 Pense-b\u00eate(s), 1 masqu\u00e9(s)"));
        QVERIFY(bar.noteWindows().window(2)->isVisible());

        QTest::mouseClick(bar.findChild<QWidget*>(QStringLiteral("pictGestionPB")), Qt::LeftButton);
        QVERIFY(bar.noteWindows().notesList()->isVisible());
        QTest::mouseClick(bar.findChild<QWidget*>(QStringLiteral("pictAddNewPB")), Qt::LeftButton);
        QCOMPARE(app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(bar.notesStore().lastIndex(), 2);
    }

    void reminders_fire_with_the_clock_module_off()
    {
        TestApp app;
        app.settings->save(Keys::DisplayClock, QStringLiteral("0"));
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        writeBytes(app.dataDir() + QStringLiteral("/tolvane_pensebete.dat"),
            "1;2;20050307;1010;20050307101000.fic;1500;3000\r\n");
        frmTolvane bar(app.context);
        bar.Start();
        QTRY_VERIFY_WITH_TIMEOUT(bar.notesStore().entry(1).startsWith(QStringLiteral("2;")), 3000);
        QCOMPARE(app.fakes.sound.played,
            QStringList({ app.appDir() + QStringLiteral("/sounds/clickerx.wav") }));
    }
};

QTEST_MAIN(TestNotesFromBar)
#include "TestNotesFromBar.moc"
