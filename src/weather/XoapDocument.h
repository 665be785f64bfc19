#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The current-conditions document of the XOAP weather feed: how it is requested and what is
// read from it. The document is scanned line by line for seven tags; there is no XML parser,
// so a value must open and close on one line.
namespace XoapDocument {

inline const QString kPartnerId = QStringLiteral("4417093826");
inline const QString kLicenceKey = QStringLiteral("5c0e9b27d1f84a6390be72c4a8d15f03");

struct Values {
    QString temperature; // "tmp"
    QString humidity; // "hmid"
    QString dewPoint; // "dewp"
    QString pressure; // "r"
    QString wind; // the second non-empty "t"
    QString visibility; // "vis"
    qint64 icon = 0; // the first non-empty "icon"
    bool iconTaken = false;
    int tCount = 0;
};

// "host" or "host:port" as the user typed it; a leading "http://" and trailing "/" are
// forgiven. Empty when nothing usable is left.
QString ServerAuthority(const QString& setting);

// "http://" + server + "/weather/local/" + code + the query the feed expects (the unit is
// sent twice, "m" then "1"). An invalid URL when the server or the code cannot be used.
QUrl RequestUrl(const QString& server, const QString& code);

// The body decoded as the XML declaration says (ISO-8859-1 or windows-1252), UTF-8 otherwise.
QString DecodeBody(const QByteArray& body);

// Reads the seven values. Every piece before a line feed is examined; the text after the last
// line feed never is.
Values ParseXoap(const QString& document);

// "05.bmp" for icon 5, "30.bmp" for 30.
QString PictureFileName(qint64 icon);

} // namespace XoapDocument
