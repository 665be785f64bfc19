#include "SkinPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

void antialias(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QFont font(int pixelSize, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QPen pen(const QColor& c, qreal width)
{
    QPen p(c, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() * (1 - t) + b.redF() * t,
        a.greenF() * (1 - t) + b.greenF() * t, a.blueF() * (1 - t) + b.blueF() * t);
}

void drawGear(QPainter& p, QPointF c, qreal r, const QColor& colour)
{
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a = i * M_PI / teeth;
        const qreal radius = (i % 2 == 0) ? r : r * 0.72;
        const QPointF pt(c.x() + radius * qCos(a), c.y() + radius * qSin(a));
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, r * 0.32, r * 0.32);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(gear.subtracted(hole));
}

} // namespace

// Every picture is drawn in skin pixels; the image holds scale times as many.
QImage SkinPainter::canvas(int w, int h, const QColor& fill) const
{
    QImage image(w * m_scale, h * m_scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(m_scale);
    image.fill(fill);
    return image;
}

QImage SkinPainter::backgroundTop() const
{
    QImage image = canvas(146, 22, m_theme.strip);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 22);
    g.setColorAt(0, m_theme.strip.lighter(112));
    g.setColorAt(1, m_theme.strip);
    p.fillRect(0, 0, 146, 22, g);
    p.fillRect(0, 20, 146, 2, m_theme.accent);
    return image;
}

// Rows are all alike, so stretching or tiling the picture vertically never shows.
QImage SkinPainter::backgroundMiddle() const
{
    QImage image = canvas(146, 8, m_theme.panel);
    QPainter p(&image);
    p.fillRect(0, 0, 1, 8, m_theme.panelEdge);
    p.fillRect(145, 0, 1, 8, m_theme.panelEdge);
    return image;
}

QImage SkinPainter::backgroundBottom() const
{
    QImage image = canvas(146, 12, m_theme.strip);
    QPainter p(&image);
    antialias(p);
    p.fillRect(0, 0, 146, 1, m_theme.panelEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(m_theme.accent);
    p.drawRoundedRect(QRectF(58, 5, 30, 3), 1.5, 1.5);
    return image;
}

QImage SkinPainter::moduleTitle(const QString& text, const QString& glyph) const
{
    QImage image = canvas(146, 18, m_theme.panel);
    QPainter p(&image);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(m_theme.panel, m_theme.strip, 0.6));
    p.drawRoundedRect(QRectF(3, 2, 140, 15), 4, 4);
    p.setBrush(m_theme.accent);
    p.drawRoundedRect(QRectF(3, 2, 4, 15), 2, 2);
    p.setPen(m_theme.accent);
    p.setFont(font(10));
    p.drawText(QRectF(11, 2, 14, 15), Qt::AlignCenter, glyph);
    p.setPen(m_theme.stripText);
    p.setFont(font(10, true));
    p.drawText(QRectF(27, 2, 112, 15), Qt::AlignVCenter | Qt::AlignLeft, text);
    p.fillRect(0, 0, 1, 18, m_theme.panelEdge);
    p.fillRect(145, 0, 1, 18, m_theme.panelEdge);
    return image;
}

QImage SkinPainter::titleButton(const QString& kind) const
{
    QImage image = canvas(16, 16, m_theme.strip.lighter(106));
    QPainter p(&image);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(m_theme.strip, m_theme.panel, 0.7));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3.5, 3.5);
    const QColor ink = kind == QLatin1String("close") ? m_theme.textError : m_theme.stripText;
    p.setPen(pen(ink, 1.6));
    p.setBrush(Qt::NoBrush);
    if (kind == QLatin1String("close")) {
        p.drawLine(QPointF(5, 5), QPointF(11, 11));
        p.drawLine(QPointF(11, 5), QPointF(5, 11));
    } else if (kind == QLatin1String("hide")) {
        p.drawPolyline(QPolygonF({ QPointF(6, 4.5), QPointF(10, 8), QPointF(6, 11.5) }));
    } else if (kind == QLatin1String("about")) {
        p.drawEllipse(QPointF(8, 8), 5.2, 5.2);
        p.setPen(pen(ink, 1.5));
        p.drawLine(QPointF(8, 7.3), QPointF(8, 10.8));
        p.drawPoint(QPointF(8, 5.2));
    } else if (kind == QLatin1String("config")) {
        drawGear(p, QPointF(8, 8), 5.8, ink);
    } else if (kind == QLatin1String("password")) {
        p.drawArc(QRectF(5, 3, 6, 7), 0, 180 * 16);
        p.drawLine(QPointF(5, 6.5), QPointF(5, 7.5));
        p.drawLine(QPointF(11, 6.5), QPointF(11, 7.5));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawRoundedRect(QRectF(3.5, 7.5, 9, 6), 1.2, 1.2);
    }
    return image;
}

