#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The palette of one skin and the drawings made from it.
struct Theme {
    QString name;
    QColor panel; // module background
    QColor panelEdge; // thin lines at the module edges
    QColor strip; // title and bottom strips
    QColor stripText; // "Tolvane" and module titles
    QColor accent; // title accents, hands, icons
    QColor accent2; // second accent (Internet, seconds)
    QColor field; // BackGround: lists, graphs, status pictures
    QColor fieldLight; // BackGroundLight
    QColor textDark, textLight, textTitle, textError;
    QColor face; // clock face
    bool weatherFolder = false;
};

class SkinPainter {
public:
    // scale: image pixels per skin pixel; 2 draws the pictures for high-density screens.
    explicit SkinPainter(const Theme& theme, int scale = 1)
        : m_theme(theme)
        , m_scale(scale)
    {
    }

    QImage backgroundTop() const;
    QImage backgroundMiddle() const;
    QImage backgroundBottom() const;
    QImage moduleTitle(const QString& text, const QString& glyph) const;
    QImage titleButton(const QString& kind) const;
    QImage tabIcon(const QString& kind) const;
    QImage caption(const QString& text) const;
    QImage clockDial() const;
    QImage calendar() const;
    QImage systemPanel() const;
    QImage notesButton(const QString& kind) const;
    QImage logo() const;
    QString skinIni() const;

    static QImage trayIcon(int size);

private:
    QImage canvas(int w, int h, const QColor& fill) const;

    const Theme& m_theme;
    int m_scale;
};
