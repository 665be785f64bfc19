#include "OptionsForm.h"
#include "OptionsPages.h"

#include "FavoritesOptions.h"
#include "OptionsControls.h"
#include "common/ListView.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

using namespace OptionsControls;

namespace {

QStringList sortModes()
{
    return { QStringLiteral("Par Ordre Personnalis\u00e9"),
        QStringLiteral("Par Ordre Alphab\u00e9tique Croissant"),
        QStringLiteral("Par Ordre Alphab\u00e9tique D\u00e9croissant") };
}

} // namespace

OptionsFavoritesPage::OptionsFavoritesPage(
    OptionsForm& form, FavoritesOptions& favorites, Kind kind, QWidget* parent)
    : QGroupBox(parent)
    , m_favorites(favorites)
    , m_kind(kind)
{
    const bool windows = kind == Kind::Windows;
    setTitle(windows ? QStringLiteral("Favoris Windows") : QStringLiteral("Favoris Internet"));
    setObjectName(windows ? QStringLiteral("frmWindows") : QStringLiteral("frmInternet"));
    auto* page = new QVBoxLayout(this);
    auto* sortLine = new QHBoxLayout;
    sortLine->addWidget(label(this, windows ? "labTriWindows" : "labTriFavInternet",
        windows ? QStringLiteral("Afficher les favoris Windows dans la Tolvane par")
                : QStringLiteral("Afficher les favoris Internet dans la Tolvane par")));
    m_sort = positionList(this, windows ? "cmbTriWindows" : "cmbTriInternet", sortModes(), form,
        windows ? Keys::FavWindowsSort : Keys::FavInternetSort);
    connect(m_sort, &QComboBox::currentIndexChanged, this, [this] {
        emit sortModeChanged();
        m_list->viewport()->update();
    });
    sortLine->addWidget(m_sort);
    page->addLayout(sortLine);
    buildList(page, windows);
    QLabel* hint = label(this, windows ? "labInfoTriWin" : "labInfoTriInt",
        QStringLiteral("En mode d'affichage \"Ordre Personnalis\u00e9\", utilisez les boutons "
                       "\"D\u00e9placer en Haut\" et \"D\u00e9placer en Bas\" pour organiser vos "
                       "favoris."));
    hint->setWordWrap(true);
    page->addWidget(hint);
    if (windows) {
        page->addWidget(checkBox(this, "chkFavWindowsSmallIcons",
            QStringLiteral("Afficher les petites ic\u00f4nes (16x16 pixels)"), form,
            Keys::FavWinDisplaySmallIcons));
    }
    fill(-1);
    enableMoves();
}

void OptionsFavoritesPage::buildList(QBoxLayout* page, bool windows)
{
    m_list = reportList(this, windows ? "lvFavWin" : "lvFavInt",
        { QStringLiteral("Favoris"),
            windows ? QStringLiteral("R\u00e9pertoire") : QStringLiteral("URL") });
    page->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    m_up = button(
        this, windows ? "cmdFavWinUp" : "cmdFavIntUp", QStringLiteral("D\u00e9placer en Haut"));
    m_down = button(
        this, windows ? "cmdFavWinDown" : "cmdFavIntDown", QStringLiteral("D\u00e9placer en Bas"));
    QPushButton* remove = button(
        this, windows ? "cmdSupprimerFavWin" : "cmdSupprimerFavInt", QStringLiteral("Supprimer"));
    connect(m_up, &QPushButton::clicked, this, [this] { move(true); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(false); });
    connect(remove, &QPushButton::clicked, this, &OptionsFavoritesPage::remove);
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    buttons->addStretch();
    buttons->addWidget(remove);
    page->addLayout(buttons);
}

FavoriteKind OptionsFavoritesPage::favoriteKind() const
{
    return m_kind == Kind::Windows ? FavoriteKind::Windows : FavoriteKind::Internet;
}

void OptionsFavoritesPage::enableMoves()
{
    const bool enabled = FavoritesOptions::movesEnabled(m_sort->currentIndex());
    m_up->setEnabled(enabled);
    m_down->setEnabled(enabled);
}

void OptionsFavoritesPage::fill(int selected)
{
    m_list->clear();
    for (const FavoriteEntry& entry : m_favorites.rows(favoriteKind()))
        new QTreeWidgetItem(m_list, { entry.label, entry.target });
    ListView::LVAutoSizeColumns(m_list);
    if (selected >= 0)
        ListView::LVSelectItem(m_list, selected + 1, true);
}

void OptionsFavoritesPage::move(bool up)
{
    const int row = ListView::LVGetSelectedIndex(m_list) - 1;
    if (row < 0)
        return;
    fill(m_favorites.MoveRow(favoriteKind(), row, up ? -1 : 1));
    m_list->setFocus();
}

void OptionsFavoritesPage::remove()
{
    const int row = ListView::LVGetSelectedIndex(m_list) - 1;
    if (!m_favorites.remove(favoriteKind(), row))
        return;
    ListView::LVRemoveItem(m_list, row + 1);
    emit favoritesChanged();
}
