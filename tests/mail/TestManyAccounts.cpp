#include "MailModuleFixture.h"

#include <QFile>
#include <QtTest>

class TestManyAccounts : public QObject {
    Q_OBJECT

private slots:
    void status_picture_stops_at_the_screen_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("screenHeight");
        QTest::newRow("three accounts") << 3 << 1024;
        QTest::newRow("20,000 lines of garbage") << 20000 << 1024;
        QTest::newRow("100,000 lines, tall screen") << 100000 << 2160;
    }
    void status_picture_stops_at_the_screen()
    {
        QFETCH(int, lines);
        QFETCH(int, screenHeight);
        MailModuleFixture bench;
        bench.app.fakes.screen.rect = QRect(0, 0, 1920, screenHeight);
        QFile file(EmailAccountsFile::path(bench.app.dataDir()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int n = 0; n < lines; ++n)
            file.write(n % 2 ? "zz\r\n" : "0123456789abcdef\r\n");
        file.close();
        bench.module->LoadEmailAccounts();
        const double height = bench.module->layoutHeight();
        QCOMPARE(bench.module->NbEmailAccounts(), lines); // every one is still checked
        const int perAccount = 2 * bench.module->lineHeight();
        QCOMPARE(bench.module->DrawnEmailAccounts(), std::min(lines, screenHeight / perAccount));
        QVERIFY(height <= screenHeight + 20);
        QVERIFY(bench.module->statusImage().height() <= screenHeight);
        QCOMPARE(
            bench.module->statusImage().height(), bench.module->DrawnEmailAccounts() * perAccount);
    }
};

QTEST_MAIN(TestManyAccounts)
#include "TestManyAccounts.moc"
