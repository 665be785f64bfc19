#include "frmLAN.h"

#include "DrawingBox.h"
#include "GetIPAddress.h"
#include "platform/HostAddresses.h"
#include "shell/Skin.h"

#include <QPointer>
#include <QPushButton>

namespace {
constexpr int kLeft = 5;
constexpr int kInnerWidth = 136;
constexpr int kCaptionWidth = 56;
constexpr int kTextHeight = 14;
constexpr int kGraphHeight = 22;
} // namespace

frmLAN::frmLAN(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmLAN"), QStringLiteral("imgBgLAN"), 140, context, parent)
    , m_title(addPicture(QStringLiteral("pictLANSeparator"), { 0, 0, kWidth, 18 }))
    , m_reader(context.platform.interfaces)
    , m_networkSettings(context.platform.launcher)
    , m_locale(context.locale)
{
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    const int valueLeft = kLeft + kCaptionWidth;
    const int valueWidth = kInnerWidth - kCaptionWidth;
    addText(QStringLiteral("labDownload"), { kLeft, 21, kCaptionWidth, kTextHeight },
        QStringLiteral("R\u00e9ception"));
    m_labDownloadSec
        = addText(QStringLiteral("labDownloadSec"), { valueLeft, 21, valueWidth, kTextHeight });
    m_pictDownload = new DrawingBox(
        QStringLiteral("pictBandWidthDownload"), { kLeft, 36, kInnerWidth, kGraphHeight }, this);
    addText(QStringLiteral("labUpload"), { kLeft, 60, kCaptionWidth, kTextHeight },
        QStringLiteral("Envoi"));
    m_labUploadSec
        = addText(QStringLiteral("labUploadSec"), { valueLeft, 60, valueWidth, kTextHeight });
    m_pictUpload = new DrawingBox(
        QStringLiteral("pictBandWidthUpload"), { kLeft, 75, kInnerWidth, kGraphHeight }, this);
    m_lineLAN = new QFrame(this);
    m_lineLAN->setObjectName(QStringLiteral("lineLAN"));
    m_lineLAN->setGeometry(kLeft, 100, kInnerWidth, 1);
    m_lineLAN->setAutoFillBackground(true);
    addText(QStringLiteral("labIPADPUBINF"), { kLeft, 103, 44, kTextHeight },
        QStringLiteral("IP Ext.:"));
    m_labIPPublic = addText(
        QStringLiteral("labIPPublic"), { kLeft + 44, 103, kInnerWidth - 44, kTextHeight });
    m_cmdPelnorix = new QPushButton(QStringLiteral("Outils R\u00e9seau"), this);
    m_cmdPelnorix->setObjectName(QStringLiteral("cmdPelnorix"));
    m_cmdPelnorix->setGeometry(kLeft, 119, kInnerWidth, 19);
    m_cmdPelnorix->setCursor(Qt::PointingHandCursor);
    connect(m_cmdPelnorix, &QPushButton::clicked, this, &frmLAN::openNetworkSettings);
    showNetworkToolsAvailability();
    for (QLabel* rate : { m_labDownloadSec, m_labUploadSec }) {
        rate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rate->setText(Bandwidth::FormatRate(0, m_locale));
    }
}

QLabel* frmLAN::addText(const QString& name, const QRect& geometry, const QString& text)
{
    QLabel* label = addLabel(name, geometry, text);
    m_texts.append(label);
    return label;
}

void frmLAN::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_reseau.bmp")));
    for (QLabel* label : m_texts)
        setTextColour(label, skin().textDark());
    setBackgroundColour(m_lineLAN, skin().textTitle());
    drawGraphs();
    // The bar is being rebuilt: a tool installed since the last time is seen now.
    showNetworkToolsAvailability();
}

void frmLAN::showNetworkToolsAvailability()
{
    const bool available = m_networkSettings.Find().has_value();
    m_cmdPelnorix->setEnabled(available);
    m_cmdPelnorix->setToolTip(available
            ? QStringLiteral("Ouvrir les param\u00e8tres r\u00e9seau du bureau")
            : QStringLiteral("Aucun outil de param\u00e9trage du r\u00e9seau n'est install\u00e9 "
                             "(nm-connection-editor, par exemple)"));
}

void frmLAN::openNetworkSettings()
{
    const std::optional<NetworkSettings::Command> tool = m_networkSettings.Find();
    if (!tool) {
        showNetworkToolsAvailability();
        return;
    }
    const bool started = m_context.platform.launcher->startProgram(tool->program, tool->arguments);
    if (!started && m_context.platform.dialogs)
        m_context.platform.dialogs->message(Dialogs::Icon::Critical, QStringLiteral("Tolvane"),
            QStringLiteral("Les param\u00e8tres r\u00e9seau n'ont pas pu \u00eatre ouverts :\n")
                + tool->program);
}

void frmLAN::ReadLANCounters()
{
    m_reader.ReadTotals();
    m_received = m_reader.BytesReceived();
    m_sent = m_reader.BytesSent();
    if (!m_haveBase) {
        m_previousReceived = m_received;
        m_previousSent = m_sent;
        m_haveBase = true;
    }
}

void frmLAN::sampleTick(bool barHidden)
{
    ReadLANCounters();
    m_receiveRate = Bandwidth::RateBetween(m_previousReceived, m_received);
    m_sendRate = Bandwidth::RateBetween(m_previousSent, m_sent);
    m_previousSent = m_sent;
    m_previousReceived = m_received;
    DisplayLANBandwidth(barHidden);
}

void frmLAN::setNumberLocale(const QLocale& locale)
{
    m_locale = locale;
    m_labDownloadSec->setText(Bandwidth::FormatRate(m_receiveShown, m_locale));
    m_labUploadSec->setText(Bandwidth::FormatRate(m_sendShown, m_locale));
}

// The text is made only when the rate changed: an idle network shows the same rate every second.
void frmLAN::showRate(QLabel* label, double& shown, double rate)
{
    if (rate == shown)
        return;
    label->setText(Bandwidth::FormatRate(rate, m_locale));
    shown = rate;
}

void frmLAN::DisplayLANBandwidth(bool barHidden)
{
    showRate(m_labDownloadSec, m_receiveShown, m_receiveRate);
    showRate(m_labUploadSec, m_sendShown, m_sendRate);
    m_downloadHistory.push(m_receiveRate);
    m_uploadHistory.push(m_sendRate);
    if (!barHidden)
        drawGraphs();
}

void frmLAN::drawGraphs()
{
    const auto draw = [this](DrawingBox* box, const BandwidthHistory& history, auto& graph) {
        const QRect changed
            = Bandwidth::DrawGraph(box->canvas(), history, skin(), box->font(), graph);
        if (!changed.isEmpty())
            box->update(changed);
    };
    draw(m_pictDownload, m_downloadHistory, m_downloadGraph);
    draw(m_pictUpload, m_uploadHistory, m_uploadGraph);
}

void frmLAN::ShowIPAddress()
{
    HostAddresses* hosts = m_context.platform.hosts;
    if (!hosts)
        return;
    QPointer<frmLAN> self(this);
    auto show = [self, hosts](const QStringList& addresses) {
        if (self)
            self->m_labIPPublic->setText(
                GetIPAddress(addresses, hosts->interfaceAddresses(), true));
    };
    const QString name = hosts->hostName();
    if (name.isEmpty())
        show({});
    else
        hosts->lookUpHost(name, show);
}
