#include "OptionsForm.h"
#include "OptionsPages.h"

#include "OptionsControls.h"
#include "PictureChooser.h"
#include "shell/SettingsKeys.h"
#include "weather/WeatherCities.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace OptionsControls;

namespace {

QStringList townNames()
{
    QStringList names;
    for (int index = 0; index < WeatherCities::kCount; ++index)
        names.append(WeatherCities::ListText(index));
    return names;
}

// A line of controls indented under the check box they belong to.
QHBoxLayout* indented(QVBoxLayout* page)
{
    auto* row = new QHBoxLayout;
    row->addSpacing(20);
    page->addLayout(row);
    return row;
}

} // namespace

OptionsModulesPage::OptionsModulesPage(OptionsForm& form, Dialogs* dialogs, QWidget* parent)
    : QGroupBox(QStringLiteral("Param\u00e9trage des Modules"), parent)
    , m_form(form)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmModules"));
    auto* page = new QVBoxLayout(this);
    page->setSpacing(3);
    page->addWidget(checkBox(this, "chkHorloge",
        QStringLiteral("Afficher l'horloge (Horloge analogique, horloge num\u00e9rique et date du "
                       "jour)"),
        form, Keys::DisplayClock));
    indented(page)->addWidget(checkBox(this, "chkHorlogeSmall",
        QStringLiteral("N'afficher que les informations sous forme de texte (Horloge et Date "
                       "sous forme graphique non affich\u00e9es)"),
        form, Keys::DisplayClockSmall));
    page->addWidget(checkBox(this, "chkMeteo",
        QStringLiteral("Afficher la Station M\u00e9t\u00e9o Temps r\u00e9el (Temp\u00e9rature, "
                       "humidit\u00e9, vitesse du vent, ...)"),
        form, Keys::DisplayMeteo));
    indented(page)->addWidget(checkBox(this, "chkMeteoSmall",
        QStringLiteral("N'afficher que la Temp\u00e9rature et le Taux d'humidit\u00e9 (version "
                       "r\u00e9duite)"),
        form, Keys::DisplayMeteoSmall));
    QHBoxLayout* town = indented(page);
    auto* townCaption = new QLabel(
        QStringLiteral("Afficher les informations m\u00e9t\u00e9o pour la ville"), this);
    townCaption->setMinimumWidth(townCaption->sizeHint().width());
    town->addWidget(townCaption);
    QComboBox* towns = positionList(this, "cmbVille", townNames(), form, Keys::City);
    towns->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    towns->setMinimumContentsLength(18);
    town->addWidget(towns, 1);
    QHBoxLayout* meteoTimer = indented(page);
    meteoTimer->addWidget(new QLabel(
        QStringLiteral("R\u00e9actualiser les informations m\u00e9t\u00e9o toutes les"), this));
    meteoTimer->addWidget(
        upDown(this, "updownTimerMeteo", "txtTimerMeteo", form, Keys::TimerMeteo));
    meteoTimer->addWidget(new QLabel(QStringLiteral("minutes"), this));
    meteoTimer->addStretch();
    page->addWidget(checkBox(this, "chkInfoSys",
        QStringLiteral("Afficher les informations syst\u00e8me en temps r\u00e9el (CPU, "
                       "m\u00e9moire RAM et m\u00e9moire virtuelle)"),
        form, Keys::DisplaySysInfo));
    page->addWidget(checkBox(this, "chkReseau",
        QStringLiteral("Afficher les informations r\u00e9seau en temps r\u00e9el (Octets "
                       "envoy\u00e9s/re\u00e7us)"),
        form, Keys::DisplayLAN));
    page->addWidget(checkBox(this, "chkPhoto",
        QStringLiteral("Afficher une image personnalis\u00e9e (photo, dessin, ...)"), form,
        Keys::DisplayPhoto));
    QHBoxLayout* photo = indented(page);
    photo->addWidget(new QLabel(
        QStringLiteral("S\u00e9lectionnez la photo \u00e0 afficher (fichier *.bmp)"), this));
    m_photo = new QLineEdit(form.text(Keys::Photo), this);
    m_photo->setObjectName(QStringLiteral("txtPhoto"));
    connect(m_photo, &QLineEdit::textChanged, this,
        [this](const QString& text) { m_form.setText(Keys::Photo, text); });
    photo->addWidget(m_photo, 1);
    QPushButton* choose = button(this, "cmdChoosePicture", QStringLiteral("..."));
    choose->setMaximumWidth(30);
    connect(choose, &QPushButton::clicked, this, &OptionsModulesPage::choosePicture);
    photo->addWidget(choose);
    page->addWidget(checkBox(this, "chkEmails", QStringLiteral("Afficher le module e-mails"), form,
        Keys::DisplayEmails));
    QHBoxLayout* mailTimer = indented(page);
    mailTimer->addWidget(new QLabel(
        QStringLiteral("V\u00e9rifier l'arriv\u00e9e de nouveaux e-mails toutes les"), this));
    mailTimer->addWidget(upDown(this, "UpDownTimerEmail", "txtTimerEmail", form, Keys::TimerEmail));
    mailTimer->addWidget(new QLabel(QStringLiteral("minutes"), this));
    mailTimer->addStretch();
    page->addWidget(checkBox(this, "chkPenseBete",
        QStringLiteral("Afficher le module Pense-B\u00eate"), form, Keys::DisplayPenseBete));
    page->addWidget(checkBox(this, "chkFavoris",
        QStringLiteral("Afficher le module des favoris Windows / Internet / Syst\u00e8me"), form,
        Keys::DisplayFavoris));
    page->addStretch();
}

void OptionsModulesPage::choosePicture()
{
    if (m_dialogs)
        m_photo->setText(PictureChooser::Choose(*m_dialogs, m_photo->text()));
}
