#include "frmemail.h"

#include "EmailAccount.h"
#include "EmailAccountsFile.h"
#include "common/StringTools.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"

#include <QFontMetrics>
#include <QPainter>

static QFont statusFont()
{
    QFont font;
    font.setPixelSize(10);
    // Plain pixels at this size: crisper than blended edges, and exactly the skin's colour.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

frmemail::frmemail(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmemail"), QStringLiteral("imgBgEmail"), 46, context, parent)
    , m_notifier(context.platform.notifications)
    , m_emailRowHeight(QFontMetrics(statusFont()).height())
    , m_title(addPicture(QStringLiteral("pictemail"), { 0, 0, kWidth, 18 }))
    , m_status(addPicture(QStringLiteral("pictEmailStatus"), { 4, 20, 138, 2 * m_emailRowHeight }))
{
    m_status->setFont(statusFont());
    m_checker.setLocale(context.locale);
    m_title->setCursor(Qt::PointingHandCursor);
    m_title->setToolTip(QStringLiteral("V\u00E9rifier le courrier maintenant"));
    connect(m_title, &PictureBox::clicked, this, &frmemail::checkRequested);
    connect(&m_checker, &MailChecker::statusChanged, this, &frmemail::DrawEmailStatus);
    connect(&m_checker, &MailChecker::accountDone, this, &frmemail::onAccountDone);
    connect(&m_checker, &MailChecker::accountCounted, this, &frmemail::onAccountCounted);
    m_memoryRelease.setSingleShot(true);
    m_memoryRelease.setInterval(kMemoryReleaseDelayMs);
    connect(&m_memoryRelease, &QTimer::timeout, this, [this] {
        if (m_context.platform.memoryRelease)
            m_context.platform.memoryRelease->release();
    });
}

// A round runs network code the bar then needs no more until the next one, a period later: once
// the round is over, its pages are handed back.
void frmemail::onAccountDone()
{
    if (NbEmailAccounts() > 0 && CurrentEmailAccount() == 0)
        m_memoryRelease.start();
    emit timerWanted();
}

void frmemail::onAccountCounted(int account)
{
    const EmailAccountTable::Entry& entry = m_checker.table().at(account);
    m_notifier.observe(
        EmailAccount::fromRecordLine(entry.EmailAccounts), entry.count, entry.EmailStatus);
}

// A file may hold any number of lines; the picture stops where the screen does, and the accounts
// beyond it are checked without being drawn.
int frmemail::DrawnEmailAccounts() const
{
    const Screen* screen = m_context.platform.screen;
    const int screenHeight = screen ? screen->geometry().height() : 0;
    const int fitting = std::max(1, std::max(screenHeight, 480) / (2 * m_emailRowHeight));
    return std::min(NbEmailAccounts(), fitting);
}

// Two lines per account; with no account the frame ends where the status picture starts.
double frmemail::layoutHeight()
{
    m_status->resize(m_status->width(), DrawnEmailAccounts() * 2 * m_emailRowHeight);
    DrawEmailStatus();
    return m_status->y() + m_status->height();
}

void frmemail::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_emails.bmp")));
    setBackgroundColour(m_status, skin().background());
    DrawEmailStatus();
}

void frmemail::LoadEmailAccounts()
{
    m_checker.abortCheck();
    m_checker.table().load(EmailAccountsFile::LoadEmailAccounts(m_context.dataDir));
    if (m_context.settings)
        m_notifier.setEnabled(m_context.settings->number(Keys::NotifyNewMail) != 0);
}

void frmemail::StartMailCheck()
{
    m_checker.CheckEmailAccount();
}

QColor frmemail::colourOfState(int state) const
{
    switch (state) {
    case EmailAccountTable::NothingNew:
        return skin().textDark();
    case EmailAccountTable::NewMessages:
        return skin().textLight();
    case EmailAccountTable::Error:
        return skin().textError();
    default:
        return skin().textTitle();
    }
}

void frmemail::DrawEmailStatus()
{
    const QSize size = m_status->size().expandedTo(QSize(1, 1));
    const qreal ratio = m_status->devicePixelRatioF(); // sharp text on a high-density screen
    m_statusImage = QImage(size * ratio, QImage::Format_RGB32);
    m_statusImage.setDevicePixelRatio(ratio);
    m_statusImage.fill(skin().background());
    QPainter painter(&m_statusImage);
    painter.setFont(m_status->font());
    const int ascent = QFontMetrics(m_status->font()).ascent();
    const EmailAccountTable& table = m_checker.table();
    int y = 0;
    const int drawn = std::min(DrawnEmailAccounts(), m_statusImage.height() / m_emailRowHeight / 2);
    for (int k = 0; k < drawn; ++k) {
        const EmailAccountTable::Entry& entry = table.at(k);
        const QString name = EmailAccount::fromRecordLine(entry.EmailAccounts)[EmailAccount::Name];
        painter.setPen(skin().textTitle());
        painter.drawText(
            0, y + ascent, QStringLiteral("> ") + StringTools::ShortenMiddle(name, 22));
        y += m_emailRowHeight;
        painter.setPen(colourOfState(entry.EmailState));
        painter.drawText(0, y + ascent, StringTools::TruncateText(entry.EmailStatus, 22));
        y += m_emailRowHeight;
    }
    painter.end();
    m_status->setPixmap(QPixmap::fromImage(m_statusImage));
}
