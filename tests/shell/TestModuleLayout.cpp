#include "DataRow.h"
#include "shell/ModuleLayout.h"

#include <QtTest>

using namespace ModuleLayout;

using Inputs = QHash<QString, ModuleInput>;
Q_DECLARE_METATYPE(Inputs)

// Title bottom 19, bottom strip 12 in every case.
class TestModuleLayout : public QObject {
    Q_OBJECT
private slots:
    void arrange_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<Inputs>("modules");
        QTest::addColumn<int>("gap");
        QTest::addColumn<QStringList>("expected"); // "id@top" for each placement
        QTest::addColumn<int>("bottomTop");

        const Inputs all = {
            { kPhoto, { true, 110 } },
            { kHorloge, { true, 161 } },
            { kEmails, { true, 20 } },
            { kFavoris, { true, 100 } },
            { kMeteo, { true, 155 } },
            { kInfosSysteme, { true, 150 } },
            { kBandePassante, { true, 140 } },
            { kPenseBete, { true, 46 } },
        };
        dataRow("no known names: bottom strip below the title and one gap", "Nothing;photo;", all,
            2, QStringList(), 21);
        dataRow("photo then clock: one pixel after the photo, the gap after the clock",
            "Photo;Horloge;Favoris", all, 10,
            QStringList { "Photo@29", "Horloge@140", "Favoris@311" }, 421);
        Inputs clockOff = all;
        clockOff[kHorloge].shown = false;
        dataRow("a module switched off leaves no gap", "Horloge;Favoris", clockOff, 2,
            QStringList { "Favoris@21" }, 123);
        dataRow("a name listed twice is placed twice", "Favoris;M\u00e9t\u00e9o;Favoris", all, 2,
            QStringList { "Favoris@21", QStringLiteral("M\u00e9t\u00e9o@123"), "Favoris@280" },
            382);
        dataRow("trailing separator and empty names are skipped", ";Pense-B\u00eate;;", all, 2,
            QStringList { QStringLiteral("Pense-B\u00eate@21") }, 69);
        dataRow("names compare exactly", "meteo;Meteo;M\u00c9T\u00c9O", all, 2, QStringList(), 21);
        Inputs fractional = { { kHorloge, { true, 10.5 } }, { kMeteo, { true, 10.5 } } };
        dataRow("running position rounds halves to even", "Horloge;M\u00e9t\u00e9o", fractional, 0,
            QStringList { "Horloge@19", QStringLiteral("M\u00e9t\u00e9o@30") }, 40);
    }
    void arrange()
    {
        QFETCH(QString, order);
        QFETCH(Inputs, modules);
        QFETCH(int, gap);
        QFETCH(int, bottomTop);
        const Result result = Arrange(order, modules, 19, gap, 12);
        QStringList placed;
        for (const Placement& p : result.placements)
            placed << QStringLiteral("%1@%2").arg(p.id).arg(p.top);
        QTEST(placed, "expected");
        QCOMPARE(result.bottomStripTop, bottomTop);
        QCOMPARE(result.windowHeight, bottomTop + 12 + 1);
    }
};

QTEST_APPLESS_MAIN(TestModuleLayout)
#include "TestModuleLayout.moc"
