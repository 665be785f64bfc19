#include "Drops.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "favorites/frmAddShortCut.h"
#include "favorites/frmFavoris.h"
#include "shell/SettingsKeys.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// The real module widget over files in a temporary data folder, with drops fed as they come
// from a file manager or a browser.
using Drops::drop;
using Drops::filesData;

class TestFavorisModule : public QObject {
    Q_OBJECT

    static QTreeWidget* list(frmFavoris& module, const char* name)
    {
        return module.findChild<QTreeWidget*>(QLatin1String(name));
    }
    static QStringList texts(QTreeWidget* view)
    {
        QStringList rows;
        for (int row = 0; row < view->topLevelItemCount(); ++row)
            rows.append(view->topLevelItem(row)->text(0));
        return rows;
    }
    static void confirm(frmFavoris& module, const QString& name)
    {
        QVERIFY(module.addDialog());
        module.addDialog()->findChild<QLineEdit*>("txtText")->setText(name);
        module.addDialog()->findChild<QPushButton*>("cmdConfirm")->click();
    }

private slots:
    void lists_come_from_the_files_with_pictures()
    {
        TestApp app;
        app.settings->save(Keys::FavWinDisplaySmallIcons, "1");
        writeBytes(app.dataDir() + "/tolvane_FavWindows.dat", "/tmp;Temporaire\r\n/usr;Encore\r\n");
        writeBytes(app.dataDir() + "/tolvane_FavInternet.dat", "http://a.fr;A\r\n");
        frmFavoris module(app.context);
        SkinImages images(app.appDir() + "/skins/default/");
        module.applySkin(images);
        module.LoadFavorites();
        QTreeWidget* windows = list(module, "lvWindows");
        QCOMPARE(texts(windows), QStringList({ "Temporaire", "Encore" }));
        QCOMPARE(windows->iconSize(), QSize(16, 16));
        QVERIFY(!windows->topLevelItem(0)->icon(0).isNull());
        QCOMPARE(texts(list(module, "lvInternet")), QStringList { "A" });
        QVERIFY(!list(module, "lvInternet")->topLevelItem(0)->icon(0).isNull());
        QTreeWidget* system = list(module, "lvSys");
        QCOMPARE(system->topLevelItemCount(), 15);
        QVERIFY(!system->topLevelItem(10)->icon(0).isNull());
        module.LoadFavorites();
        QCOMPARE(system->topLevelItemCount(), 15);

        // Double-click opens the row's own target; Enter in the address box opens its text.
        emit windows->itemDoubleClicked(windows->topLevelItem(1), 0);
        module.findChild<QLineEdit*>("txtURL")->setText("www.b.fr");
        QTest::keyClick(module.findChild<QLineEdit*>("txtURL"), Qt::Key_Return);
        QCOMPARE(app.fakes.launcher.opened, QStringList({ "/usr", "www.b.fr" }));
    }

    void dropped_files_are_offered_one_after_another()
    {
        TestApp app;
        writeBytes(app.dataDir() + "/tolvane_FavWindows.dat", "/tmp;Temporaire\r\n");
        frmFavoris module(app.context);
        module.LoadFavorites();
        module.ShowFavoritesTab(1, 0, 0);
        QTreeWidget* windows = list(module, "lvWindows");
        drop(windows, filesData({ "/usr", "/etc/hosts" }));
        QCOMPARE(module.addDialog()->findChild<QLineEdit*>("txtPathURL")->text(), "/usr");
        confirm(module, "   "); // refused: the same file stays offered
        QCOMPARE(module.addDialog()->findChild<QLineEdit*>("txtPathURL")->text(), "/usr");
        module.addDialog()->findChild<QPushButton*>("cmdCancel")->click();
        QCOMPARE(module.addDialog()->findChild<QLineEdit*>("txtPathURL")->text(), "/etc/hosts");
        confirm(module, "H\u00f4tes");
        QVERIFY(!module.addDialog());
        QCOMPARE(texts(windows), QStringList({ "Temporaire", QStringLiteral("H\u00f4tes") }));
        QCOMPARE(readBytes(app.dataDir() + "/tolvane_FavWindows.dat"),
            QByteArray("/tmp;Temporaire\r\n/etc/hosts;H\xf4tes\r\n"));
    }

    void desktop_launcher_is_stored_with_its_own_picture()
    {
        TestApp app;
        const QString png = app.dataDir() + "/lanceur.png";
        writePicture(png, QSize(8, 8), Qt::red);
        const QString launcher = app.dataDir() + "/gimp.desktop";
        writeBytes(
            launcher, "[Desktop Entry]\nName=Gimp\nExec=gimp %U\nIcon=" + png.toUtf8() + "\n");
        frmFavoris module(app.context);
        module.LoadFavorites();
        drop(list(module, "lvWindows"), filesData({ launcher }));
        confirm(module, "Gimp");
        QTreeWidget* windows = list(module, "lvWindows");
        QCOMPARE(windows->topLevelItem(0)->toolTip(0), launcher);
        const QImage shown = windows->topLevelItem(0)->icon(0).pixmap(8, 8).toImage();
        QCOMPARE(shown.pixelColor(4, 4), QColor(Qt::red));
    }

    void renaming_in_place_saves_the_row_own_entry()
    {
        TestApp app;
        writeBytes(app.dataDir() + "/tolvane_FavWindows.dat", "/a;Premier\r\n/a;Second\r\n");
        frmFavoris module(app.context);
        module.LoadFavorites();
        module.ShowFavoritesTab(1, 0, 2); // descending: "Second" comes first
        QTreeWidget* windows = list(module, "lvWindows");
        QCOMPARE(texts(windows), QStringList({ "Second", "Premier" }));
        windows->topLevelItem(1)->setText(0, "Nouveau");
        QCOMPARE(readBytes(app.dataDir() + "/tolvane_FavWindows.dat"),
            QByteArray("/a;Nouveau\r\n/a;Second\r\n"));
        windows->topLevelItem(0)->setText(0, "");
        QCOMPARE(texts(windows).contains("Second"), true);
        QCOMPARE(readBytes(app.dataDir() + "/tolvane_FavWindows.dat"),
            QByteArray("/a;Nouveau\r\n/a;Second\r\n"));
    }
};

QTEST_MAIN(TestFavorisModule)
#include "TestFavorisModule.moc"
