#include "OptionsForm.h"
#include "OptionsPages.h"

#include "OptionsControls.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

using namespace OptionsControls;

namespace {

QHBoxLayout* line(QVBoxLayout* page)
{
    auto* row = new QHBoxLayout;
    page->addLayout(row);
    return row;
}

} // namespace

OptionsDisplayPage::OptionsDisplayPage(
    OptionsForm& form, std::function<void(bool, int)> preview, QWidget* parent)
    : QGroupBox(QStringLiteral("Options d'affichage"), parent)
    , m_form(form)
    , m_preview(std::move(preview))
{
    setObjectName(QStringLiteral("frmAffichage"));
    auto* page = new QVBoxLayout(this);
    page->addWidget(
        new QLabel(QStringLiteral("Th\u00e8mes Tolvane (Le changement est effectu\u00e9 en temps "
                                  "r\u00e9el)"),
            this));
    auto* themes = new QComboBox(this);
    themes->setObjectName(QStringLiteral("cmbTheme"));
    themes->addItems(form.themes());
    themes->setCurrentIndex(form.selectedTheme());
    connect(themes, &QComboBox::textActivated, this,
        [this](const QString& name) { m_form.setSelectedSkin(name); });
    page->addWidget(themes);

    page->addWidget(new QLabel(QStringLiteral("Positionnement de l'application"), this));
    page->addWidget(positionList(this, "cmbPosition",
        { QStringLiteral("A droite"), QStringLiteral("A gauche") }, form, Keys::Position));

    QCheckBox* transparent = checkBox(this, "chkTransparence",
        QStringLiteral("Afficher la fen\u00eatre avec un effet de transparence (permet de voir le "
                       "bureau au travers de l'application)"),
        form, Keys::DisplayTransparency);
    page->addWidget(transparent);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QStringLiteral("sliderTransparence"));
    slider->setRange(
        static_cast<int>(Keys::Transparency.minimum), static_cast<int>(Keys::Transparency.maximum));
    slider->setValue(form.number(Keys::Transparency));
    m_percent = label(this, "labTransparence", TransparencyPreview::label(slider->value()));
    m_percent->setWordWrap(false);
    QHBoxLayout* sliderLine = line(page);
    sliderLine->addWidget(slider, 1);
    sliderLine->addWidget(m_percent);
    connect(slider, &QSlider::valueChanged, this, [this](int value) {
        m_form.setNumber(Keys::Transparency, value);
        showTransparency();
    });
    connect(transparent, &QCheckBox::clicked, this, &OptionsDisplayPage::showTransparency);
    page->addWidget(label(this, "labTransparenceInfo",
        QStringLiteral("Important : si votre carte graphique et/ou votre processeur ne sont pas "
                       "assez rapides, l'effet de transparence peut provoquer des ralentissements "
                       "lors de l'affichage de la fen\u00eatre de l'application. Dans ce cas, "
                       "r\u00e9glez l'effet de transparence sur 0 %.")));

    QHBoxLayout* space = line(page);
    space->addWidget(new QLabel(QStringLiteral("Espacement vertical entre les modules"), this));
    space->addWidget(upDown(this, "UpDownSpaceBetweenModules", "txtSpaceBetweenModules", form,
        Keys::SpaceBetweenModules));
    space->addStretch();
    QHBoxLayout* favorites = line(page);
    favorites->addWidget(new QLabel(
        QStringLiteral("Nombre d'\u00e9l\u00e9ments (lignes) affich\u00e9s pour le module "
                       "\"Favoris Windows\""),
        this));
    favorites->addWidget(
        upDown(this, "UpDownFavHeight", "txtFavHeight", form, Keys::FavModuleNbElem));
    favorites->addStretch();
    page->addWidget(label(this, "labFavHeightInfo",
        QStringLiteral("Note : s'il existe plus de favoris que d'\u00e9l\u00e9ments affichables, "
                       "une barre de d\u00e9filement sera automatiquement ajout\u00e9e au module "
                       "pour que vous puissiez faire appara\u00eetre les favoris masqu\u00e9s.")));
    page->addWidget(checkBox(this, "chkAutoStart",
        QStringLiteral("Lancer la Tolvane \u00e0 l'ouverture de la session"), form,
        Keys::AutoStart));
    page->addStretch();
}

void OptionsDisplayPage::showTransparency()
{
    const int value = m_form.number(Keys::Transparency);
    m_percent->setText(TransparencyPreview::label(value));
    if (m_preview)
        m_preview(
            true, TransparencyPreview::opacity(m_form.checked(Keys::DisplayTransparency), value));
}
