#include "ProcFixture.h"
#include "TestApp.h"
#include "monitors/DrawingBox.h"
#include "monitors/frmLAN.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor kTitle(94, 234, 212);

// The module reading a prepared /proc/net/dev with one interface.
struct LanBench {
    TestApp app { false };
    ProcFixture proc;
    std::unique_ptr<frmLAN> module;
    qint64 received = 1'000'000;
    qint64 sent = 5'000;

    LanBench()
    {
        app.skin.colorTextTitle = kTitle.red() + 256 * kTitle.green() + 65536 * kTitle.blue();
        app.context.platform.interfaces = &proc.interfaces;
        write();
        module = std::make_unique<frmLAN>(app.context);
        module->setNumberLocale(QLocale(QLocale::French));
        module->ReadLANCounters();
    }
    void write() { proc.writeNetDev({ { QStringLiteral("eth0"), received, sent } }); }
    void tick(qint64 receivedBytes, qint64 sentBytes = 0, bool hidden = false)
    {
        received += receivedBytes;
        sent += sentBytes;
        write();
        module->sampleTick(hidden);
    }
    QString text(const char* name) const
    {
        return module->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QImage graph(const char* name) const
    {
        return module->findChild<DrawingBox*>(QLatin1String(name))->image();
    }
};

int barHeight(const QImage& graph, int x)
{
    int height = 0;
    for (int y = 0; y < graph.height(); ++y)
        height += graph.pixelColor(x, y) == kTitle;
    return height;
}

} // namespace

class TestBandwidthModule : public QObject {
    Q_OBJECT

private slots:
    void captions()
    {
        LanBench bench;
        QCOMPARE(bench.text("labDownload"), QStringLiteral("R\u00e9ception"));
        QCOMPARE(bench.text("labUpload"), QStringLiteral("Envoi"));
        QCOMPARE(bench.text("labIPADPUBINF"), QStringLiteral("IP Ext.:"));
        QCOMPARE(bench.module->findChild<QPushButton*>(QStringLiteral("cmdPelnorix"))->text(),
            QStringLiteral("Outils R\u00e9seau"));
    }

    void rate_text_and_history_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("history");
        QTest::newRow("1536 B/s") << qint64(1536) << "1,50 Ko/s" << 2;
        QTest::newRow("nothing") << qint64(0) << "0,00 Ko/s" << 0;
        QTest::newRow("half rounds to even") << qint64(2560) << "2,50 Ko/s" << 2;
        QTest::newRow("no grouping") << qint64(12'345 * 1024) << "12345,00 Ko/s" << 12345;
    }
    void rate_text_and_history()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QFETCH(int, history);
        LanBench bench;
        bench.tick(bytes, bytes);
        QCOMPARE(bench.text("labDownloadSec"), text);
        QCOMPARE(bench.text("labUploadSec"), text);
        QCOMPARE(bench.module->downloadHistory().value(60), history);
        QCOMPARE(bench.module->uploadHistory().value(60), history);
    }

    void first_tick_measures_from_the_start_up_reading()
    {
        LanBench bench;
        bench.tick(2048);
        QCOMPARE(bench.text("labDownloadSec"), QStringLiteral("2,00 Ko/s"));
    }

    void counter_going_backwards_gives_zero_not_a_negative_rate()
    {
        LanBench bench;
        bench.tick(4096);
        bench.received = 100; // wrapped, or the interface was replaced
        bench.tick(0);
        QCOMPARE(bench.text("labDownloadSec"), QStringLiteral("0,00 Ko/s"));
        QCOMPARE(bench.module->downloadHistory().value(60), 0);
        bench.tick(1024);
        QCOMPARE(bench.text("labDownloadSec"), QStringLiteral("1,00 Ko/s"));
    }

    void scale_never_below_ten_and_set_by_earlier_peaks()
    {
        LanBench bench;
        bench.tick(3 * 1024);
        QCOMPARE(bench.module->downloadHistory().scale(), 10);
        const QImage small = bench.graph("pictBandWidthDownload");
        QCOMPARE(barHeight(small, small.width() - 1), int(std::lround(3.0 * small.height() / 10)));
        bench.tick(40 * 1024); // a new peak is cut off at the top on its first tick
        QCOMPARE(bench.module->downloadHistory().scale(), 10);
        QCOMPARE(
            barHeight(bench.graph("pictBandWidthDownload"), small.width() - 1), small.height());
        bench.tick(20 * 1024); // from the next tick on it sets the scale
        QCOMPARE(bench.module->downloadHistory().scale(), 40);
        QCOMPARE(barHeight(bench.graph("pictBandWidthDownload"), small.width() - 1),
            int(std::lround(20.0 * small.height() / 40)));
    }

    void history_keeps_one_minute()
    {
        LanBench bench;
        bench.tick(50 * 1024);
        for (int i = 0; i < 60; ++i)
            bench.tick(1024);
        QCOMPARE(bench.module->downloadHistory().value(0), 50);
        QCOMPARE(bench.module->downloadHistory().scale(), 50);
        bench.tick(1024); // 61 seconds later the peak has left the graph
        QCOMPARE(bench.module->downloadHistory().value(0), 1);
        QCOMPARE(bench.module->downloadHistory().scale(), 10);
    }

    void hidden_bar_updates_labels_and_history_but_not_the_graph()
    {
        LanBench bench;
        bench.tick(5 * 1024);
        const QImage before = bench.graph("pictBandWidthDownload");
        bench.tick(8 * 1024, 0, true);
        QCOMPARE(bench.text("labDownloadSec"), QStringLiteral("8,00 Ko/s"));
        QCOMPARE(bench.module->downloadHistory().value(60), 8);
        QCOMPARE(bench.graph("pictBandWidthDownload"), before);
    }

    void address_label_shows_the_last_address_of_the_host()
    {
        LanBench bench;
        bench.app.fakes.hosts.resolved = { QStringLiteral("127.0.1.1"), QStringLiteral("10.0.0.1"),
            QStringLiteral("192.168.1.7") };
        bench.module->ShowIPAddress();
        QCOMPARE(bench.text("labIPPublic"), QStringLiteral("192.168.1.7"));
    }

    void tools_button_asks_for_the_network_tools()
    {
        LanBench bench;
        QSignalSpy spy(bench.module.get(), &frmLAN::networkToolsRequested);
        QTest::mouseClick(
            bench.module->findChild<QPushButton*>(QStringLiteral("cmdPelnorix")), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestBandwidthModule)
#include "TestBandwidthModule.moc"
