#pragma once

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

// Slides a window's left edge from one position to another (twips), one move per display frame
// so it is seen as a slide. Moves too small to change the pixel position are taken together.
class BarSlide : public QObject {
    Q_OBJECT
public:
    // moveTo places the window's left edge; it returns the resulting pixel position.
    explicit BarSlide(std::function<int(int twips)> moveTo, QObject* parent = nullptr);

    void start(int fromTwips, int toTwips);
    void stop() { m_timer.stop(); }
    bool isRunning() const { return m_timer.isActive(); }

private:
    void nextFrame();

    std::function<int(int)> m_moveTo;
    QTimer m_timer;
    QList<int> m_positions;
    int m_lastPixel = 0;
};
