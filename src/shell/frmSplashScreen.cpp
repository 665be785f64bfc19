#include "frmSplashScreen.h"

#include "PictureFile.h"
#include "SettingsStore.h"
#include "SettingsWriteError.h"
#include "Skin.h"
#include "SplashPreference.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kGreeting
    = "Votre barre lat\u00e9rale est pr\u00eate : elle se range au "
      "bord de l'\u00e9cran et rassemble l'heure, la m\u00e9t\u00e9o, vos e-mails, vos favoris "
      "et vos pense-b\u00eates. Le bouton des options, dans la barre de titre, permet de choisir "
      "les modules, leur ordre et l'habillage.";
const char* const kTitle = "Bienvenue dans Tolvane !";
const char* const kContact
    = "Une question, une id\u00e9e ? Toutes les remarques sont les bienvenues aupr\u00e8s de "
      "l'\u00e9quipe Tolvane.";
const char* const kLegal = "Tolvane est fourni \u00ab tel quel \u00bb, sans aucune garantie.";

constexpr int kTextWidth = 300;

} // namespace

frmSplashScreen::frmSplashScreen(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmSplashScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Bienvenue !"));

    auto* picture = addLabel(QStringLiteral("pictTolvane"), QString());
    picture->setWordWrap(false);
    picture->setMinimumWidth(0);
    if (m_context.skin)
        picture->setPixmap(
            PictureFile::Read(m_context.skin->folder + QStringLiteral("tolvane_logo.bmp")));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* title = addLabel(QStringLiteral("lblTitre"), QString::fromUtf8(kTitle));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title->setFont(bold);
    auto* greeting = addLabel(QStringLiteral("lblBienvenue"), QString::fromUtf8(kGreeting));
    auto* contact = addLabel(QStringLiteral("lblContact"), QString::fromUtf8(kContact));
    auto* legal = addLabel(QStringLiteral("lblLegal"), QString::fromUtf8(kLegal));
    QFont small = legal->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    legal->setFont(small);

    auto* doNotDisplay = new QCheckBox(QStringLiteral("Ne plus afficher cette fen\u00eatre"), this);
    doNotDisplay->setObjectName(QStringLiteral("chkDoNotDisplay"));
    doNotDisplay->setChecked(!SplashPreference::ShowAtStartUp(*m_context.settings));
    connect(doNotDisplay, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!SplashPreference::Remember(*m_context.settings, ticked))
            SettingsWriteError::Tell(m_context);
    });
    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("cmdFerme"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(greeting);
    text->addWidget(contact);
    text->addStretch();
    text->addWidget(legal);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(doNotDisplay, 1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* frmSplashScreen::addLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setMinimumWidth(kTextWidth);
    return label;
}
