#include "SkinPainter.h"
#include "SystemIconPainter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

static bool save(const QImage& image, const QString& path)
{
    const QByteArray format = path.endsWith(QLatin1String(".ico")) ? "ico"
        : path.endsWith(QLatin1String(".png"))                     ? "png"
                                                                   : "bmp";
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        std::fprintf(
            stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

static bool writeSkin(const Theme& theme, const QString& dataDir)
{
    const QString dir = dataDir + QStringLiteral("/skins/") + theme.name + QLatin1Char('/');
    QDir().mkpath(dir);
    bool ok = true;
    // Each picture once as the skin uses it and once at twice the pixels ("name@2x.bmp") for
    // high-density screens.
    for (const int scale : { 1, 2 }) {
        const SkinPainter painter(theme, scale);
        auto put = [&](const char* file, const QImage& image) {
            QString name = QLatin1String(file);
            if (scale > 1)
                name.insert(name.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(scale));
            ok = save(image, dir + name) && ok;
        };
        put("background_top.bmp", painter.backgroundTop());
        put("background_middle.bmp", painter.backgroundMiddle());
        put("background_bottom.bmp", painter.backgroundBottom());
        put("button_password.bmp", painter.titleButton(QStringLiteral("password")));
        put("button_about.bmp", painter.titleButton(QStringLiteral("about")));
        put("button_hide_right.bmp", painter.titleButton(QStringLiteral("hide")));
        put("button_config.bmp", painter.titleButton(QStringLiteral("config")));
        put("button_closewindow.bmp", painter.titleButton(QStringLiteral("close")));
        put("title_favoris.bmp",
            painter.moduleTitle(QStringLiteral("Favoris"), QStringLiteral("\u2605")));
        put("title_meteo.bmp",
            painter.moduleTitle(QStringLiteral("M\u00e9t\u00e9o"), QStringLiteral("\u2600")));
        put("title_reseau.bmp",
            painter.moduleTitle(QStringLiteral("Bande passante"), QStringLiteral("\u21c5")));
        put("title_horloge.bmp",
            painter.moduleTitle(QStringLiteral("Horloge"), QStringLiteral("\u25f4")));
        put("title_infos_systeme.bmp",
            painter.moduleTitle(QStringLiteral("Infos syst\u00e8me"), QStringLiteral("\u2261")));
        put("title_emails.bmp",
            painter.moduleTitle(QStringLiteral("e-Mails"), QStringLiteral("\u2709")));
        put("title_pensebete.bmp",
            painter.moduleTitle(QStringLiteral("Pense-b\u00eate"), QStringLiteral("\u270e")));
        put("ico_fav_windows.bmp", painter.tabIcon(QStringLiteral("windows")));
        put("ico_fav_internet.bmp", painter.tabIcon(QStringLiteral("internet")));
        put("ico_fav_system.bmp", painter.tabIcon(QStringLiteral("system")));
        put("txt_visibilite.bmp", painter.caption(QStringLiteral("Visibilit\u00e9")));
        put("txt_pression.bmp", painter.caption(QStringLiteral("Pression")));
        put("txt_rosee.bmp", painter.caption(QStringLiteral("Ros\u00e9e")));
        put("txt_vent.bmp", painter.caption(QStringLiteral("Vent")));
        put("txt_temperature.bmp", painter.caption(QStringLiteral("Temp.")));
        put("txt_humidite.bmp", painter.caption(QStringLiteral("Humidit\u00e9")));
        put("clock.bmp", painter.clockDial());
        put("calendar.bmp", painter.calendar());
        put("background_infosysteme.bmp", painter.systemPanel());
        put("btn_pb_ajouter.bmp", painter.notesButton(QStringLiteral("add")));
        put("btn_pb_gestion.bmp", painter.notesButton(QStringLiteral("list")));
        put("tolvane_logo.bmp", painter.logo());
    }
    // The system pictures of the favorites' third tab, at one density.
    const SystemIconPainter icons(theme);
    const auto putIcon
        = [&](const QString& file, const QImage& image) { ok = save(image, dir + file) && ok; };
    for (int number = 1; number <= SystemIconPainter::kCount; ++number)
        putIcon(QStringLiteral("ico_sys_%1.bmp").arg(number, 2, 10, QLatin1Char('0')),
            icons.systemIcon(number));
    putIcon(QStringLiteral("ico_fav_url.bmp"), icons.addressIcon());
    if (theme.weatherFolder)
        QDir().mkpath(dir + QStringLiteral("weather"));
    QFile ini(dir + QStringLiteral("skin.ini"));
    ok = ini.open(QIODevice::WriteOnly) && ini.write(SkinPainter(theme).skinIni().toLatin1()) > 0
        && ok;
    return ok;
}

static Theme slate()
{
    Theme t;
    t.name = QStringLiteral("default");
    t.panel = QColor(30, 36, 46);
    t.panelEdge = QColor(48, 58, 72);
    t.strip = QColor(17, 21, 28);
    t.stripText = QColor(236, 240, 245);
    t.accent = QColor(94, 234, 212);
    t.accent2 = QColor(125, 211, 252);
    t.field = QColor(22, 27, 35);
    t.fieldLight = QColor(44, 54, 68);
    t.textDark = QColor(222, 228, 236);
    t.textLight = QColor(125, 211, 252);
    t.textTitle = QColor(94, 234, 212);
    t.textError = QColor(248, 113, 113);
    t.face = QColor(40, 48, 61);
    return t;
}

static Theme frost()
{
    Theme t;
    t.name = QStringLiteral("givre");
    t.panel = QColor(238, 243, 249);
    t.panelEdge = QColor(203, 213, 225);
    t.strip = QColor(219, 230, 242);
    t.stripText = QColor(15, 23, 42);
    t.accent = QColor(2, 132, 199);
    t.accent2 = QColor(99, 102, 241);
    t.field = QColor(250, 252, 255);
    t.fieldLight = QColor(219, 234, 254);
    t.textDark = QColor(30, 41, 59);
    t.textLight = QColor(29, 78, 216);
    t.textTitle = QColor(2, 132, 199);
    t.textError = QColor(220, 38, 38);
    t.face = QColor(255, 255, 255);
    t.weatherFolder = true;
    return t;
}

// The program's icon in a hicolor theme folder, drawn afresh at each size so small ones stay
// sharp.
static bool writeThemeIcons(const QString& hicolorDir)
{
    bool ok = true;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(hicolorDir).arg(size);
        QDir().mkpath(dir);
        ok = save(SkinPainter::trayIcon(size), dir + QStringLiteral("/tolvane.png")) && ok;
    }
    return ok;
}

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: skingen <data folder> [<hicolor icon folder>]\n");
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    bool ok = writeSkin(slate(), data) && writeSkin(frost(), data);
    QDir().mkpath(data + QStringLiteral("/images"));
    ok = save(SkinPainter::trayIcon(32), data + QStringLiteral("/images/tolvane.ico")) && ok;
    if (argc == 3)
        ok = writeThemeIcons(QString::fromLocal8Bit(argv[2])) && ok;
    return ok ? 0 : 1;
}
