#include "DataRow.h"
#include "common/StringTools.h"

#include <QtTest>

#include <stdexcept>

using namespace StringTools;

class TestStringTools : public QObject {
    Q_OBJECT
private slots:
    void strAfter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");
        dataRow("empty text", "", ";", "");
        dataRow("absent one-char separator keeps the text", "abc", ";", "abc");
        dataRow("absent two-char separator drops one char", "abcd", "::", "bcd");
        dataRow("separator at the end", "abc;", ";", "");
        dataRow("multi-char separator", "key::value::x", "::", "value::x");
    }
    void strAfter()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QTEST(StrAfter(text, separator), "expected");
    }

    void strBefore_and_its_invalid_arguments()
    {
        QVERIFY_THROWS_EXCEPTION(
            std::invalid_argument, StrBefore(QStringLiteral("abc"), QStringLiteral(";")));
        QVERIFY_THROWS_EXCEPTION(
            std::invalid_argument, StrAfter(QStringLiteral("ab"), QStringLiteral("::::")));
        QCOMPARE(StrBefore(QString(), QStringLiteral(";")), QString());
        QCOMPARE(StrBefore(QStringLiteral("FRXX0076;(France) Paris"), QStringLiteral(";")),
            QStringLiteral("FRXX0076"));
    }

    void truncateText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("expected");
        dataRow("30 chars cut at 22", QString(30, u'x'), 22,
            QString(22, u'x') + QStringLiteral(" ..."));
        dataRow("exactly 22 unchanged", QString(22, u'y'), 22, QString(22, u'y'));
        dataRow("empty", "", 5, "");
    }
    void truncateText()
    {
        QFETCH(QString, text);
        QFETCH(int, maxLength);
        QTEST(TruncateText(text, maxLength), "expected");
    }

    void shortenMiddle_data()
    {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("kept");
        dataRow("22 keeps 10", 22, 10);
        dataRow("23 keeps 10, half to even", 23, 10);
        dataRow("25 keeps 12, half to even", 25, 12);
    }
    void shortenMiddle()
    {
        QFETCH(int, maxLength);
        QFETCH(int, kept);
        const QString text = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
        const QString result = ShortenMiddle(text, maxLength);
        QCOMPARE(result, text.left(kept) + QStringLiteral("..") + text.right(kept));
        QCOMPARE(ShortenMiddle(QStringLiteral("short"), maxLength), QStringLiteral("short"));
    }
};

QTEST_APPLESS_MAIN(TestStringTools)
#include "TestStringTools.moc"
