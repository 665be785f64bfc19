#pragma once

#include <QPixmap>
#include <QString>

// The pictures the program ships and the skins hold are BMP files. Qt's reader, given only a
// file, asks every image plug-in whether it knows the file, loading each plug-in's library
// first; these files go straight to Qt's own BMP decoder, and only a file it cannot read (a
// skin's PNG named .bmp) is read the usual way.
namespace PictureFile {

QPixmap Read(const QString& path);

} // namespace PictureFile
