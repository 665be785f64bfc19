#include "common/ListView.h"

#include <QTreeWidget>
#include <QtTest>

using namespace ListView;

class TestListView : public QObject {
    Q_OBJECT
private slots:
    void row_numbers_outside_the_list_are_ignored_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -3;
        QTest::newRow("past the end") << 4;
    }
    void row_numbers_outside_the_list_are_ignored()
    {
        QFETCH(int, row);
        QCOMPARE(LVGetSelectedIndex(nullptr), -1); // an absent list does nothing either
        QVERIFY(!LVRemoveItem(nullptr, row));
        QTreeWidget list;
        for (int i = 1; i <= 3; ++i)
            new QTreeWidgetItem(&list, { QStringLiteral("row%1").arg(i) });
        LVSelectItem(&list, 2, false);
        LVSelectItem(&list, row, false);
        QCOMPARE(LVGetSelectedIndex(&list), 2);
        QCOMPARE(LVGetItemText(&list, row), QString());
        QVERIFY(!LVRemoveItem(&list, row));
        QCOMPARE(list.topLevelItemCount(), 3);
    }
};

QTEST_MAIN(TestListView)
#include "TestListView.moc"
