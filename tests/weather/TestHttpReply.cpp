#include "weather/HttpReply.h"

#include <QTest>

namespace {

using State = HttpReply::State;

QByteArray header(const QByteArray& fields = {}, const QByteArray& statusLine = "HTTP/1.1 200 OK")
{
    return statusLine + "\r\n" + fields + "\r\n";
}

// The body is only meaningful once complete.
QString describe(const HttpReply& reply)
{
    static const char* const names[] = { "reading", "complete", "failed" };
    return QStringLiteral("%1 %2 [%3] [%4]")
        .arg(QLatin1String(names[int(reply.state())]))
        .arg(reply.status())
        .arg(QString::fromLatin1(reply.location()))
        .arg(reply.state() == State::Complete ? QString::fromLatin1(reply.body()) : QString());
}

} // namespace

class TestHttpReply : public QObject {
    Q_OBJECT

private slots:
    void answer_is_read_whole_or_refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("connectionEnds");
        QTest::addColumn<QString>("expected"); // state, status, [location], [body]
        const QByteArray chunked = header("Transfer-Encoding: chunked\r\n");
        const QByteArray padding(HttpReply::kMaxHeaderBytes, 'a');

        QTest::newRow("sized body")
            << header("Content-Length: 5\r\n") + "hello" << false << "complete 200 [] [hello]";
        QTest::newRow("bytes past the size are no answer's")
            << header("Content-Length: 2\r\n") + "hello" << false << "complete 200 [] [he]";
        QTest::newRow("sized body cut short")
            << header("Content-Length: 10\r\n") + "hello" << true << "failed 200 [] []";
        QTest::newRow("body up to the end")
            << header() + "hello" << true << "complete 200 [] [hello]";
        QTest::newRow("body up to an end not yet come")
            << header() + "hello" << false << "reading 200 [] []";
        QTest::newRow("chunked") << chunked + "5\r\nhello\r\n6;ext=1\r\n world\r\n0\r\n\r\n"
                                 << false << "complete 200 [] [hello world]";
        QTest::newRow("chunked, upper-case size and bare line feeds") << chunked
                + "A\nhellohello\n0\n" << false << "complete 200 [] [hellohello]";
        QTest::newRow("chunked cut short") << chunked + "5\r\nhel" << true << "failed 200 [] []";
        QTest::newRow("chunk size not hexadecimal") << chunked + "5g\r\nhello\r\n"
                                                    << false << "failed 200 [] []";
        QTest::newRow("chunk data longer than its size") << chunked + "2\r\nhello\r\n"
                                                         << false << "failed 200 [] []";
        QTest::newRow("chunk size line that never ends")
            << chunked + QByteArray(HttpReply::kMaxChunkLineBytes + 1, '0') << false
            << "failed 200 [] []";
        QTest::newRow("chunk over the cap") << chunked + "65\r\n" << false << "failed 200 [] []";
        QTest::newRow("chunks over the cap together")
            << chunked + "40\r\n" + QByteArray(64, 'x') + "\r\n40\r\n" + QByteArray(64, 'y')
            << false << "failed 200 [] []";
        QTest::newRow("bare line feeds and HTTP/1.0")
            << QByteArray("HTTP/1.0 200 OK\nContent-Length: 2\n\nok") << false
            << "complete 200 [] [ok]";
        QTest::newRow("status line without reason")
            << QByteArray("HTTP/1.1 200\r\nContent-Length: 2\r\n\r\nok") << false
            << "complete 200 [] [ok]";
        QTest::newRow("interim answer first")
            << header({}, "HTTP/1.1 100 Continue") + header("Content-Length: 2\r\n") + "ok" << false
            << "complete 200 [] [ok]";
        QTest::newRow("no content")
            << header({}, "HTTP/1.1 204 No Content") << false << "complete 204 [] []";
        QTest::newRow("error status") << header("Content-Length: 4\r\n", "HTTP/1.1 404 Not Found")
                + "gone" << false << "complete 404 [] [gone]";
        QTest::newRow("redirection")
            << header("location:  /v2/feed \r\nContent-Length: 0\r\n", "HTTP/1.1 302 Found")
            << false << "complete 302 [/v2/feed] []";
        QTest::newRow("same size twice") << header("Content-Length: 2\r\nContent-Length: 2\r\n")
                + "ok" << false << "complete 200 [] [ok]";
        QTest::newRow("two different sizes") << header("Content-Length: 2\r\nContent-Length: 3\r\n")
                + "ok!" << false << "failed 200 [] []";
        QTest::newRow("negative size")
            << header("Content-Length: -1\r\n") + "ok" << false << "failed 200 [] []";
        QTest::newRow("announced body over the cap")
            << header("Content-Length: 101\r\n") << false << "failed 200 [] []";
        QTest::newRow("body over the cap")
            << header() + QByteArray(101, 'x') << false << "failed 200 [] []";
        QTest::newRow("body at the cap") << header() + QByteArray(100, 'x') << true
                                         << "complete 200 [] [" + QString(100, u'x') + "]";
        QTest::newRow("header section that never ends")
            << "HTTP/1.1 200 OK\r\nX-Padding: " + padding << false << "failed 0 [] []";
        QTest::newRow("header section over the cap")
            << header("X-Padding: " + padding + "\r\n") << false << "failed 0 [] []";
        QTest::newRow("field without a colon")
            << header("Content-Length 2\r\n") + "ok" << false << "failed 200 [] []";
        QTest::newRow("not HTTP") << QByteArray("SSH-2.0-OpenSSH_9.2\r\n\r\n") << false
                                  << "failed 0 [] []";
        QTest::newRow("status not a number")
            << header({}, "HTTP/1.1 2x0 OK") << false << "failed 0 [] []";
        QTest::newRow("nothing before the end") << QByteArray() << true << "failed 0 [] []";
    }

    // Every answer gives the same outcome whether it arrives at once or byte by byte.
    void answer_is_read_whole_or_refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, connectionEnds);
        QFETCH(QString, expected);
        constexpr qsizetype kCap = 100;

        HttpReply atOnce(kCap);
        atOnce.feed(bytes);
        HttpReply byteByByte(kCap);
        for (char c : std::as_const(bytes))
            byteByByte.feed(QByteArrayView(&c, 1));
        if (connectionEnds) {
            atOnce.finishAtEnd();
            byteByByte.finishAtEnd();
        }
        QCOMPARE(describe(atOnce), expected);
        QCOMPARE(describe(byteByByte), expected);
    }
};

QTEST_GUILESS_MAIN(TestHttpReply)
#include "TestHttpReply.moc"
