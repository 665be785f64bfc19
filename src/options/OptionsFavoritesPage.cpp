#include "OptionsForm.h"
#include "OptionsPages.h"

#include "OptionsControls.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

using namespace OptionsControls;

namespace {

QStringList sortModes()
{
    return { QStringLiteral("Par Ordre Personnalis\u00e9"),
        QStringLiteral("Par Ordre Alphab\u00e9tique Croissant"),
        QStringLiteral("Par Ordre Alphab\u00e9tique D\u00e9croissant") };
}

} // namespace

OptionsFavoritesPage::OptionsFavoritesPage(OptionsForm& form, Kind kind, QWidget* parent)
    : QGroupBox(parent)
{
    const bool windows = kind == Kind::Windows;
    setTitle(windows ? QStringLiteral("Favoris Windows") : QStringLiteral("Favoris Internet"));
    setObjectName(windows ? QStringLiteral("frmWindows") : QStringLiteral("frmInternet"));
    auto* page = new QVBoxLayout(this);
    auto* sortLine = new QHBoxLayout;
    sortLine->addWidget(label(this, windows ? "labTriWindows" : "labTriFavInternet",
        windows ? QStringLiteral("Afficher les favoris Windows dans la Tolvane par")
                : QStringLiteral("Afficher les favoris Internet dans la Tolvane par")));
    sortLine->addWidget(positionList(this, windows ? "cmbTriWindows" : "cmbTriInternet",
        sortModes(), form, windows ? Keys::FavWindowsSort : Keys::FavInternetSort));
    page->addLayout(sortLine);
    page->addWidget(label(this, windows ? "labInfoTriWin" : "labInfoTriInt",
        QStringLiteral("En mode d'affichage \"Ordre Personnalis\u00e9\", utilisez les boutons "
                       "\"D\u00e9placer en Haut\" et \"D\u00e9placer en Bas\" pour organiser vos "
                       "favoris.")));
    if (windows) {
        page->addWidget(checkBox(this, "chkFavWindowsSmallIcons",
            QStringLiteral("Afficher les petites ic\u00f4nes (16x16 pixels)"), form,
            Keys::FavWinDisplaySmallIcons));
    }
    page->addStretch();
}
