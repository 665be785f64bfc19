#include "platform/linux/StartupPages.h"

#include <QtTest>

using Ranges = QList<std::pair<quintptr, quintptr>>;

class TestStartupPages : public QObject {
    Q_OBJECT

private slots:
    void releasable_mappings_data()
    {
        QTest::addColumn<QByteArray>("smaps");
        QTest::addColumn<Ranges>("ranges");
        QTest::newRow("code and constants of a library")
            << QByteArray(
                   "7f0000001000-7f0000005000 r-xp 00001000 08:01 42 /usr/lib/libQt6Core.so.6\n"
                   "Rss:                  16 kB\nAnonymous:             0 kB\nSwap:   0 kB\n"
                   "VmFlags: rd ex mr mw me\n"
                   "7f0000005000-7f0000006000 r--p 00005000 08:01 42 /usr/lib/libQt6Core.so.6\n"
                   "Anonymous:             0 kB\n")
            << Ranges { { 0x7f0000001000, 0x7f0000005000 }, { 0x7f0000005000, 0x7f0000006000 } };
        QTest::newRow("relocated constants, swapped copies, written data are kept") << QByteArray(
            "7f0000005000-7f0000006000 r--p 00005000 08:01 42 /usr/lib/libQt6Core.so.6\n"
            "Anonymous:             4 kB\nSwap:      0 kB\n"
            "7f0000006000-7f0000007000 r--p 00006000 08:01 42 /usr/lib/libQt6Core.so.6\n"
            "Anonymous:             0 kB\nSwap:      8 kB\n"
            "7f0000007000-7f0000008000 rw-p 00007000 08:01 42 /usr/lib/libQt6Core.so.6\n"
            "Anonymous:             0 kB\n") << Ranges {};
        QTest::newRow("heap, stack, anonymous and shared memory are kept")
            << QByteArray("55d000000000-55d000100000 rw-p 00000000 00:00 0 [heap]\n"
                          "7ffd00000000-7ffd00021000 rw-p 00000000 00:00 0 [stack]\n"
                          "7f0000008000-7f0000009000 r--p 00000000 00:00 0\n"
                          "7f000000a000-7f000000b000 r--s 00000000 00:05 7 /memfd:xorg (deleted)\n")
            << Ranges {};
        QTest::newRow("a path with spaces, a font, no line end")
            << QByteArray(
                   "7f0000010000-7f0000020000 r--p 00000000 08:01 9 /usr/share/fonts/My Font.ttf")
            << Ranges { { 0x7f0000010000, 0x7f0000020000 } };
        QTest::newRow("lines that make no sense") << QByteArray(
            "zz-7f r--p 0 08:01 9 /lib/a.so\n7f0000020000-7f0000010000 r--p 0 08:01 9 /lib/b.so\n"
            "1-2-3 r--p 0 08:01 9 /lib/c.so\nshort line\n\n")
                                                  << Ranges {};
    }
    void releasable_mappings()
    {
        QFETCH(QByteArray, smaps);
        Ranges found;
        for (const StartupPages::Range& range : StartupPages::ReleasableRanges(smaps))
            found.append({ range.start, range.end });
        QTEST(found, "ranges");
    }

    // Pages let go of are read again on use: code, constants and relocated tables keep working.
    void the_process_runs_on_after_release()
    {
        const QString before = QLocale(QLocale::French).toString(1234.5, 'f', 2);
        QVERIFY(StartupPages::Release());
        QCOMPARE(QLocale(QLocale::French).toString(1234.5, 'f', 2), before);
        QCOMPARE(QString::number(42), QStringLiteral("42"));
        QObject object; // its class is read through a table the library relocated at load
        QCOMPARE(object.metaObject()->className(), "QObject");
    }
};

QTEST_MAIN(TestStartupPages)
#include "TestStartupPages.moc"
