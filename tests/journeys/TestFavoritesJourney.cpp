#include "JourneyBar.h"

#include <QtTest>

// The favorites as a user handles them through the bar and its options dialog.
class TestFavoritesJourney : public QObject {
    Q_OBJECT

    static QStringList shownLabels(const frmTolvane& bar, const char* list)
    {
        QStringList labels;
        auto* view = control<QTreeWidget>(&bar, list);
        for (int row = 0; row < view->topLevelItemCount(); ++row)
            labels.append(view->topLevelItem(row)->text(0));
        return labels;
    }

private slots:
    void both_lists_reordered_then_saved_keep_their_new_order_on_disk_and_on_the_bar()
    {
        JourneyBar journey;
        writeBytes(journey.dataFile("tolvane_FavInternet.dat"),
            "http://a.fr/;A\r\nhttp://b.fr/;B\r\nhttp://c.fr/;C\r\n");
        writeBytes(
            journey.dataFile("tolvane_FavWindows.dat"), "/tmp/x;X\r\n/tmp/y;Y\r\n/tmp/z;Z\r\n");
        frmTolvane& bar = journey.start();

        auto* options = journey.openOptions();
        QVERIFY(options);
        click(options, "cmdFavInt");
        JourneyBar::clickRow(control<QTreeWidget>(options, "lvFavInt"), 2);
        click(options, "cmdFavIntUp");
        click(options, "cmdFavIntUp");
        // A deletion is written and shown at once; the moves wait for "Sauver".
        click(options, "cmdFavWindows");
        auto* windows = control<QTreeWidget>(options, "lvFavWin");
        JourneyBar::clickRow(windows, 2);
        click(options, "cmdFavWinUp");
        JourneyBar::clickRow(windows, 0);
        click(options, "cmdSupprimerFavWin");
        QCOMPARE(
            journey.favorites("tolvane_FavWindows.dat"), QStringList({ "/tmp/y|Y", "/tmp/z|Z" }));
        QCOMPARE(shownLabels(bar, "lvWindows"), QStringList({ "Y", "Z" }));
        click(options, "cmdSave");

        QTRY_VERIFY(!JourneyBar::window("frmOptions"));
        QCOMPARE(journey.favorites("tolvane_FavInternet.dat"),
            QStringList({ "http://c.fr/|C", "http://a.fr/|A", "http://b.fr/|B" }));
        QCOMPARE(
            journey.favorites("tolvane_FavWindows.dat"), QStringList({ "/tmp/z|Z", "/tmp/y|Y" }));
        QCOMPARE(shownLabels(bar, "lvInternet"), QStringList({ "C", "A", "B" }));
        QCOMPARE(shownLabels(bar, "lvWindows"), QStringList({ "Z", "Y" }));
        QVERIFY(journey.dialogs.messages.isEmpty());
    }

    // The options dialog writes its own copy of the lists back: an address confirmed while it
    // is open has to wait, typed name and all, until it is closed.
    void an_address_confirmed_while_the_options_are_open_waits_for_them()
    {
        JourneyBar journey;
        writeBytes(
            journey.dataFile("tolvane_FavInternet.dat"), "http://a.fr/;A\r\nhttp://b.fr/;B\r\n");
        frmTolvane& bar = journey.start();
        auto* internet = control<QTreeWidget>(&bar, "lvInternet");
        QVERIFY(!internet->isVisible() && control(&bar, "lvWindows")->isVisible());
        click(&bar, "pictFavInternet");
        QVERIFY(internet->isVisible() && !control(&bar, "lvWindows")->isVisible());
        QVERIFY(control(&bar, "txtURL")->isVisible());
        Drops::drop(internet, Drops::textData("http://d.fr/"));
        QWidget* add = JourneyBar::window("frmAddShortCut");
        QVERIFY(add);
        type(add, "txtText", "D");

        auto* options = journey.openOptions();
        QVERIFY(options);
        click(add, "cmdConfirm");
        QCOMPARE(journey.dialogs.messages.size(), 1);
        QCOMPARE(journey.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(journey.dialogs.messages[0].text,
            QStringLiteral("Les options de la Tolvane sont ouvertes : fermez-les (Sauver ou "
                           "Annuler) puis ajoutez ce favori."));
        QVERIFY(add->isVisible());
        QCOMPARE(control<QLineEdit>(add, "txtText")->text(), QStringLiteral("D"));

        click(options, "cmdFavInt");
        JourneyBar::clickRow(control<QTreeWidget>(options, "lvFavInt"), 1);
        click(options, "cmdFavIntUp");
        click(options, "cmdSave");
        QTRY_VERIFY(!JourneyBar::window("frmOptions"));
        click(add, "cmdConfirm");
        QTRY_VERIFY(!JourneyBar::window("frmAddShortCut"));
        QCOMPARE(journey.favorites("tolvane_FavInternet.dat"),
            QStringList({ "http://b.fr/|B", "http://a.fr/|A", "http://d.fr/|D" }));
        QCOMPARE(shownLabels(bar, "lvInternet"), QStringList({ "B", "A", "D" }));
    }
};

QTEST_MAIN(TestFavoritesJourney)
#include "TestFavoritesJourney.moc"
