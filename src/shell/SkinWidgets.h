#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

// A picture box of the bar: shows a skin picture and reports clicks.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(const QString& name, QWidget* parent = nullptr);
    // Keeps the current picture when pixmap is null (a skin without this file).
    void setSkinPicture(const QPixmap& pixmap);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A background image drawn to fill the widget however tall it is, stretched or tiled from the
// one decoded picture, so the bar never holds an oversized copy.
class BackgroundImage : public QWidget {
    Q_OBJECT
public:
    enum class Fill { Stretch, Tile };
    BackgroundImage(const QString& name, Fill fill, QWidget* parent = nullptr);
    void setSkinPicture(const QPixmap& pixmap);
    QPixmap picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    Fill m_fill;
};

// Skin colours on standard widgets.
void setTextColour(QWidget* widget, const QColor& colour);
void setBackgroundColour(QWidget* widget, const QColor& colour);
