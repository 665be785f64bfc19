#include "frmAbout.h"

#include "AppVersion.h"
#include "SystemInfoTool.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kCredits
    = "Tolvane, la barre lat\u00e9rale de votre bureau : horloge, m\u00e9t\u00e9o, e-mails, "
      "favoris, pense-b\u00eates et moniteurs du syst\u00e8me, toujours \u00e0 port\u00e9e de "
      "clic.\n\nCon\u00e7ue et \u00e9crite par l'\u00e9quipe Tolvane, avec la biblioth\u00e8que "
      "Qt.";
const char* const kNotice
    = "Avertissement : ce logiciel est fourni \u00ab tel quel \u00bb, sans aucune garantie. "
      "Vous l'utilisez \u00e0 vos propres risques ; ses auteurs ne sauraient \u00eatre tenus "
      "pour responsables des dommages li\u00e9s \u00e0 son utilisation.";
constexpr int kIconSize = 48;
constexpr int kTextWidth = 320;

} // namespace

frmAbout::frmAbout(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About ") + AppVersion::Title());

    auto* icon = addLabel(QStringLiteral("picIcon"), QString());
    icon->setPixmap(
        QIcon(m_context.path(QStringLiteral("images/tolvane.ico"))).pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    icon->setWordWrap(false);
    icon->setMinimumWidth(kIconSize + 8);

    auto* version
        = addLabel(QStringLiteral("lblVersion"), AppVersion::VersionText(AppVersion::Title()));
    QFont bold = version->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    version->setFont(bold);
    auto* credits = addLabel(QStringLiteral("lblDescription"), QString::fromUtf8(kCredits));
    auto* notice = addLabel(QStringLiteral("lblDisclaimer"), QString::fromUtf8(kNotice));
    QFont small = notice->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    notice->setFont(small);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* text = new QVBoxLayout;
    text->addWidget(version);
    text->addWidget(credits);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(notice, 1);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(ok);
    buttonColumn->addWidget(sysInfo);
    buttonColumn->addStretch();
    buttons->addLayout(buttonColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* frmAbout::addLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setMinimumWidth(kTextWidth);
    return label;
}

void frmAbout::StartSysInfo()
{
    if (SystemInfoTool::Start(*m_context.platform.launcher))
        return;
    m_context.platform.dialogs->message(Dialogs::Icon::None, AppVersion::Title(),
        QStringLiteral("System Information Is Unavailable At This Time"));
}
