#pragma once

#include "FeedServer.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "weather/frmMeteo.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

// One weather module in its own AppDir with plain-coloured placeholder pictures, fed by the
// test's local server.
namespace MeteoBench {

const QColor kPlaceholder(200, 0, 0); // na.bmp
const QString kWaiting = QStringLiteral("NC|NC|<n/a>|<n/a>|<n/a>|<n/a>");
const QString kNotAvailable = QStringLiteral("N/A|N/A|<n/a>|<n/a>|<n/a>|<n/a>");
const char* const kValueLabels[]
    = { "labTemperature", "labHumidite", "labRosee", "labPression", "labVent", "labVisibilite" };

// A port of 127.0.0.1 where nothing listens.
inline quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

struct Module {
    TestApp app { false };
    frmMeteo meteo { app.context };

    // pictures: file names under images/ and their colours, beside the placeholder.
    explicit Module(const QList<QPair<const char*, QColor>>& pictures)
    {
        writePicture(app.appDir() + QStringLiteral("/images/na.bmp"), QSize(8, 8), kPlaceholder);
        for (const auto& [name, colour] : pictures)
            writePicture(app.appDir() + QStringLiteral("/images/") + QLatin1String(name),
                QSize(8, 8), colour);
    }
    QString text(const char* name) const { return meteo.findChild<QLabel*>(name)->text(); }
    QString values() const // temperature|humidity|dew point|pressure|wind|visibility
    {
        QStringList shown;
        for (const char* name : kValueLabels)
            shown << text(name);
        return shown.join(QLatin1Char('|'));
    }
    QColor pictureColour() const
    {
        const QPixmap pixmap = meteo.findChild<QLabel*>(QStringLiteral("pictMeteo"))->pixmap();
        return pixmap.isNull() ? QColor() : pixmap.toImage().pixelColor(0, 0);
    }
    bool fetch(int timeoutMs = 5000)
    {
        QSignalSpy shown(&meteo, &frmMeteo::weatherShown);
        meteo.ConnectToWeather();
        return !shown.isEmpty() || shown.wait(timeoutMs); // an unusable address fails at once
    }
};

} // namespace MeteoBench
