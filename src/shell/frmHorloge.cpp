#include "frmHorloge.h"

#include "ModuleLayout.h"
#include "Skin.h"

frmHorloge::frmHorloge(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmHorloge"), QStringLiteral("imgBgClock"), 161, context, parent)
    , m_separator(addPicture(QStringLiteral("pictHorlogeSeparator"), { 0, 0, kWidth, 18 }))
    , m_dial(addPicture(QStringLiteral("pictHorloge"), { 23, 60, 100, 100 }))
    , m_calendar(addPicture(QStringLiteral("pictCalendar"), { 108, 21, 32, 32 }))
    , m_time(addLabel(QStringLiteral("labHHMMSS"), { 6, 22, 92, 18 }))
    , m_date(addLabel(QStringLiteral("labDate"), { 6, 42, 100, 14 }))
    , m_day(addLabel(QStringLiteral("labCalendar"), { 108, 30, 32, 20 }))
{
    m_day->setAlignment(Qt::AlignCenter);
    m_time->setAlignment(Qt::AlignCenter);
    connect(m_separator, &PictureBox::clicked, this, &frmHorloge::separatorClicked);
}

QString frmHorloge::moduleId() const
{
    return ModuleLayout::kHorloge;
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
    m_dial->setSkinPicture(images.picture(QStringLiteral("clock.bmp")));
    m_calendar->setSkinPicture(images.picture(QStringLiteral("calendar.bmp")));
    setBackgroundColour(m_time, skin().backgroundLight());
    setTextColour(m_date, skin().textDark());
}

void frmHorloge::DrawClock()
{
    const QDateTime now = m_context.platform.clock->now();
    m_time->setText(now.toString(QStringLiteral("hh:mm:ss")));
    m_day->setText(QString::number(now.date().day()));
}
