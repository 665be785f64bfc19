#pragma once

#include <QSize>
#include <QString>

struct AppContext;

// Which picture the photo module shows, and at what size.
namespace PhotoSource {

// The user's picture (setting "Photo") when that file exists, else the current skin's
// tolvane_logo.bmp when it exists, else empty: the module then keeps what it shows.
QString PictureToShow(const AppContext& context);

// picture scaled to width with its aspect ratio kept; a picture that would then be taller than
// maxHeight is scaled to that height instead.
QSize FittedSize(const QSize& picture, int width, int maxHeight);

} // namespace PhotoSource
