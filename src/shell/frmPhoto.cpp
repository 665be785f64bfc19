#include "frmPhoto.h"
#include "shell/SettingsKeys.h"

#include "PhotoSource.h"
#include "SettingsStore.h"

#include <QImageReader>

frmPhoto::frmPhoto(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmPhoto"), QStringLiteral("imgBgPhoto"), 110, context, parent)
    , m_photo(addPicture(QStringLiteral("imgPhoto"), { kMargin, kMargin, kPictureWidth, 102 }))
{
    m_photo->setAlignment(Qt::AlignCenter);
}

double frmPhoto::layoutHeight()
{
    if (!m_hasPicture)
        return designedHeight();
    return m_photo->y() + m_photo->height() + kBottomMargin;
}

void frmPhoto::DisplayPhoto()
{
    if (m_context.settings->number(Keys::DisplayPhoto) == 0)
        return;
    const QString path = PhotoSource::PictureToShow(m_context);
    if (!path.isEmpty())
        showPicture(path);
}

bool frmPhoto::showPicture(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true); // photos taken sideways carry their orientation
    const QImage picture = reader.read();
    if (picture.isNull())
        return false;
    const QSize size = PhotoSource::FittedSize(picture.size(), kPictureWidth, kMaxPictureHeight);
    m_photo->setPixmap(
        QPixmap::fromImage(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_photo->setGeometry((kWidth - size.width()) / 2, kMargin, size.width(), size.height());
    m_hasPicture = true;
    return true;
}
