#include "PhotoSource.h"
#include "shell/SettingsKeys.h"

#include "AppContext.h"
#include "SettingsStore.h"
#include "Skin.h"

#include <QFileInfo>

namespace PhotoSource {

QString PictureToShow(const AppContext& context)
{
    const QString photo = context.settings->value(Keys::Photo);
    if (!photo.isEmpty() && QFileInfo(photo).isFile())
        return photo;
    const QString logo = Skin::SkinFolder(context, QString()) + QStringLiteral("tolvane_logo.bmp");
    return QFileInfo(logo).isFile() ? logo : QString();
}

QSize FittedSize(const QSize& picture, int width, int maxHeight)
{
    if (picture.isEmpty())
        return {};
    // The largest size inside width x maxHeight: the full width unless that is too tall.
    return picture.scaled(width, maxHeight, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace PhotoSource
