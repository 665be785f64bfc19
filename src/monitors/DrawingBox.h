#pragma once

#include <QImage>
#include <QWidget>

// A picture box the module draws into: the drawing is kept in an image that the widget shows
// as it is, so it can be read back pixel by pixel.
class DrawingBox : public QWidget {
    Q_OBJECT
public:
    DrawingBox(const QString& name, const QRect& geometry, QWidget* parent = nullptr);

    // The image sized to the widget, for drawing; call update() when done.
    QImage& canvas();
    const QImage& image() const { return m_image; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};
