#pragma once

#include "shell/SkinWidgets.h"

#include <QImage>

// A picture box the module draws into: the drawing is kept in an image that the widget shows
// as it is, so it can be read back pixel by pixel. Its own font is the small one of the scale
// texts drawn on graphs.
class DrawingBox : public PictureBox {
    Q_OBJECT
public:
    DrawingBox(const QString& name, const QRect& geometry, QWidget* parent = nullptr);

    // The image sized to the widget, for drawing; call update() when done.
    QImage& canvas();
    const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
