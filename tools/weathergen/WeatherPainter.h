#pragma once

#include "Scenes.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

// The colours of one skin's weather pictures.
struct WeatherPalette {
    QColor background;
    QColor sunCore, sunEdge, rays;
    QColor moon, moonEdge;
    QColor star;
    QColor cloudTop, cloudBottom, cloudEdge;
    QColor darkTop, darkBottom, darkEdge;
    QColor rain, snow, snowEdge, ice;
    QColor bolt, boltEdge;
    QColor fog, wind, dust, smoke, swirl;
    QColor hot, cold, glass;
    QColor placeholder;

    static WeatherPalette dark(); // the slate "default" skin
    static WeatherPalette light(); // the frosty "givre" skin
};

// Draws the condition pictures on a 56 x 56 canvas, supersampled for smooth edges.
class WeatherPainter {
public:
    static constexpr int kSize = 56;

    explicit WeatherPainter(const WeatherPalette& palette)
        : m_palette(palette)
    {
    }
    QImage draw(const Scene& scene) const;
    QImage drawPlaceholder() const;

private:
    QImage render(const std::function<void(QPainter&)>& paint) const;
    void paintScene(QPainter& p, const Scene& scene) const;
    void sun(QPainter& p, QPointF centre, double radius, bool rays) const;
    void moon(QPainter& p, QPointF centre, double radius) const;
    void stars(QPainter& p) const;
    void cloud(QPainter& p, const QRectF& box, bool dark) const;
    void wisp(QPainter& p) const;
    void rain(QPainter& p, int drops, double top) const;
    void drizzle(QPainter& p, int dots, double top) const;
    void snow(QPainter& p, int flakes, double top, int offset) const;
    void pellets(QPainter& p, int count, double top, bool hail) const;
    void bolts(QPainter& p, int count, double top) const;
    void fog(QPainter& p) const;
    void haze(QPainter& p, const QColor& colour, bool dotted) const;
    void smoke(QPainter& p) const;
    void wind(QPainter& p, double top) const;
    void tornado(QPainter& p) const;
    void hurricane(QPainter& p) const;
    void thermometer(QPainter& p, bool hot) const;
    void flake(QPainter& p, QPointF centre, double radius) const;

    WeatherPalette m_palette;
};
