#include "frmHorloge.h"

#include "ClockDial.h"
#include "ClockFace.h"
#include "ClockText.h"
#include "DigitLabel.h"
#include "Skin.h"

#include <QFontMetrics>
#include <QLocale>

namespace {

constexpr int kDatePointSize = 8;
constexpr double kSmallestDatePointSize = 6;

void setLabelFont(QWidget* label, int pointSize, bool bold)
{
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
}

// The date keeps its size unless the locale's names would be cut at the calendar: it then
// shrinks just enough to fit ("sam. 16 mars 2024" is wider than the label in French).
void setFittingDate(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    QFont font = label->font();
    font.setPointSizeF(kDatePointSize);
    while (font.pointSizeF() > kSmallestDatePointSize
        && QFontMetrics(font).horizontalAdvance(text) > label->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
    label->setText(text);
}

template <typename Widget>
Widget* placed(Widget* widget, const QString& name, const QRect& geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

frmHorloge::frmHorloge(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmHorloge"), QStringLiteral("imgBgClock"), 161, context, parent)
    , m_separator(addPicture(QStringLiteral("pictHorlogeSeparator"), { 0, 0, kWidth, 18 }))
    , m_dial(placed(new ClockDial(this), QStringLiteral("pictHorloge"), { 23, 60, 100, 100 }))
    , m_calendar(addPicture(QStringLiteral("pictCalendar"), { 108, 21, 32, 32 }))
    , m_time(placed(new DigitLabel(this), QStringLiteral("labHHMMSS"), { 6, 22, 96, 18 }))
    , m_date(addLabel(QStringLiteral("labDate"), { 6, 42, 100, 14 }))
    , m_day(addLabel(QStringLiteral("labCalendar"), { 108, 30, 32, 22 }))
{
    m_day->setAlignment(Qt::AlignCenter);
    m_time->setAlignment(Qt::AlignCenter);
    setLabelFont(m_time, 11, true);
    setLabelFont(m_date, kDatePointSize, false);
    setLabelFont(m_day, 11, true);
    connect(m_separator, &PictureBox::clicked, this, &frmHorloge::separatorClicked);
}

// The small form cuts the module just below the date.
double frmHorloge::layoutHeight()
{
    const QWidget* last = m_small ? static_cast<QWidget*>(m_date) : m_dial;
    return last->y() + last->height() + 1;
}

void frmHorloge::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_separator->setSkinPicture(images.picture(QStringLiteral("title_horloge.bmp")));
    m_calendar->setSkinPicture(images.picture(QStringLiteral("calendar.bmp")));
    m_dial->setDialPicture(images.picture(QStringLiteral("clock.bmp")));
    setBackgroundColour(m_time, skin().backgroundLight());
    setTextColour(m_time, skin().textDark());
    setTextColour(m_date, skin().textDark());
    setTextColour(m_day, skin().textDark());
    if (m_drawn)
        m_dial->showHands(m_hands, handColours());
}

void frmHorloge::DrawClock()
{
    const QDateTime now = m_context.platform.clock->now();
    if (now.date() != m_shownDate) {
        m_day->setText(QString::number(now.date().day()));
        setFittingDate(m_date, ClockText::DateText(now.date(), m_context.locale));
        m_shownDate = now.date();
    }
    m_hands = ClockGeometry::HandsAt(now.time(), m_dial->size());
    m_time->setText(ClockText::TimeText(now.time()));
    m_drawn = true;
    m_dial->showHands(m_hands, handColours());
}

ClockFace::HandColours frmHorloge::handColours() const
{
    return { skin().textDark(), skin().textError() };
}

QImage frmHorloge::clockImage() const
{
    return m_dial->face();
}
