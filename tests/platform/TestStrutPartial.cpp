#include "DataRow.h"
#include "platform/linux/StrutPartial.h"

#include <QtTest>

using Side = ScreenEdge::Side;
using Values = std::array<uint32_t, 12>;
Q_DECLARE_METATYPE(Values)

class TestStrutPartial : public QObject {
    Q_OBJECT
private slots:
    void strip_reserved_at_an_edge_data()
    {
        QTest::addColumn<Side>("side");
        QTest::addColumn<QRect>("monitor");
        QTest::addColumn<int>("rootWidth");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<Values>("expected");

        const QRect single(0, 0, 1280, 1024);
        // One monitor alone is read back from a real X server by the screen edge's test. The
        // primary monitor beside a second one: the strut counts from the X screen's edge, across
        // the other monitor.
        dataRow("right edge of the left monitor", Side::Right, single, 1280 + 1920, 146, 600,
            Values { 0, 1920 + 146, 0, 0, 0, 0, 0, 599, 0, 0, 0, 0 });
        dataRow("left edge of the right monitor", Side::Left, QRect(1920, 0, 1280, 1024),
            1920 + 1280, 146, 600, Values { 1920 + 146, 0, 0, 0, 0, 599, 0, 0, 0, 0, 0, 0 });
        dataRow("device pixels at scale 2", Side::Right, QRect(0, 0, 2560, 2048), 2560, 292, 1200,
            Values { 0, 292, 0, 0, 0, 0, 0, 1199, 0, 0, 0, 0 });
    }
    void strip_reserved_at_an_edge()
    {
        QFETCH(Side, side);
        QFETCH(QRect, monitor);
        QFETCH(int, rootWidth);
        QFETCH(int, width);
        QFETCH(int, height);
        const StrutPartial strut
            = StrutPartial::forEdge(side, monitor, rootWidth, width, monitor.y(), height);
        QTEST(strut.values, "expected");
    }
};

QTEST_GUILESS_MAIN(TestStrutPartial)
#include "TestStrutPartial.moc"
