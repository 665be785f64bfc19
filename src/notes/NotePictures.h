#pragma once

#include <QPixmap>

// The note window's own pictures, drawn rather than shipped: its title bar, the small note
// logo and the close cross.
namespace NotePictures {

QPixmap TitleBar(int width, int height);
QPixmap Logo(int size);
QPixmap Close(int size);

} // namespace NotePictures
