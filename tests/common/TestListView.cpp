#include "common/ListView.h"

#include <QTreeWidget>
#include <QtTest>

using namespace ListView;

class TestListView : public QObject {
    Q_OBJECT

    static void fill(QTreeWidget& list, int rows)
    {
        list.setColumnCount(3);
        for (int i = 1; i <= rows; ++i) {
            auto* item = new QTreeWidgetItem(&list);
            item->setText(0, QStringLiteral("row%1").arg(i));
            item->setText(1, QStringLiteral("a%1").arg(i));
            item->setText(2, QStringLiteral("b%1").arg(i));
            item->setData(0, Qt::UserRole, i);
        }
    }

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
        LVMoveUp(nullptr, 2);
        QTreeWidget list;
        fill(list, 3);
        LVSelectItem(&list, 2, false);
        LVSelectItem(&list, row, false);
        QCOMPARE(LVGetSelectedIndex(&list), 2);
        QCOMPARE(LVGetItemText(&list, row), QString());
        QVERIFY(!LVRemoveItem(&list, row));
        QCOMPARE(list.topLevelItemCount(), 3);
    }

    void moving_swaps_texts_only_and_follows_with_the_selection()
    {
        QTreeWidget list;
        fill(list, 3);
        LVSelectItem(&list, 2, false);
        LVMoveUp(&list, 1);
        QCOMPARE(LVGetSelectedIndex(&list), 1);
        QCOMPARE(list.topLevelItem(0)->text(0), QStringLiteral("row2"));
        QCOMPARE(list.topLevelItem(0)->text(1), QStringLiteral("a2"));
        QCOMPARE(list.topLevelItem(0)->text(2), QStringLiteral("b1")); // beyond subItemCount
        QCOMPARE(list.topLevelItem(0)->data(0, Qt::UserRole).toInt(), 1); // data stays put
        LVMoveDown(&list, 2);
        QCOMPARE(LVGetSelectedIndex(&list), 2);
        QCOMPARE(list.topLevelItem(1)->text(0), QStringLiteral("row2"));
    }

    void moving_past_the_ends_changes_nothing()
    {
        QTreeWidget list;
        fill(list, 3);
        LVSelectItem(&list, 1, false);
        LVMoveUp(&list, 2);
        QCOMPARE(LVGetSelectedIndex(&list), 1);
        QCOMPARE(LVGetItemText(&list, 1), QStringLiteral("row1"));
        LVSelectItem(&list, 3, false);
        LVMoveDown(&list, 2);
        QCOMPARE(LVGetSelectedIndex(&list), 3);
        QCOMPARE(LVGetItemText(&list, 3), QStringLiteral("row3"));
    }
};

QTEST_MAIN(TestListView)
#include "TestListView.moc"
