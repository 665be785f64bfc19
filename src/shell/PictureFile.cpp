#include "PictureFile.h"

#include <QImageReader>

namespace PictureFile {

QPixmap Read(const QString& path)
{
    QImageReader bmp(path, "bmp");
    bmp.setAutoDetectImageFormat(false);
    QImage picture = bmp.read();
    if (picture.isNull())
        picture = QImageReader(path).read();
    return QPixmap::fromImage(std::move(picture));
}

} // namespace PictureFile
