#include "frmemail.h"

#include "shell/ModuleLayout.h"
#include "shell/Skin.h"

frmemail::frmemail(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmemail"), QStringLiteral("imgBgEmail"), 46, context, parent)
    , m_emailRowHeight(13)
    , m_title(addPicture(QStringLiteral("pictemail"), { 0, 0, kWidth, 18 }))
    , m_status(addPicture(QStringLiteral("pictEmailStatus"), { 4, 20, 138, 26 }))
{
}

QString frmemail::moduleId() const
{
    return ModuleLayout::kEmails;
}

// Two lines per account; with no account the frame ends where the status picture starts.
double frmemail::layoutHeight()
{
    m_status->resize(m_status->width(), m_accountCount * 2 * m_emailRowHeight);
    DrawEmailStatus();
    return m_status->y() + m_status->height();
}

void frmemail::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_emails.bmp")));
    setBackgroundColour(m_status, skin().background());
}

void frmemail::LoadEmailAccounts() { }

void frmemail::StartMailCheck()
{
    emit timerWanted();
}

void frmemail::DrawEmailStatus() { }
