#pragma once

#include "BarModule.h"
#include "ClockFace.h"
#include "ClockHands.h"

#include <QDate>
#include <QImage>

class ClockDial;
class DigitLabel;

// The clock module: dial with three hands, digital time, date and calendar day.
class frmHorloge : public BarModule {
    Q_OBJECT
public:
    explicit frmHorloge(AppContext& context, QWidget* parent = nullptr);
    double layoutHeight() override;
    void applySkin(SkinImages& images) override;

    void setSmall(bool small) { m_small = small; }
    // Reads the clock once and brings the hands and the texts up to date.
    void DrawClock();

    // The hands as last drawn, in the dial's pixels.
    ClockHands hands() const { return m_hands; }
    // The dial picture with the hands as last drawn; null before the first drawing.
    QImage clockImage() const;

private:
    ClockFace::HandColours handColours() const;

    bool m_small = false;
    bool m_drawn = false;
    ClockHands m_hands;
    QDate m_shownDate; // the date the date labels show
    PictureBox* m_separator;
    ClockDial* m_dial;
    PictureBox* m_calendar;
    DigitLabel* m_time;
    QLabel* m_date;
    QLabel* m_day;
};
