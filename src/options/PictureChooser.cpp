#include "PictureChooser.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStringList>

namespace PictureChooser {

QString Title()
{
    return QStringLiteral("Choisissez une image...");
}

QString Filter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    }
    return QStringLiteral("Images (%1)").arg(patterns.join(u' '));
}

QString Choose(Dialogs& dialogs, const QString& current)
{
    const QString folder = current.isEmpty() ? QDir::homePath() : QFileInfo(current).absolutePath();
    const QString chosen = dialogs.getOpenFileName(Title(), folder, Filter());
    return chosen.isEmpty() ? current : chosen;
}

} // namespace PictureChooser
