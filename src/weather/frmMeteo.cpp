#include "frmMeteo.h"

#include "shell/ModuleLayout.h"
#include "shell/Skin.h"

frmMeteo::frmMeteo(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmMeteo"), QStringLiteral("imgBgMeteo"), 155, context, parent)
    , m_separator(addPicture(QStringLiteral("pictMeteoSeparator"), { 0, 0, kWidth, 18 }))
    , m_town(addLabel(QStringLiteral("labMeteoVille"), { 4, 20, 138, 16 }))
    , m_picture(addPicture(QStringLiteral("pictMeteo"), { 6, 38, 56, 56 }))
    , m_wind(addLabel(QStringLiteral("labVent"), { 48, 140, 94, 14 }))
{
    connect(m_separator, &PictureBox::clicked, this, &frmMeteo::separatorClicked);
}

QString frmMeteo::moduleId() const
{
    return ModuleLayout::kMeteo;
}

// The small form ends below the condition picture, the large one below the wind.
double frmMeteo::layoutHeight()
{
    const QWidget* last = m_small ? static_cast<QWidget*>(m_picture) : m_wind;
    return last->y() + last->height() + 1;
}

void frmMeteo::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_separator->setSkinPicture(images.picture(QStringLiteral("title_meteo.bmp")));
    setBackgroundColour(m_town, skin().backgroundLight());
    setTextColour(m_wind, skin().textDark());
}

void frmMeteo::ConnectToWeather() { }

void frmMeteo::ResetWeatherDisplay() { }