QImage SkinPainter::tabIcon(const QString& kind) const
{
    QImage image = canvas(24, 20, m_theme.panel);
    QPainter p(&image);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(m_theme.panel, m_theme.field, 0.7));
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 19), 4, 4);
    p.setBrush(Qt::NoBrush);
    if (kind == QLatin1String("windows")) {
        p.setPen(Qt::NoPen);
        p.setBrush(m_theme.accent);
        QPainterPath folder;
        folder.moveTo(5, 6);
        folder.lineTo(10, 6);
        folder.lineTo(11.5, 7.5);
        folder.lineTo(19, 7.5);
        folder.lineTo(19, 15);
        folder.lineTo(5, 15);
        folder.closeSubpath();
        p.drawPath(folder);
    } else if (kind == QLatin1String("internet")) {
        p.setPen(pen(m_theme.accent2, 1.3));
        p.drawEllipse(QPointF(12, 10), 6, 6);
        p.drawEllipse(QRectF(9.3, 4, 5.4, 12));
        p.drawLine(QPointF(6, 10), QPointF(18, 10));
    } else {
        p.setPen(pen(m_theme.textTitle, 1.3));
        p.drawRoundedRect(QRectF(5, 4.5, 14, 9), 1.5, 1.5);
        p.drawLine(QPointF(12, 13.5), QPointF(12, 15.5));
        p.drawLine(QPointF(9, 15.8), QPointF(15, 15.8));
    }
    return image;
}

QImage SkinPainter::caption(const QString& text) const
{
    QImage image = canvas(44, 12, m_theme.panel);
    QPainter p(&image);
    antialias(p);
    p.setPen(mix(m_theme.textDark, m_theme.panel, 0.35));
    p.setFont(font(9));
    p.drawText(QRectF(0, 0, 44, 12), Qt::AlignVCenter | Qt::AlignLeft, text);
    return image;
}

QImage SkinPainter::clockDial() const
{
    QImage image = canvas(100, 100, m_theme.panel);
    QPainter p(&image);
    antialias(p);
    const QPointF c(50, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(m_theme.accent);
    p.drawEllipse(c, 48, 48);
    QRadialGradient face(c, 46, QPointF(40, 35));
    face.setColorAt(0, m_theme.face.lighter(110));
    face.setColorAt(1, m_theme.face);
    p.setBrush(face);
    p.drawEllipse(c, 46, 46);
    for (int i = 0; i < 60; ++i) {
        const qreal a = i * 6 * M_PI / 180;
        const bool major = i % 5 == 0;
        const qreal outer = 43, inner = major ? 37 : 40.5;
        p.setPen(pen(major ? m_theme.textDark : mix(m_theme.textDark, m_theme.face, 0.55),
            major ? 2.0 : 1.0));
        p.drawLine(QPointF(c.x() + outer * qSin(a), c.y() - outer * qCos(a)),
            QPointF(c.x() + inner * qSin(a), c.y() - inner * qCos(a)));
    }
    p.setPen(m_theme.accent);
    p.setFont(font(9, true));
    const std::pair<int, QPointF> numbers[]
        = { { 12, { 50, 27 } }, { 3, { 74, 50 } }, { 6, { 50, 73 } }, { 9, { 26, 50 } } };
    for (const auto& [n, at] : numbers)
        p.drawText(QRectF(at.x() - 8, at.y() - 6, 16, 12), Qt::AlignCenter, QString::number(n));
    return image;
}

QImage SkinPainter::calendar() const
{
    QImage image = canvas(32, 32, m_theme.panel);
    QPainter p(&image);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(m_theme.face);
    p.drawRoundedRect(QRectF(2, 3, 28, 27), 4, 4);
    p.setBrush(m_theme.textError);
    QPainterPath top;
    top.addRoundedRect(QRectF(2, 3, 28, 9), 4, 4);
    QPainterPath cut;
    cut.addRect(QRectF(2, 8, 28, 4));
    p.drawPath(top.united(cut));
    p.setBrush(m_theme.strip);
    p.drawRoundedRect(QRectF(8, 1, 3, 6), 1.5, 1.5);
    p.drawRoundedRect(QRectF(21, 1, 3, 6), 1.5, 1.5);
    return image;
}

QImage SkinPainter::systemPanel() const
{
    QImage image = canvas(138, 126, m_theme.panel);
    QPainter p(&image);
    antialias(p);
    p.setPen(pen(mix(m_theme.panel, m_theme.panelEdge, 0.8), 1));
    p.setBrush(mix(m_theme.panel, m_theme.field, 0.35));
    p.drawRoundedRect(QRectF(0.5, 0.5, 137, 125), 5, 5);
    return image;
}

QImage SkinPainter::notesButton(const QString& kind) const
{
    QImage image = canvas(20, 20, m_theme.panel);
    QPainter p(&image);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 214, 92));
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3, 3);
    p.setPen(pen(QColor(92, 64, 10), 1.6));
    if (kind == QLatin1String("add")) {
        p.drawLine(QPointF(10, 5.5), QPointF(10, 14.5));
        p.drawLine(QPointF(5.5, 10), QPointF(14.5, 10));
    } else {
        for (int y : { 6, 10, 14 })
            p.drawLine(QPointF(5.5, y), QPointF(14.5, y));
    }
    return image;
}

