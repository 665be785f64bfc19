#include "XoapDocument.h"

#include "common/Cp1252.h"
#include "common/Numbers.h"

#include <QRegularExpression>
#include <QStringList>

namespace XoapDocument {

namespace {

const char* const kTags[] = { "tmp", "hmid", "dewp", "icon", "r", "t", "vis" };

// The text between "<tag>" and the next "</" on the line; null when the tag is absent, empty or
// not closed on this line.
QString tagValue(const QString& line, const QString& tag)
{
    const QString opening = QLatin1Char('<') + tag + QLatin1Char('>');
    const qsizetype found = line.indexOf(opening);
    if (found < 0)
        return {};
    const qsizetype start = found + opening.size();
    const qsizetype end = line.indexOf(QLatin1String("</"), start);
    if (end <= start)
        return {};
    return line.mid(start, end - start);
}

void store(Values& values, const QString& tag, const QString& value)
{
    if (tag == u"tmp")
        values.temperature = value;
    else if (tag == u"hmid")
        values.humidity = value;
    else if (tag == u"dewp")
        values.dewPoint = value;
    else if (tag == u"r")
        values.pressure = value;
    else if (tag == u"vis")
        values.visibility = value;
    else if (tag == u"icon") {
        if (!values.iconTaken) {
            values.icon = Numbers::LeadingInteger(value);
            values.iconTaken = true;
        }
    } else if (tag == u"t") {
        if (++values.tCount == 2)
            values.wind = value;
    }
}

} // namespace

QString ServerAuthority(const QString& setting)
{
    QString server = setting.trimmed();
    if (server.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        server = server.mid(7);
    while (server.endsWith(QLatin1Char('/')))
        server.chop(1);
    static const QRegularExpression forbidden(QStringLiteral("[\\s/?#@]"));
    if (server.contains(forbidden))
        return {};
    return server;
}

QUrl RequestUrl(const QString& server, const QString& code)
{
    const QString authority = ServerAuthority(server);
    static const QRegularExpression codeForm(QStringLiteral("^[A-Za-z0-9]+$"));
    if (authority.isEmpty() || !codeForm.match(code).hasMatch())
        return {};
    const QUrl url(QStringLiteral("http://") + authority + QStringLiteral("/weather/local/") + code
            + QStringLiteral("?cc=*&prod=xoap&unit=m&par=") + kPartnerId
            + QStringLiteral("&unit=1&key=") + kLicenceKey,
        QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() ? url : QUrl();
}

QString DecodeBody(const QByteArray& body)
{
    const QByteArray head = body.left(200).toLower();
    const qsizetype declarationEnd = head.indexOf("?>");
    const QByteArray declaration
        = head.startsWith("<?xml") && declarationEnd > 0 ? head.left(declarationEnd) : QByteArray();
    if (declaration.contains("iso-8859-1") || declaration.contains("latin1"))
        return QString::fromLatin1(body);
    if (declaration.contains("windows-1252"))
        return Cp1252::decode(body);
    return QString::fromUtf8(body);
}

Values ParseXoap(const QString& document)
{
    Values values;
    QStringList pieces = document.split(QLatin1Char('\n'));
    pieces.removeLast(); // the text after the last line feed is never examined
    for (const QString& piece : std::as_const(pieces)) {
        for (const char* name : kTags) {
            const QString tag = QLatin1String(name);
            const QString value = tagValue(piece, tag);
            if (!value.isEmpty())
                store(values, tag, value);
        }
    }
    return values;
}

QString PictureFileName(qint64 icon)
{
    return QStringLiteral("%1.bmp").arg(icon, 2, 10, QLatin1Char('0'));
}

} // namespace XoapDocument
