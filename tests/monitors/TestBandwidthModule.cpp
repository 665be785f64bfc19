#include "ProcFixture.h"
#include "TestApp.h"
#include "monitors/DrawingBox.h"
#include "monitors/frmLAN.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QColor kTitle = SkinState::toColor(0x606060);

// The module reading a prepared /proc/net/dev with one interface.
struct LanBench {
    TestApp app { false };
    ProcFixture proc;
    std::unique_ptr<frmLAN> module;
    qint64 received = 1'000'000;

    LanBench()
    {
        app.skin.colorTextTitle = 0x606060;
        app.context.platform.interfaces = &proc.interfaces;
        tick(0);
        module = std::make_unique<frmLAN>(app.context);
        module->setNumberLocale(QLocale(QLocale::French));
        module->ReadLANCounters();
    }
    // One second with these many bytes received and sent.
    void tick(qint64 bytes, bool hidden = false)
    {
        received += bytes;
        proc.writeNetDev({ { "eth0", received, received } });
        if (module)
            module->sampleTick(hidden);
    }
    QString text(const char* name) const
    {
        return module->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QPushButton* button() const
    {
        return module->findChild<QPushButton*>(QStringLiteral("cmdPelnorix"));
    }
    const BandwidthHistory& history() const { return module->downloadHistory(); }
    // Height of the newest bar of the download graph, and that graph's height.
    std::pair<int, int> newestBar() const
    {
        const QImage graph
            = module->findChild<DrawingBox*>(QStringLiteral("pictBandWidthDownload"))->image();
        int height = 0;
        for (int y = 0; y < graph.height(); ++y)
            height += graph.pixelColor(graph.width() - 1, y) == kTitle;
        return { height, graph.height() };
    }
};

} // namespace

class TestBandwidthModule : public QObject {
    Q_OBJECT

private slots:
    // The first tick measures from the reading taken at start-up.
    void rate_text_and_history_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("history");
        QTest::newRow("1536 B/s") << qint64(1536) << "1,50 Ko/s" << 2;
        QTest::newRow("half rounds to even") << qint64(2560) << "2,50 Ko/s" << 2;
        QTest::newRow("no grouping") << qint64(12'345 * 1024) << "12345,00 Ko/s" << 12345;
        QTest::newRow("counter going backwards: 0, never negative")
            << qint64(-5000) << "0,00 Ko/s" << 0;
    }
    void rate_text_and_history()
    {
        QFETCH(qint64, bytes);
        LanBench bench;
        bench.tick(bytes);
        QTEST(bench.text("labDownloadSec"), "text");
        QTEST(bench.text("labUploadSec"), "text");
        QTEST(bench.module->downloadHistory().value(60), "history");
        QTEST(bench.module->uploadHistory().value(60), "history");
    }

    void graph_scale_data()
    {
        QTest::addColumn<QList<int>>("ratesKo"); // one a second
        QTest::addColumn<int>("scale");
        QTest::addColumn<double>("newestBar"); // share of the graph's height
        QTest::newRow("never below 10") << QList<int> { 3 } << 10 << 0.3;
        QTest::newRow("a new peak is cut off on its first tick")
            << QList<int> { 3, 40 } << 10 << 1.0;
        QTest::newRow("then sets the scale") << QList<int> { 3, 40, 20 } << 40 << 0.5;
        QTest::newRow("for one minute") << QList<int> { 50 } + QList<int>(60, 1) << 50 << 0.02;
        QTest::newRow("61 s later it has gone")
            << QList<int> { 50 } + QList<int>(61, 1) << 10 << 0.1;
    }
    void graph_scale()
    {
        QFETCH(QList<int>, ratesKo);
        QFETCH(double, newestBar);
        LanBench bench;
        for (int rate : ratesKo)
            bench.tick(rate * 1024);
        QTEST(bench.history().scale(), "scale");
        const auto [height, full] = bench.newestBar();
        QCOMPARE(height, int(std::lround(newestBar * full)));
    }

    // Quiet seconds leave the graph's image untouched; while the bar is hidden the labels and
    // the history follow, the graph does not.
    void graph_is_drawn_only_when_it_changes_and_is_seen()
    {
        LanBench bench;
        bench.tick(0);
        const auto graph = [&] {
            return bench.module->findChild<DrawingBox*>(QStringLiteral("pictBandWidthDownload"))
                ->image()
                .cacheKey();
        };
        const qint64 quiet = graph();
        bench.tick(0);
        bench.tick(0);
        QCOMPARE(graph(), quiet);
        bench.tick(5 * 1024);
        QVERIFY(graph() != quiet);
        const auto before = bench.newestBar();
        bench.tick(8 * 1024, true);
        QCOMPARE(bench.text("labDownloadSec"), QStringLiteral("8,00 Ko/s"));
        QCOMPARE(bench.history().value(60), 8);
        QCOMPARE(bench.newestBar(), before);
    }

    // The button opens the desktop's network settings, and is disabled while there is no tool.
    void tools_button_opens_the_network_settings()
    {
        LanBench bench;
        RecordingLauncher& launcher = bench.app.fakes.launcher;
        QVERIFY(!bench.button()->isEnabled());
        QVERIFY(!bench.button()->toolTip().isEmpty());

        launcher.available = { QStringLiteral("nm-connection-editor") };
        SkinImages images(bench.app.appDir() + QLatin1Char('/'));
        bench.module->applySkin(images); // the bar rebuilt after the options were saved
        QVERIFY(bench.button()->isEnabled());
        QTest::mouseClick(bench.button(), Qt::LeftButton);
        QCOMPARE(launcher.started, { QStringList { "/usr/bin/nm-connection-editor" } });

        launcher.succeed = false;
        QTest::mouseClick(bench.button(), Qt::LeftButton);
        QCOMPARE(bench.app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(bench.app.fakes.dialogs.messages[0].text,
            QStringLiteral("Les param\u00e8tres r\u00e9seau n'ont pas pu \u00eatre ouverts :\n"
                           "/usr/bin/nm-connection-editor"));

        // Removed while the bar runs: the click finds nothing and the button turns off.
        launcher.available.clear();
        QTest::mouseClick(bench.button(), Qt::LeftButton);
        QVERIFY(!bench.button()->isEnabled());
        QCOMPARE(launcher.started.size(), 2);
    }
};

QTEST_MAIN(TestBandwidthModule)
#include "TestBandwidthModule.moc"
