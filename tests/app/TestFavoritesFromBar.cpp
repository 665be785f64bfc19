#include "TestApp.h"
#include "TestFiles.h"
#include "app/frmTolvane.h"
#include "favorites/frmFavoris.h"

#include <QTreeWidget>
#include <QtTest>

// The bar reads both favorites files whenever it is set up, and its tab buttons choose the list.
class TestFavoritesFromBar : public QObject {
    Q_OBJECT
private slots:
    void bar_loads_the_lists_at_each_init_and_the_tabs_choose_one()
    {
        TestApp app;
        writeBytes(app.dataDir() + "/tolvane_FavWindows.dat", "/tmp;Temporaire\r\n");
        writeBytes(
            app.dataDir() + "/tolvane_FavInternet.dat", "http://a.fr;A\r\nhttp://b.fr;B\r\n");
        frmTolvane bar(app.context);
        bar.InitBar();
        auto* windows = bar.findChild<QTreeWidget*>("lvWindows");
        auto* internet = bar.findChild<QTreeWidget*>("lvInternet");
        QCOMPARE(windows->topLevelItemCount(), 1);
        QCOMPARE(internet->topLevelItemCount(), 2);
        QVERIFY(!windows->isHidden());
        QVERIFY(internet->isHidden());

        writeBytes(app.dataDir() + "/tolvane_FavWindows.dat", "/tmp;Temporaire\r\n/usr;Usr\r\n");
        bar.InitBar();
        QCOMPARE(windows->topLevelItemCount(), 2);
        QCOMPARE(bar.findChild<QTreeWidget*>("lvSys")->topLevelItemCount(), 15);

        QTest::mouseClick(bar.findChild<QWidget*>("pictFavInternet"), Qt::LeftButton);
        QVERIFY(windows->isHidden());
        QVERIFY(!internet->isHidden());
        QVERIFY(!bar.findChild<QWidget*>("txtURL")->isHidden());
    }
};

QTEST_MAIN(TestFavoritesFromBar)
#include "TestFavoritesFromBar.moc"
