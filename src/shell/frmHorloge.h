#pragma once

#include "BarModule.h"

// The clock module: dial with three hands, digital time, date and calendar day.
class frmHorloge : public BarModule {
    Q_OBJECT
public:
    explicit frmHorloge(AppContext& context, QWidget* parent = nullptr);
    QString moduleId() const override;
    double layoutHeight() override;
    void applySkin(SkinImages& images) override;

    void setSmall(bool small) { m_small = small; }
    bool isSmall() const { return m_small; }
    void DrawClock();

signals:
    void separatorClicked();

private:
    bool m_small = false;
    PictureBox* m_separator;
    PictureBox* m_dial;
    PictureBox* m_calendar;
    QLabel* m_time;
    QLabel* m_date;
    QLabel* m_day;
};
