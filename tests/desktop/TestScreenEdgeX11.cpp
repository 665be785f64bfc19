#include "TestApp.h"
#include "XvfbServer.h"
#include "app/frmTolvane.h"
#include "platform/linux/X11ScreenEdge.h"
#include "shell/SettingsKeys.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

// The bar's window as the window manager sees it, read back with xprop from a private Xvfb: a
// dock on every desktop that reserves its strip of the screen edge, shown and slid away.
class TestScreenEdgeX11 : public QObject {
    Q_OBJECT

    static QString xprop(WId window, const char* property)
    {
        QProcess process;
        process.start(QStringLiteral("xprop"),
            { QStringLiteral("-id"), QString::number(window), QLatin1String(property) });
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    // "_NET_WM_STRUT_PARTIAL(CARDINAL) = 0, 146, 0, ..." as numbers.
    static QList<qint64> numbers(const QString& line)
    {
        QList<qint64> values;
        const QString list = line.section(u'=', 1);
        for (const QString& part : list.split(u',', Qt::SkipEmptyParts))
            values.append(part.trimmed().toLongLong());
        return values;
    }

private slots:
    void init()
    {
        if (!XvfbServer::available())
            QSKIP("Xvfb is not installed (Debian package xvfb)");
        if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
            QSKIP("xprop is not installed (Debian package x11-utils)");
    }

    void dock_reserves_its_strip_shown_and_slid_away_data()
    {
        QTest::addColumn<bool>("dockLeft");
        QTest::addColumn<bool>("reserve");
        QTest::newRow("right edge") << false << true;
        QTest::newRow("left edge") << true << true;
        QTest::newRow("reservation switched off") << false << false;
    }
    void dock_reserves_its_strip_shown_and_slid_away()
    {
        QFETCH(bool, dockLeft);
        QFETCH(bool, reserve);
        TestApp app;
        X11ScreenEdge edge;
        app.context.platform.screenEdge = &edge;
        app.settings->save(Keys::SplashScreen, QStringLiteral("0"));
        app.settings->save(Keys::Position, dockLeft ? QStringLiteral("1") : QStringLiteral("0"));
        app.settings->save(
            Keys::ReserveScreenEdge, reserve ? QStringLiteral("1") : QStringLiteral("0"));
        frmTolvane bar(app.context);
        bar.Start();
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const WId id = bar.winId();

        QVERIFY(xprop(id, "_NET_WM_WINDOW_TYPE")
                    .endsWith(QStringLiteral("= _NET_WM_WINDOW_TYPE_DOCK")));
        const QString state = xprop(id, "_NET_WM_STATE");
        for (const char* flag :
            { "_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER" })
            QVERIFY2(state.contains(QLatin1String(flag)), qPrintable(state));
        QCOMPARE(numbers(xprop(id, "_NET_WM_DESKTOP")), QList<qint64> { 0xFFFFFFFF });

        const auto expected = [&](int width) { // the strut along the bar's whole height
            const qint64 reserved = reserve ? width : 0, end = reserved ? bar.height() - 1 : 0;
            return dockLeft ? QList<qint64> { reserved, 0, 0, 0, 0, end, 0, 0, 0, 0, 0, 0 }
                            : QList<qint64> { 0, reserved, 0, 0, 0, 0, 0, end, 0, 0, 0, 0 };
        };
        QCOMPARE(numbers(xprop(id, "_NET_WM_STRUT_PARTIAL")), expected(frmTolvane::kWidth));

        bar.hideBar();
        QTRY_VERIFY(!bar.isSliding());
        const int strip = dockLeft ? bar.x() + bar.width() : 1280 - bar.x();
        QVERIFY(strip > 0 && strip < 20);
        QCOMPARE(numbers(xprop(id, "_NET_WM_STRUT_PARTIAL")), expected(strip));
        QCOMPARE(numbers(xprop(id, "_NET_WM_STRUT")).mid(0, 2),
            expected(strip).mid(0, 2)); // the older property agrees

        bar.showBarAgain();
        QTRY_VERIFY(!bar.isSliding());
        QCOMPARE(numbers(xprop(id, "_NET_WM_STRUT_PARTIAL")), expected(frmTolvane::kWidth));
    }
};

int main(int argc, char* argv[])
{
    XvfbServer xvfb;
    XvfbServer::startForThisProcess(xvfb);
    QApplication app(argc, argv);
    TestScreenEdgeX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestScreenEdgeX11.moc"
