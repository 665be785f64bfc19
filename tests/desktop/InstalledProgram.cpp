#include "InstalledProgram.h"

#include "TestFiles.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

namespace InstalledProgram {

QString run(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(120000);
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

QProcessEnvironment freshUser(const QTemporaryDir& home, const QString& skin)
{
    writeBytes(home.filePath(QStringLiteral("config/tolvane/tolvane.ini")),
        "[Options]\r\nSplashScreen=0\r\nDisplayTransparency=0\r\nSkin=" + skin.toUtf8() + "\r\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("TOLVANE_NO_DIALOGS"), QStringLiteral("1"));
    return env;
}

QRect barGeometry()
{
    QProcess process;
    process.start(QStringLiteral("xwininfo"), { QStringLiteral("-root"), QStringLiteral("-tree") });
    process.waitForFinished(10000);
    static const QRegularExpression line(QStringLiteral(
        "\"Tolvane\": \\(\"tolvane\" \"Tolvane\"\\)\\s+146x(\\d+)\\+(-?\\d+)\\+(-?\\d+)"));
    const auto match = line.match(QString::fromUtf8(process.readAllStandardOutput()));
    if (!match.hasMatch())
        return {};
    return QRect(
        match.captured(2).toInt(), match.captured(3).toInt(), 146, match.captured(1).toInt());
}

QColor pixelOnScreen(const QPoint& at)
{
    const QImage shot
        = QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage();
    return shot.isNull() ? QColor() : shot.pixelColor(0, 0);
}

} // namespace InstalledProgram
