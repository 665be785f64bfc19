#include "monitors/ScrollingGraph.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Drawing = ScrollingGraph::Drawing;

ScrollingGraph::Look look(int left, int columnWidth, const QString& topText = "100%")
{
    ScrollingGraph::Look look;
    look.left = left;
    look.columnWidth = columnWidth;
    look.background = QColor(0x10, 0x10, 0x10);
    look.textColour = QColor(0xe0, 0xe0, 0xe0);
    look.font.setPixelSize(9);
    look.topText = topText;
    look.topMargin = 1;
    look.bottomText = QStringLiteral("0");
    return look;
}

QImage canvas(QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta); // never shown: every draw must cover it
    return image;
}

// The columns one step later: the oldest goes, a new one comes in at the right.
std::vector<GraphColumn> stepped(std::vector<GraphColumn> columns, GraphColumn newest)
{
    columns.erase(columns.begin());
    columns.push_back(newest);
    return columns;
}

GraphColumn column(int height)
{
    return height > 0 ? GraphColumn { height, height > 30 ? 0xfff00000u : 0xff606060u }
                      : GraphColumn();
}

} // namespace

class TestScrollingGraph : public QObject {
    Q_OBJECT

private slots:
    // Whatever way each tick was drawn, the picture is the one a fresh graph draws whole, and
    // every pixel that changed lies in the area the draw says it changed.
    void every_tick_matches_a_whole_drawing_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<int>("count");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("processor graph") << 0 << 1 << 130 << QSize(130, 36) << 1.0 << true;
        QTest::newRow("bandwidth graph") << 14 << 2 << 61 << QSize(136, 22) << 1.0 << true;
        QTest::newRow("double density") << 14 << 2 << 61 << QSize(136, 22) << 2.0 << true;
        QTest::newRow("wide columns") << 0 << 10 << 12 << QSize(120, 36) << 1.0 << true;
        QTest::newRow("fractional density") << 0 << 1 << 130 << QSize(130, 36) << 1.5 << false;
    }
    void every_tick_matches_a_whole_drawing()
    {
        QFETCH(int, left);
        QFETCH(int, columnWidth);
        QFETCH(int, count);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        QFETCH(bool, scrolls);
        QRandomGenerator random(7);
        ScrollingGraph graph;
        QImage image = canvas(size, ratio);
        std::vector<GraphColumn> columns(static_cast<size_t>(count));
        const ScrollingGraph::Look scale = look(left, columnWidth);
        QCOMPARE(graph.draw(image, columns, scale), Drawing::Whole);
        for (int tick = 0; tick < 80; ++tick) {
            // Mostly quiet seconds, with bursts taller than the graph now and then.
            const int height = random.bounded(4) == 0 ? random.bounded(size.height() + 10) : 0;
            const std::vector<GraphColumn> next = stepped(columns, column(height));
            const Drawing expected = next == columns
                ? Drawing::Nothing
                : (scrolls ? Drawing::Scrolled : Drawing::Whole);
            const QImage before = image;
            QCOMPARE(graph.draw(image, next, scale), expected);
            columns = next;
            const QRect changed(graph.changed().topLeft() * ratio, graph.changed().size() * ratio);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!changed.contains(x, y) && image.pixel(x, y) != before.pixel(x, y))
                        QFAIL(qPrintable(QString("pixel %1,%2 changed outside").arg(x).arg(y)));

            ScrollingGraph fresh;
            QImage whole = canvas(size, ratio);
            fresh.draw(whole, columns, scale);
            QCOMPARE(image, whole);
        }
    }

    void a_change_of_scale_text_or_colours_redraws_everything()
    {
        ScrollingGraph graph;
        QImage image = canvas({ 136, 22 }, 1);
        std::vector<GraphColumn> columns(61, column(5));
        QCOMPARE(graph.draw(image, columns, look(14, 2, "10 Ko")), Drawing::Whole);
        QCOMPARE(graph.draw(image, columns, look(14, 2, "10 Ko")), Drawing::Nothing);
        QCOMPARE(graph.draw(image, columns, look(14, 2, "20 Ko")), Drawing::Whole);
        ScrollingGraph::Look dark = look(14, 2, "20 Ko");
        dark.background = Qt::black;
        QCOMPARE(graph.draw(image, stepped(columns, column(9)), dark), Drawing::Whole);
        QCOMPARE(image.pixelColor(20, 0), QColor(Qt::black));
        graph.forget();
        QCOMPARE(graph.draw(image, stepped(columns, column(9)), dark), Drawing::Whole);
    }
};

QTEST_MAIN(TestScrollingGraph)
#include "TestScrollingGraph.moc"
