#include "WeatherPainter.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

namespace {
constexpr int kSupersample = 4;

QPainterPath cloudShape(const QRectF& b)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double h = b.height();
    const double w = b.width();
    path.addRoundedRect(QRectF(b.left(), b.top() + h * 0.48, w, h * 0.52), h * 0.26, h * 0.26);
    path.addEllipse(QPointF(b.left() + w * 0.30, b.top() + h * 0.56), h * 0.30, h * 0.30);
    path.addEllipse(QPointF(b.left() + w * 0.56, b.top() + h * 0.42), h * 0.42, h * 0.42);
    path.addEllipse(QPointF(b.left() + w * 0.80, b.top() + h * 0.64), h * 0.27, h * 0.27);
    return path.simplified();
}

QPen roundPen(const QColor& colour, double width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

QImage WeatherPainter::render(const std::function<void(QPainter&)>& paint) const
{
    QImage big(kSize * kSupersample, kSize * kSupersample, QImage::Format_RGB32);
    big.fill(m_palette.background);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSupersample, kSupersample);
        paint(p);
    }
    return big.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

QImage WeatherPainter::draw(const Scene& scene) const
{
    return render([&](QPainter& p) { paintScene(p, scene); });
}

// A dashed cloud with a question mark: no data yet.
QImage WeatherPainter::drawPlaceholder() const
{
    return render([&](QPainter& p) {
        QPen pen = roundPen(m_palette.placeholder, 2.0);
        pen.setDashPattern({ 2.0, 1.6 });
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(cloudShape(QRectF(6, 12, 44, 30)));
        p.setPen(roundPen(m_palette.placeholder, 3.2));
        QPainterPath mark;
        mark.moveTo(23.5, 24);
        mark.cubicTo(23.5, 18.5, 32.5, 18.5, 32.5, 24);
        mark.cubicTo(32.5, 28, 28, 28, 28, 32.5);
        p.drawPath(mark);
        p.setPen(Qt::NoPen);
        p.setBrush(m_palette.placeholder);
        p.drawEllipse(QPointF(28, 38.5), 2.0, 2.0);
    });
}

void WeatherPainter::paintScene(QPainter& p, const Scene& s) const
{
    const bool clouded = s.cloud != Scene::Cloud::None;
    const bool falling = s.rain || s.drizzle || s.snow || s.pellets || s.hail || s.bolts;
    // With nothing falling the cloud sits lower so the picture stays centred.
    double cloudTop = falling || s.tornado ? 7 : (s.skyBehindCloud ? 17 : 13);
    if (falling && s.skyBehindCloud)
        cloudTop = 10;
    const QPointF peek = falling ? QPointF(16, 14) : QPointF(20, cloudTop + 5);
    const double peekRadius = falling ? 7.5 : 10;
    if (s.sky == Scene::Sky::Sun) {
        if (s.skyBehindCloud && clouded)
            sun(p, peek, peekRadius, true);
        else if (s.thermometer)
            sun(p, QPointF(21, 24), 11, true);
        else if (s.haze || s.dust)
            sun(p, QPointF(28, 21), 10, true);
        else
            sun(p, QPointF(28, s.wisp ? 24 : 28), s.wisp ? 11 : 12.5, true);
    } else if (s.sky == Scene::Sky::Moon) {
        if (s.skyBehindCloud && clouded)
            moon(p, peek, peekRadius);
        else
            moon(p, QPointF(s.stars ? 25 : 28, s.wisp ? 24 : 28), s.stars ? 15 : 14);
    }
    if (s.stars)
        stars(p);
    if (s.wisp)
        wisp(p);
    if (s.hurricane)
        hurricane(p);
    if (s.smoke)
        smoke(p);
    if (s.thermometer)
        thermometer(p, s.thermometer > 0);

    const double below = cloudTop + 26;
    switch (s.cloud) {
    case Scene::Cloud::None:
        break;
    case Scene::Cloud::Small:
        cloud(p, QRectF(18, cloudTop + 6, 34, 21), false);
        break;
    case Scene::Cloud::Large:
        cloud(p, QRectF(5, cloudTop, 46, 29), false);
        break;
    case Scene::Cloud::Dark:
        cloud(p, QRectF(5, cloudTop, 46, 29), true);
        break;
    case Scene::Cloud::Double:
        cloud(p, QRectF(16, cloudTop - 3, 36, 22), true);
        cloud(p, QRectF(3, cloudTop + 5, 42, 26), false);
        break;
    }
    if (s.tornado)
        tornado(p);
    if (s.bolts)
        bolts(p, s.bolts, below - 3);
    if (s.rain)
        rain(p, s.rain, s.cloud == Scene::Cloud::None ? 34 : below);
    if (s.drizzle)
        drizzle(p, s.drizzle, below);
    if (s.snow)
        snow(p, s.snow, s.cloud == Scene::Cloud::None ? 40 : below + 2, s.rain + s.pellets);
    if (s.pellets)
        pellets(p, s.pellets, below, false);
    if (s.hail)
        pellets(p, s.hail, below, true);
    if (s.fog)
        fog(p);
    if (s.haze)
        haze(p, m_palette.fog, false);
    if (s.dust)
        haze(p, m_palette.dust, true);
    if (s.wind)
        wind(p, s.cloud == Scene::Cloud::None ? 14 : 34);
}