QImage SkinPainter::logo() const
{
    QImage image = canvas(138, 100, m_theme.panel);
    QPainter p(&image);
    antialias(p);
    QLinearGradient g(0, 0, 138, 100);
    g.setColorAt(0, mix(m_theme.field, m_theme.accent, 0.18));
    g.setColorAt(1, mix(m_theme.field, m_theme.accent2, 0.28));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, 138, 100), 8, 8);
    // A narrow bar at a screen edge: the program's own emblem.
    p.setBrush(m_theme.accent);
    p.drawRoundedRect(QRectF(53, 12, 11, 40), 3, 3);
    p.setBrush(m_theme.accent2);
    p.drawRoundedRect(QRectF(67, 12, 18, 10), 2.5, 2.5);
    p.drawRoundedRect(QRectF(67, 27, 18, 10), 2.5, 2.5);
    p.setBrush(mix(m_theme.accent, m_theme.textDark, 0.5));
    p.drawRoundedRect(QRectF(67, 42, 18, 10), 2.5, 2.5);
    p.setPen(m_theme.textDark);
    p.setFont(font(20, true));
    p.drawText(QRectF(0, 54, 138, 26), Qt::AlignCenter, QStringLiteral("Tolvane"));
    p.setPen(m_theme.textLight);
    p.setFont(font(9));
    p.drawText(QRectF(0, 78, 138, 16), Qt::AlignCenter, QStringLiteral("votre barre de bureau"));
    return image;
}

static QString colour(const QColor& c)
{
    return QStringLiteral("%1|%2|%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString SkinPainter::skinIni() const
{
    QString ini;
    ini += QStringLiteral("; Skin \"%1\" of Tolvane. Colours are red|green|blue, 0-255.\r\n")
               .arg(m_theme.name);
    ini += QStringLiteral("[skin]\r\nUseImgMeteoSkin=%1\r\n\r\n")
               .arg(m_theme.weatherFolder ? 1 : 0);
    ini += QStringLiteral("[colors]\r\n");
    ini += QStringLiteral("TextDark=%1\r\n").arg(colour(m_theme.textDark));
    ini += QStringLiteral("TextLight=%1\r\n").arg(colour(m_theme.textLight));
    ini += QStringLiteral("TextTitle=%1\r\n").arg(colour(m_theme.textTitle));
    ini += QStringLiteral("TextError=%1\r\n").arg(colour(m_theme.textError));
    ini += QStringLiteral("BackGround=%1\r\n").arg(colour(m_theme.field));
    ini += QStringLiteral("BackGroundLight=%1\r\n").arg(colour(m_theme.fieldLight));
    return ini;
}

QImage SkinPainter::trayIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    antialias(p);
    const qreal s = size / 32.0;
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 36, 46));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
    p.setBrush(QColor(94, 234, 212));
    p.drawRoundedRect(QRectF(6, 6, 8, 20), 2.5, 2.5);
    p.setBrush(QColor(125, 211, 252));
    p.drawRoundedRect(QRectF(17, 6, 9, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(17, 13.5, 9, 5), 1.5, 1.5);
    p.setBrush(QColor(222, 228, 236));
    p.drawRoundedRect(QRectF(17, 21, 9, 5), 1.5, 1.5);
    return image;
}
