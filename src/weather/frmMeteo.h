#pragma once

#include "shell/BarModule.h"

// The weather module: town, condition picture and six values.
class frmMeteo : public BarModule {
    Q_OBJECT
public:
    explicit frmMeteo(AppContext& context, QWidget* parent = nullptr);
    QString moduleId() const override;
    double layoutHeight() override;
    void applySkin(SkinImages& images) override;

    void setSmall(bool small) { m_small = small; }
    bool isSmall() const { return m_small; }

    void ConnectToWeather();
    void ResetWeatherDisplay();

signals:
    void separatorClicked();

private:
    bool m_small = false;
    PictureBox* m_separator;
    QLabel* m_town;
    PictureBox* m_picture;
    QLabel* m_wind;
};