void WeatherPainter::sun(QPainter& p, QPointF c, double r, bool rays) const
{
    if (rays) {
        p.setPen(roundPen(m_palette.rays, 2.4));
        for (int i = 0; i < 8; ++i) {
            const double a = qDegreesToRadians(i * 45.0 + 22.5);
            const QPointF dir(qCos(a), qSin(a));
            p.drawLine(c + dir * (r * 1.28), c + dir * (r * 1.66));
        }
    }
    QRadialGradient fill(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    fill.setColorAt(0, m_palette.sunCore);
    fill.setColorAt(1, m_palette.sunEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
}

void WeatherPainter::moon(QPainter& p, QPointF c, double r) const
{
    QPainterPath disk;
    disk.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(r * 0.62, -r * 0.38), r * 0.88, r * 0.88);
    p.setPen(m_palette.moonEdge.isValid() ? roundPen(m_palette.moonEdge, 1.4) : Qt::NoPen);
    p.setBrush(m_palette.moon);
    p.drawPath(disk.subtracted(bite));
}

void WeatherPainter::stars(QPainter& p) const
{
    const QPointF places[] = { { 42, 14 }, { 47, 30 }, { 36, 44 } };
    const double sizes[] = { 4.2, 3.0, 2.6 };
    p.setPen(Qt::NoPen);
    p.setBrush(m_palette.star);
    for (int i = 0; i < 3; ++i) {
        const QPointF c = places[i];
        const double s = sizes[i];
        QPainterPath star;
        star.moveTo(c + QPointF(0, -s));
        star.quadTo(c, c + QPointF(s, 0));
        star.quadTo(c, c + QPointF(0, s));
        star.quadTo(c, c + QPointF(-s, 0));
        star.quadTo(c, c + QPointF(0, -s));
        p.drawPath(star);
    }
}

void WeatherPainter::cloud(QPainter& p, const QRectF& box, bool dark) const
{
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, dark ? m_palette.darkTop : m_palette.cloudTop);
    fill.setColorAt(1, dark ? m_palette.darkBottom : m_palette.cloudBottom);
    const QColor edge = dark ? m_palette.darkEdge : m_palette.cloudEdge;
    // A rim in the background colour keeps overlapping shapes apart.
    p.setPen(roundPen(edge.isValid() ? edge : m_palette.background, edge.isValid() ? 1.3 : 2.0));
    p.setBrush(fill);
    p.drawPath(cloudShape(box));
}

void WeatherPainter::wisp(QPainter& p) const
{
    const QColor colour
        = m_palette.cloudEdge.isValid() ? m_palette.cloudEdge : m_palette.cloudBottom;
    p.setPen(roundPen(colour, 2.6));
    p.drawLine(QPointF(22, 46), QPointF(48, 46));
    p.drawLine(QPointF(12, 51), QPointF(36, 51));
}

void WeatherPainter::rain(QPainter& p, int drops, double top) const
{
    p.setPen(roundPen(m_palette.rain, drops > 5 ? 2.0 : 2.4));
    const double span = 38.0;
    for (int i = 0; i < drops; ++i) {
        const double x = 13 + span * (i + 0.5) / drops;
        const double y = top + ((i % 2) ? 6.0 : 1.0);
        p.drawLine(QPointF(x, y), QPointF(x - 2.6, y + 7));
    }
}

void WeatherPainter::drizzle(QPainter& p, int dots, double top) const
{
    p.setPen(Qt::NoPen);
    p.setBrush(m_palette.rain);
    for (int i = 0; i < dots; ++i) {
        const double x = 12 + 34.0 * (i + 0.5) / dots;
        const double y = top + 2 + ((i % 3) * 4.5);
        p.drawEllipse(QPointF(x, y), 1.5, 1.5);
    }
}

void WeatherPainter::flake(QPainter& p, QPointF c, double r) const
{
    p.setPen(roundPen(m_palette.snow, 1.5));
    for (int i = 0; i < 3; ++i) {
        const double a = qDegreesToRadians(90.0 + i * 60.0);
        const QPointF d(qCos(a) * r, qSin(a) * r);
        p.drawLine(c - d, c + d);
    }
}

// offset shifts the flakes between the drops when both fall.
void WeatherPainter::snow(QPainter& p, int flakes, double top, int offset) const
{
    const double r = flakes > 5 ? 3.3 : 4.0;
    for (int i = 0; i < flakes; ++i) {
        const double places = flakes + (offset ? 0.5 : 0.0);
        const double x = 12 + 34.0 * (i + (offset ? 1.0 : 0.5)) / places;
        const double y = top + 5 + ((i % 2) ? 6.5 : 0.0);
        flake(p, QPointF(x, y), r);
    }
}

