#pragma once

#include "ClockFace.h"

#include <QWidget>

// The clock's dial with its hands. The dial with the hour and minute hands is kept while they
// stay put; each second only the area the second hand leaves and the area it enters are
// painted again.
class ClockDial : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The skin's dial; a null picture (a skin without one) keeps the current dial.
    void setDialPicture(const QPixmap& dial);
    void showHands(const ClockHands& hands, const ClockFace::HandColours& colours);
    // What the dial shows, as a picture; null until hands are shown.
    QImage face() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_dial;
    QPixmap m_slowLayer; // the dial with the hour and minute hands of m_hands
    ClockHands m_hands;
    ClockFace::HandColours m_colours;
    bool m_hasHands = false;
};
