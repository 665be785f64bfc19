// Writes na.bmp and the condition pictures 00.bmp to 47.bmp of one skin style into a folder.
#include "Scenes.h"
#include "WeatherPainter.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: weathergen dark|light <folder> [--panel <background.bmp>]"
                           " [--sheet <file.png>]\n";
    return 2;
}

bool save(const QImage& image, const QString& path)
{
    if (image.save(path, "BMP"))
        return true;
    QTextStream(stderr) << "cannot write " << path << "\n";
    return false;
}

// Every picture twice its size with its number, to look them over at once.
QImage contactSheet(const QList<QImage>& pictures, const QColor& background, const QColor& text)
{
    const int cell = WeatherPainter::kSize * 2 + 8;
    const int columns = 7;
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage sheet(columns * cell, rows * (cell + 14), QImage::Format_RGB32);
    sheet.fill(background);
    QPainter p(&sheet);
    p.setPen(text);
    for (int i = 0; i < pictures.size(); ++i) {
        const int x = (i % columns) * cell + 4;
        const int y = (i / columns) * (cell + 14) + 4;
        p.drawImage(QRect(x, y, cell - 8, cell - 8), pictures[i]);
        p.drawText(QRect(x, y + cell - 8, cell - 8, 14), Qt::AlignCenter,
            i == 0 ? QStringLiteral("na") : QString::number(i - 1));
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2 || (args[0] != u"dark" && args[0] != u"light"))
        return usage();
    WeatherPalette palette = args[0] == u"dark" ? WeatherPalette::dark() : WeatherPalette::light();
    // The pictures are drawn on the colour of the module's panel so they sit in it seamlessly.
    const qsizetype panelArg = args.indexOf(QStringLiteral("--panel"));
    if (panelArg >= 0 && panelArg + 1 < args.size()) {
        const QImage panel(args[panelArg + 1]);
        if (panel.isNull()) {
            QTextStream(stderr) << "cannot read " << args[panelArg + 1] << "\n";
            return 1;
        }
        palette.background = panel.pixelColor(panel.width() / 2, panel.height() / 2);
    }
    const QString folder = args[1];
    QDir().mkpath(folder);

    const WeatherPainter painter(palette);
    QList<QImage> pictures { painter.drawPlaceholder() };
    bool ok = save(pictures.first(), folder + QStringLiteral("/na.bmp"));
    for (int code = 0; code < kConditionCount; ++code) {
        pictures.append(painter.draw(SceneForCode(code)));
        ok = save(pictures.last(),
                 folder + QStringLiteral("/%1.bmp").arg(code, 2, 10, QLatin1Char('0')))
            && ok;
    }
    const qsizetype sheetArg = args.indexOf(QStringLiteral("--sheet"));
    if (sheetArg >= 0 && sheetArg + 1 < args.size())
        ok = contactSheet(pictures, palette.background, palette.fog).save(args[sheetArg + 1]) && ok;
    return ok ? 0 : 1;
}
