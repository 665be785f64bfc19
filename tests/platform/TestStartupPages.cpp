#include "platform/linux/StartupPages.h"

#include <QtTest>

using Ranges = QList<std::pair<quintptr, quintptr>>;

class TestStartupPages : public QObject {
    Q_OBJECT

private slots:
    void read_only_file_mappings_data()
    {
        QTest::addColumn<QByteArray>("maps");
        QTest::addColumn<Ranges>("ranges");
        QTest::newRow("code and constants of a library")
            << QByteArray(
                   "7f0000001000-7f0000005000 r-xp 00001000 08:01 42 /usr/lib/libQt6Core.so.6\n"
                   "7f0000005000-7f0000006000 r--p 00005000 08:01 42 /usr/lib/libQt6Core.so.6\n")
            << Ranges { { 0x7f0000001000, 0x7f0000005000 }, { 0x7f0000005000, 0x7f0000006000 } };
        QTest::newRow("written data, heap, stack and anonymous memory are kept") << QByteArray(
            "7f0000006000-7f0000007000 rw-p 00006000 08:01 42 /usr/lib/libQt6Core.so.6\n"
            "55d000000000-55d000100000 rw-p 00000000 00:00 0 [heap]\n"
            "7ffd00000000-7ffd00021000 rw-p 00000000 00:00 0 [stack]\n"
            "7f0000008000-7f0000009000 r--p 00000000 00:00 0\n"
            "7f000000a000-7f000000b000 r--s 00000000 00:05 7 /memfd:xorg (deleted)\n")
                                                                                 << Ranges {};
        QTest::newRow("a path with spaces, a font")
            << QByteArray(
                   "7f0000010000-7f0000020000 r--p 00000000 08:01 9 /usr/share/fonts/My Font.ttf")
            << Ranges { { 0x7f0000010000, 0x7f0000020000 } };
        QTest::newRow("lines that make no sense") << QByteArray(
            "zz-7f r--p 0 08:01 9 /lib/a.so\n7f0000020000-7f0000010000 r--p 0 08:01 9 /lib/b.so\n"
            "short line\n\n") << Ranges {};
    }
    void read_only_file_mappings()
    {
        QFETCH(QByteArray, maps);
        Ranges found;
        for (const StartupPages::Range& range : StartupPages::ReadOnlyFileRanges(maps))
            found.append({ range.start, range.end });
        QTEST(found, "ranges");
    }

    // The pages handed back are read again on use: code and constants keep working.
    void the_process_runs_on_after_release()
    {
        const QString before = QLocale(QLocale::French).toString(1234.5, 'f', 2);
        StartupPages::Release();
        QCOMPARE(QLocale(QLocale::French).toString(1234.5, 'f', 2), before);
        QCOMPARE(QString::number(42), QStringLiteral("42"));
    }
};

QTEST_MAIN(TestStartupPages)
#include "TestStartupPages.moc"
