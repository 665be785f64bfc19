#pragma once

#include "BandwidthHistory.h"
#include "CIpHelper.h"
#include "NetworkSettings.h"
#include "shell/BarModule.h"

#include <QLocale>

class DrawingBox;
class QPushButton;

// The bandwidth module: receive and send rates with their one-minute graphs and the address.
class frmLAN : public BarModule {
    Q_OBJECT
public:
    explicit frmLAN(AppContext& context, QWidget* parent = nullptr);
    void applySkin(SkinImages& images) override;

    // Reads the interface counters; the first reading (at start-up) is the base of the first rate.
    void ReadLANCounters();
    // One tick of the bandwidth timer while online.
    void sampleTick(bool barHidden);
    // Writes the rate labels, advances the histories and, unless hidden, redraws the graphs.
    void DisplayLANBandwidth(bool barHidden);
    // Shows the machine's address once the host name has been looked up.
    void ShowIPAddress();

    // The locale of the rate texts; the user's own unless a test sets another.
    void setNumberLocale(const QLocale& locale);
    const BandwidthHistory& downloadHistory() const { return m_downloadHistory; }
    const BandwidthHistory& uploadHistory() const { return m_uploadHistory; }

private:
    // The "Outils Réseau" button opens the desktop's network settings, and is disabled when this
    // machine has no tool for them.
    void showNetworkToolsAvailability();
    void openNetworkSettings();
    QLabel* addText(const QString& name, const QRect& geometry, const QString& text = {});
    void drawGraphs();
    void showRate(QLabel* label, double& shown, double rate);

    PictureBox* m_title;
    QLabel* m_labDownloadSec = nullptr;
    QLabel* m_labUploadSec = nullptr;
    QLabel* m_labIPPublic = nullptr;
    DrawingBox* m_pictDownload = nullptr;
    DrawingBox* m_pictUpload = nullptr;
    QFrame* m_lineLAN = nullptr;
    QPushButton* m_cmdPelnorix = nullptr;
    QList<QLabel*> m_texts;

    CIpHelper m_reader;
    NetworkSettings m_networkSettings;
    qint64 m_received = 0;
    qint64 m_sent = 0;
    qint64 m_previousReceived = 0;
    qint64 m_previousSent = 0;
    bool m_haveBase = false;
    double m_receiveRate = 0;
    double m_sendRate = 0;
    double m_receiveShown = 0; // the rates the labels show
    double m_sendShown = 0;
    BandwidthHistory m_downloadHistory;
    BandwidthHistory m_uploadHistory;
    Bandwidth::Graph m_downloadGraph;
    Bandwidth::Graph m_uploadGraph;
    QLocale m_locale;
};
