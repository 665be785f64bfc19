#pragma once

#include "FeedDownload.h"
#include "WeatherSource.h"
#include "XoapDocument.h"
#include "shell/BarModule.h"

// The weather module: the town, the condition picture and six values, refreshed from the public
// forecast service, or from the XOAP feed named by the setting "WeatherServer". The download
// runs in the background; meanwhile the module shows its waiting state.
class frmMeteo : public BarModule {
    Q_OBJECT
public:
    static constexpr int kDesignedHeight = 173;

    explicit frmMeteo(AppContext& context, QWidget* parent = nullptr);
    double layoutHeight() override;
    void applySkin(SkinImages& images) override;

    void setSmall(bool small) { m_small = small; }
    bool isSmall() const { return m_small; }

    // Reads the setting "City" into CityIndex; the bar calls it when it applies its settings.
    void ReadCity();
    int CityIndex() const { return m_cityIndex; }

    void ConnectToWeather();
    void ResetWeatherDisplay();
    void ShowWeatherNotAvailable();
    void FetchXoap(const QString& code);
    void FetchOpenMeteo(int cityIndex);
    void ShowXoapWeather();

    // Where na.bmp and the condition pictures are read from, as last decided by the reset.
    QString weatherPictureFolder() const { return m_pictureFolder; }
    bool isFetching() const { return m_download.isRunning(); }
    void setFetchTimeoutMs(int milliseconds) { m_download.setTimeoutMs(milliseconds); }
    const XoapDocument::Values& values() const { return m_values; }

signals:
    // A fetch ended, whatever its outcome; the display is up to date.
    void weatherShown();

private:
    QLabel* addValueLabel(const QString& name, const QRect& geometry);
    PictureBox* addCaption(const QString& name, const QRect& geometry, const QString& text);
    void decidePictureFolder();
    void showWeatherPicture(const QString& fileName);
    void startDownload(const QUrl& url, const QString& code);
    void onDownloadFinished(bool ok, const QByteArray& body);

    bool m_small = false;
    int m_cityIndex;
    QString m_pictureFolder;
    QString m_pictureName; // the condition picture asked for last
    QString m_fetchingCode;
    WeatherSource::Source m_fetchingSource = WeatherSource::Source::OpenMeteo;
    XoapDocument::Values m_values;
    FeedDownload m_download;

    PictureBox* m_separator;
    QLabel* m_town;
    PictureBox* m_picture;
    PictureBox* m_captionTemperature;
    QLabel* m_temperature;
    PictureBox* m_captionHumidity;
    QLabel* m_humidity;
    QLabel* m_date;
    PictureBox* m_captionDewPoint;
    QLabel* m_dewPoint;
    PictureBox* m_captionPressure;
    QLabel* m_pressure;
    PictureBox* m_captionVisibility;
    QLabel* m_visibility;
    PictureBox* m_captionWind;
    PictureBox* m_wind; // a click on it counts as a click on the background
};
