#include "frmMeteo.h"
#include "shell/SettingsKeys.h"

#include "OpenMeteoDocument.h"
#include "WeatherCities.h"
#include "common/Numbers.h"
#include "shell/PictureFile.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"

#include <QFileInfo>
#include <QLocale>

namespace {

const QString kNotAvailableValue = QStringLiteral("<n/a>");

void setPixelSize(QWidget* widget, int pixels, bool bold = false)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

frmMeteo::frmMeteo(AppContext& context, QWidget* parent)
    : BarModule(
        QStringLiteral("frmMeteo"), QStringLiteral("imgBgMeteo"), kDesignedHeight, context, parent)
    , m_cityIndex(WeatherCities::kDefaultIndex)
    , m_separator(addPicture(QStringLiteral("pictMeteoSeparator"), { 0, 0, kWidth, 18 }))
    , m_town(addValueLabel(QStringLiteral("labMeteoVille"), { 4, 20, 138, 16 }))
    , m_picture(addPicture(QStringLiteral("pictMeteo"), { 6, 38, 56, 56 }))
    , m_captionTemperature(addCaption(QStringLiteral("pictTemperature"), { 66, 38, 76, 12 },
          QStringLiteral("Temp\u00e9rature")))
    , m_temperature(addValueLabel(QStringLiteral("labTemperature"), { 66, 50, 76, 18 }))
    , m_captionHumidity(addCaption(
          QStringLiteral("pictTauxHumidite"), { 66, 68, 76, 12 }, QStringLiteral("Humidit\u00e9")))
    , m_humidity(addValueLabel(QStringLiteral("labHumidite"), { 66, 80, 76, 14 }))
    , m_date(addValueLabel(QStringLiteral("labMeteoDate"), { 4, 97, 138, 14 }))
    , m_captionDewPoint(
          addCaption(QStringLiteral("pictRosee"), { 4, 113, 44, 14 }, QStringLiteral("Ros\u00e9e")))
    , m_dewPoint(addValueLabel(QStringLiteral("labRosee"), { 50, 113, 94, 14 }))
    , m_captionPressure(addCaption(
          QStringLiteral("pictPression"), { 4, 128, 44, 14 }, QStringLiteral("Pression")))
    , m_pressure(addValueLabel(QStringLiteral("labPression"), { 50, 128, 94, 14 }))
    , m_captionVisibility(addCaption(
          QStringLiteral("pictVisibilite"), { 4, 143, 44, 14 }, QStringLiteral("Visibilit\u00e9")))
    , m_visibility(addValueLabel(QStringLiteral("labVisibilite"), { 50, 143, 94, 14 }))
    , m_captionWind(
          addCaption(QStringLiteral("pictVent"), { 4, 158, 44, 14 }, QStringLiteral("Vent")))
    , m_wind(addPicture(QStringLiteral("labVent"), { 50, 158, 94, 14 }))
{
    m_wind->setTextFormat(Qt::PlainText);
    setPixelSize(m_wind, 11);
    setPixelSize(m_town, 12, true);
    setPixelSize(m_temperature, 15, true);
    setPixelSize(m_date, 11);
    m_town->setIndent(2);
    m_date->setAlignment(Qt::AlignCenter);
    m_picture->setAlignment(Qt::AlignCenter);
    m_pictureFolder = m_context.path(QStringLiteral("images/"));
    connect(&m_download, &FeedDownload::finished, this, &frmMeteo::onDownloadFinished);
    connect(m_separator, &PictureBox::clicked, this, &frmMeteo::separatorClicked);
    connect(m_wind, &PictureBox::clicked, this, &BarModule::backgroundClicked);
}

QLabel* frmMeteo::addValueLabel(const QString& name, const QRect& geometry)
{
    QLabel* label = addLabel(name, geometry);
    // Values come from the network: never let a label interpret them as markup.
    label->setTextFormat(Qt::PlainText);
    setPixelSize(label, 11);
    return label;
}

// A caption shows its skin picture, or its text when the skin has none.
PictureBox* frmMeteo::addCaption(const QString& name, const QRect& geometry, const QString& text)
{
    PictureBox* caption = addPicture(name, geometry);
    caption->setText(text);
    setPixelSize(caption, 10);
    return caption;
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
    // A skin with its own weather pictures shows the current one from its folder at once.
    decidePictureFolder();
    if (!m_pictureName.isEmpty())
        showWeatherPicture(m_pictureName);
    m_separator->setSkinPicture(images.picture(QStringLiteral("title_meteo.bmp")));
    const std::pair<PictureBox*, const char*> captions[] = {
        { m_captionVisibility, "txt_visibilite.bmp" },
        { m_captionPressure, "txt_pression.bmp" },
        { m_captionDewPoint, "txt_rosee.bmp" },
        { m_captionWind, "txt_vent.bmp" },
        { m_captionTemperature, "txt_temperature.bmp" },
        { m_captionHumidity, "txt_humidite.bmp" },
    };
    for (const auto& [caption, file] : captions) {
        setTextColour(caption, skin().textDark());
        caption->setSkinPicture(images.picture(QLatin1String(file)));
    }
    setBackgroundColour(m_town, skin().backgroundLight());
    // Not a skin colour of its own: dark text on the light background keeps the town legible.
    setTextColour(m_town, skin().textDark());
    for (QWidget* label : { m_temperature, m_humidity })
        setTextColour(label, skin().textLight());
    for (QWidget* label : { static_cast<QWidget*>(m_visibility), static_cast<QWidget*>(m_pressure),
             static_cast<QWidget*>(m_dewPoint), static_cast<QWidget*>(m_wind),
             static_cast<QWidget*>(m_date) })
        setTextColour(label, skin().textDark());
}

void frmMeteo::ReadCity()
{
    m_cityIndex = WeatherCities::CityIndexFromSetting(m_context.settings->number(Keys::City));
}

void frmMeteo::ConnectToWeather()
{
    if (!m_context.platform.connection->IsConnected())
        return;
    const QString code = WeatherCities::WeatherCode(m_cityIndex);
    const WeatherSource::Source source
        = WeatherSource::Choose(m_context.settings->value(Keys::WeatherSource),
            m_context.settings->value(Keys::WeatherServer));
    // The same town is already on its way from the same source: its answer will do.
    if (m_download.isRunning() && code == m_fetchingCode && source == m_fetchingSource)
        return;
    ResetWeatherDisplay();
    if (code.isEmpty())
        return;
    m_town->setText(WeatherCities::TownLabel(m_cityIndex));
    if (source == WeatherSource::Source::OpenMeteo) {
        // The service's licence asks for its credit wherever its data shows.
        setToolTip(QStringLiteral("Donn\u00e9es m\u00e9t\u00e9o : Open-Meteo.com"));
        FetchOpenMeteo(m_cityIndex);
    } else {
        setToolTip({});
        FetchXoap(code);
    }
}

void frmMeteo::decidePictureFolder()
{
    m_pictureFolder = skin().useImgMeteoSkin ? skin().folder + QStringLiteral("weather/")
                                             : m_context.path(QStringLiteral("images/"));
}

// A missing or unreadable picture leaves the one on screen.
void frmMeteo::showWeatherPicture(const QString& fileName)
{
    m_pictureName = fileName;
    const QString path = m_pictureFolder + fileName;
    if (!QFileInfo::exists(path))
        return;
    QPixmap picture = PictureFile::Read(path);
    if (picture.isNull())
        return;
    if (picture.width() > m_picture->width() || picture.height() > m_picture->height())
        picture = picture.scaled(m_picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_picture->setPixmap(picture);
}

void frmMeteo::ResetWeatherDisplay()
{
    decidePictureFolder();
    showWeatherPicture(QStringLiteral("na.bmp"));
    for (QLabel* label : { m_visibility, m_pressure, m_dewPoint, static_cast<QLabel*>(m_wind) })
        label->setText(kNotAvailableValue);
    const QDate today = m_context.platform.clock->now().date();
    m_date->setText(m_context.locale.toString(today, QStringLiteral("ddd d MMM yyyy")));
    m_temperature->setText(QStringLiteral("NC"));
    m_humidity->setText(QStringLiteral("NC"));
}

void frmMeteo::ShowWeatherNotAvailable()
{
    for (QLabel* label : { m_visibility, m_pressure, m_dewPoint, static_cast<QLabel*>(m_wind) })
        label->setText(kNotAvailableValue);
    m_temperature->setText(QStringLiteral("N/A"));
    m_humidity->setText(QStringLiteral("N/A"));
    showWeatherPicture(QStringLiteral("na.bmp"));
}

void frmMeteo::FetchXoap(const QString& code)
{
    m_fetchingSource = WeatherSource::Source::Xoap;
    startDownload(
        XoapDocument::RequestUrl(m_context.settings->value(Keys::WeatherServer), code), code);
}

void frmMeteo::FetchOpenMeteo(int cityIndex)
{
    m_fetchingSource = WeatherSource::Source::OpenMeteo;
    if (cityIndex < 0 || cityIndex >= WeatherCities::kCount) {
        startDownload({}, {});
        return;
    }
    startDownload(OpenMeteoDocument::RequestUrl(m_context.settings->value(Keys::OpenMeteoAddress),
                      TownCoordinates::kTable[cityIndex]),
        WeatherCities::WeatherCode(cityIndex));
}

void frmMeteo::startDownload(const QUrl& url, const QString& code)
{
    m_values = {};
    if (!url.isValid()) {
        m_download.abandon();
        m_fetchingCode.clear();
        ShowWeatherNotAvailable();
        emit weatherShown();
        return;
    }
    m_fetchingCode = code;
    m_download.start(url);
}

void frmMeteo::onDownloadFinished(bool ok, const QByteArray& body)
{
    m_fetchingCode.clear();
    if (ok) {
        m_values = m_fetchingSource == WeatherSource::Source::OpenMeteo
            ? OpenMeteoDocument::Parse(body)
            : XoapDocument::ParseXoap(XoapDocument::DecodeBody(body));
        ShowXoapWeather();
    } else {
        ShowWeatherNotAvailable();
    }
    emit weatherShown();
}

void frmMeteo::ShowXoapWeather()
{
    if (m_values.temperature.isEmpty()) {
        ShowWeatherNotAvailable();
        return;
    }
    const QString degrees = QStringLiteral("\u00b0C");
    m_temperature->setText(m_values.temperature + degrees);
    m_visibility->setText(m_values.visibility + QStringLiteral(" km"));
    m_pressure->setText(m_values.pressure + QStringLiteral(" millibars"));
    m_dewPoint->setText(m_values.dewPoint + degrees);
    m_wind->setText(m_values.wind);
    m_humidity->setText(m_values.humidity + QLatin1Char('%'));
    // Without any icon the placeholder of the waiting state stays.
    if (m_values.iconTaken)
        showWeatherPicture(XoapDocument::PictureFileName(m_values.icon));
}