void WeatherPainter::pellets(QPainter& p, int count, double top, bool hail) const
{
    p.setPen(roundPen(hail ? m_palette.snowEdge : m_palette.rain, 1.2));
    p.setBrush(m_palette.ice);
    const double r = hail ? 2.8 : 1.8;
    for (int i = 0; i < count; ++i) {
        const double x = 15 + 30.0 * (i + 0.8) / count;
        const double y = top + 4 + ((i % 2) ? 7.0 : 0.0);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void WeatherPainter::bolts(QPainter& p, int count, double top) const
{
    for (int i = 0; i < count; ++i) {
        const double x = count == 1 ? 30 : 22 + i * 16;
        const double s = count == 1 ? 1.0 : 0.85;
        QPolygonF bolt;
        for (QPointF pt : { QPointF(2, 0), QPointF(-5, 11), QPointF(0, 11), QPointF(-4, 21),
                 QPointF(7, 7), QPointF(2, 7), QPointF(6, 0) })
            bolt << QPointF(x + pt.x() * s, top + pt.y() * s);
        p.setPen(roundPen(m_palette.boltEdge, 1.0));
        p.setBrush(m_palette.bolt);
        p.drawPolygon(bolt);
    }
}

void WeatherPainter::fog(QPainter& p) const
{
    p.setPen(roundPen(m_palette.fog, 2.6));
    p.drawLine(QPointF(8, 43), QPointF(40, 43));
    p.drawLine(QPointF(16, 48.5), QPointF(48, 48.5));
    p.drawLine(QPointF(10, 54), QPointF(36, 54));
}

void WeatherPainter::haze(QPainter& p, const QColor& colour, bool dotted) const
{
    QPen pen = roundPen(colour, 2.6);
    if (dotted)
        pen.setDashPattern({ 0.1, 1.6 });
    p.setPen(pen);
    p.drawLine(QPointF(6, 39), QPointF(50, 39));
    p.drawLine(QPointF(12, 45), QPointF(44, 45));
    p.drawLine(QPointF(8, 51), QPointF(48, 51));
}

void WeatherPainter::smoke(QPainter& p) const
{
    p.setPen(Qt::NoPen);
    const struct {
        QPointF c;
        double r;
        int alpha;
    } puffs[] = { { { 18, 44 }, 9, 255 }, { { 30, 32 }, 10, 230 }, { { 40, 18 }, 8, 200 } };
    for (const auto& puff : puffs) {
        QColor colour = m_palette.smoke;
        colour.setAlpha(puff.alpha);
        p.setBrush(colour);
        p.drawEllipse(puff.c, puff.r, puff.r);
    }
}

void WeatherPainter::wind(QPainter& p, double top) const
{
    p.setPen(roundPen(m_palette.wind, 2.4));
    p.setBrush(Qt::NoBrush);
    const double lengths[] = { 34, 26, 38 };
    for (int i = 0; i < 3; ++i) {
        const double y = top + i * 7.5;
        const double x0 = 6 + (i == 1 ? 8 : 0);
        const double x1 = x0 + lengths[i];
        QPainterPath streak;
        streak.moveTo(x0, y);
        streak.lineTo(x1, y);
        if (i != 1)
            streak.cubicTo(x1 + 5, y, x1 + 5, y - 6, x1 + 1, y - 6);
        p.drawPath(streak);
    }
}

void WeatherPainter::tornado(QPainter& p) const
{
    p.setPen(roundPen(m_palette.swirl, 3.0));
    const double widths[] = { 26, 20, 15, 10, 6 };
    for (int i = 0; i < 5; ++i) {
        const double y = 36 + i * 4.2;
        const double centre = 28 + (i - 2) * 1.6;
        p.drawLine(QPointF(centre - widths[i] / 2, y), QPointF(centre + widths[i] / 2, y));
    }
}

void WeatherPainter::hurricane(QPainter& p) const
{
    const QPointF c(28, 24);
    p.setPen(roundPen(m_palette.swirl, 3.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5.5, 5.5);
    QPainterPath arms;
    arms.moveTo(c + QPointF(0, -5.5));
    arms.cubicTo(c + QPointF(2, -14), c + QPointF(10, -17), c + QPointF(16, -16));
    arms.moveTo(c + QPointF(0, 5.5));
    arms.cubicTo(c + QPointF(-2, 14), c + QPointF(-10, 17), c + QPointF(-16, 16));
    p.drawPath(arms);
}

void WeatherPainter::thermometer(QPainter& p, bool hot) const
{
    const QColor level = hot ? m_palette.hot : m_palette.cold;
    const QRectF tube(38, 10, 9, 30);
    p.setPen(roundPen(m_palette.glass, 1.6));
    p.setBrush(m_palette.background);
    p.drawRoundedRect(tube, 4.5, 4.5);
    p.drawEllipse(QPointF(42.5, 43), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(level);
    p.drawEllipse(QPointF(42.5, 43), 5, 5);
    const double top = hot ? 14 : 30;
    p.drawRoundedRect(QRectF(40.5, top, 4, 42 - top), 2, 2);
}
