#include "frmFavoris.h"

#include "FavoriteListView.h"
#include "ShellOpen.h"
#include "common/Numbers.h"
#include "frmAddShortCut.h"
#include "shell/PictureFile.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>

namespace {

constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

QString systemPictureName(int number)
{
    return QStringLiteral("ico_sys_%1.bmp").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

frmFavoris::frmFavoris(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmFavoris"), QStringLiteral("imgBgFav"), 150, context, parent)
    , m_logic(context.platform, context.dataDir)
    , m_systemOpener(context.platform,
          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
    , m_title(addPicture(QStringLiteral("pictFavoris"), { 0, 0, kWidth, 18 }))
    , m_tabWindows(addPicture(QStringLiteral("pictFavWindows"), { 6, 21, 24, 20 }))
    , m_tabInternet(addPicture(QStringLiteral("pictFavInternet"), { 34, 21, 24, 20 }))
    , m_tabSystem(addPicture(QStringLiteral("pictFavSystem"), { 62, 21, 24, 20 }))
    , m_windows(new FavoriteListView(QStringLiteral("lvWindows"), this))
    , m_internet(new FavoriteListView(QStringLiteral("lvInternet"), this))
    , m_system(new FavoriteListView(QStringLiteral("lvSys"), this))
    , m_url(new QLineEdit(this))
    , m_urlLabel(addLabel(QStringLiteral("lblURL"), { 4, 0, 42, 14 }, QStringLiteral("http://")))
{
    m_url->setObjectName(QStringLiteral("txtURL"));
    m_url->setFrame(false);
    m_url->setGeometry(46, 0, 96, 18);
    for (FavoriteListView* list : { m_windows, m_internet, m_system })
        list->setGeometry(4, listTop(), 138, 80);
    m_system->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_system->setAcceptDrops(false);
    m_system->viewport()->setAcceptDrops(false);
    m_internet->setIconSize({ kSmallIcon, kSmallIcon });
    m_system->setIconSize({ kSmallIcon, kSmallIcon });

    connect(m_tabWindows, &PictureBox::clicked, this, [this] { emit tabClicked(1); });
    connect(m_tabInternet, &PictureBox::clicked, this, [this] { emit tabClicked(2); });
    connect(m_tabSystem, &PictureBox::clicked, this, [this] { emit tabClicked(3); });
    connect(m_windows, &QTreeWidget::itemDoubleClicked, this,
        [this](QTreeWidgetItem* item) { openRow(FavoriteKind::Windows, item); });
    connect(m_internet, &QTreeWidget::itemDoubleClicked, this,
        [this](QTreeWidgetItem* item) { openRow(FavoriteKind::Internet, item); });
    connect(m_system, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_systemOpener.Open(m_system->indexOfTopLevelItem(item) + 1);
    });
    connect(m_windows, &QTreeWidget::itemChanged, this,
        [this](QTreeWidgetItem* item) { renameRow(FavoriteKind::Windows, item); });
    connect(m_internet, &QTreeWidget::itemChanged, this,
        [this](QTreeWidgetItem* item) { renameRow(FavoriteKind::Internet, item); });
    connect(m_windows, &FavoriteListView::dropped, this, &frmFavoris::dropFiles);
    connect(m_internet, &FavoriteListView::dropped, this, &frmFavoris::dropAddress);
    connect(m_url, &QLineEdit::returnPressed, this,
        [this] { ShellOpen(m_context.platform, m_url->text()); });
    FillSystemList();
}

int frmFavoris::twipsPerPixelY() const
{
    return m_context.platform.screen ? m_context.platform.screen->twipsPerPixelY()
                                     : Twips::kDefaultPerPixel;
}

// The lists start 10 twips below the row of tab buttons.
int frmFavoris::listTop() const
{
    const int tpp = twipsPerPixelY();
    const int tabBottom = m_tabWindows->y() + m_tabWindows->height();
    return Twips::toPixels(Twips::fromPixels(tabBottom, tpp) + 10, tpp);
}

static int firstRowHeightPixels(const QTreeWidget* list)
{
    if (list->topLevelItemCount() == 0)
        return 0;
    const int height = list->visualItemRect(list->topLevelItem(0)).height();
    return height > 0 ? height : list->sizeHintForRow(0);
}

// List heights are computed in twips; the Internet list leaves room for the address box.
double frmFavoris::layoutHeight()
{
    const int tpp = twipsPerPixelY();
    int rowPixels = firstRowHeightPixels(m_windows);
    if (rowPixels == 0)
        rowPixels = firstRowHeightPixels(m_system);
    if (rowPixels == 0)
        rowPixels = fontMetrics().height() + 2;
    const double rowHeight = Twips::fromPixels(rowPixels, tpp);
    const double listHeight = Numbers::RoundHalfEven(m_visibleRows * rowHeight);
    const int urlHeight = Twips::fromPixels(m_url->height(), tpp);
    m_windows->resize(m_windows->width(), Twips::toPixels(listHeight + 25, tpp));
    m_system->resize(m_system->width(), Twips::toPixels(listHeight + 25, tpp));
    m_internet->resize(m_internet->width(), Twips::toPixels(listHeight + 25 - urlHeight, tpp));

    const double frameHeight
        = Twips::toExactPixels(Twips::fromPixels(m_windows->y(), tpp) + listHeight + 25, tpp);
    const int frameBottom = static_cast<int>(Numbers::RoundHalfEven(frameHeight));
    m_url->move(m_url->x(), frameBottom - m_url->height());
    m_urlLabel->move(m_urlLabel->x(), m_url->y() + (m_url->height() - m_urlLabel->height()) / 2);
    return frameHeight;
}

// Pictures a skin of its own may lack come from the shipped default skin.
QPixmap frmFavoris::shippedPicture(SkinImages& images, const QString& fileName) const
{
    const QPixmap picture = images.picture(fileName);
    if (!picture.isNull())
        return picture;
    return PictureFile::Read(m_context.path(QStringLiteral("skins/default/") + fileName));
}

void frmFavoris::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_favoris.bmp")));
    m_tabWindows->setSkinPicture(images.picture(QStringLiteral("ico_fav_windows.bmp")));
    m_tabInternet->setSkinPicture(images.picture(QStringLiteral("ico_fav_internet.bmp")));
    m_tabSystem->setSkinPicture(images.picture(QStringLiteral("ico_fav_system.bmp")));
    m_internetPicture = shippedPicture(images, QStringLiteral("ico_fav_url.bmp"));
    m_systemPictures.clear();
    for (int number = 1; number <= SystemItems::kPictureCount; ++number)
        m_systemPictures.append(shippedPicture(images, systemPictureName(number)));
    for (QTreeWidget* list : { m_windows, m_internet, m_system }) {
        setBackgroundColour(list, skin().background());
        setTextColour(list, skin().textDark());
    }
    setBackgroundColour(m_url, skin().background());
    setTextColour(m_url, skin().textLight());
    setBackgroundColour(m_urlLabel, skin().background());
    setTextColour(m_urlLabel, skin().textDark());
    FillSystemList();
    // A new picture is a change of the row, not a rename: nothing may be written for it.
    m_filling = true;
    for (int row = 0; row < m_internet->topLevelItemCount(); ++row)
        m_internet->topLevelItem(row)->setIcon(0, m_internetPicture);
    m_filling = false;
}

static void applySort(QTreeWidget* list, int mode)
{
    if (mode == 0) {
        list->setSortingEnabled(false);
        return;
    }
    Qt::SortOrder order = list->header()->sortIndicatorOrder();
    if (mode == 1)
        order = Qt::AscendingOrder;
    else if (mode == 2)
        order = Qt::DescendingOrder;
    list->sortByColumn(0, order);
    list->setSortingEnabled(true);
}

void frmFavoris::ShowFavoritesTab(int selectedTab, int internetSort, int windowsSort)
{
    applySort(m_internet, internetSort);
    applySort(m_windows, windowsSort);
    FavoriteListView* shown = nullptr;
    switch (selectedTab) {
    case 1:
        shown = m_windows;
        break;
    case 2:
        shown = m_internet;
        break;
    case 3:
        shown = m_system;
        break;
    default:
        return;
    }
    m_selectedTab = selectedTab;
    m_url->setVisible(selectedTab == 2);
    m_urlLabel->setVisible(selectedTab == 2);
    for (FavoriteListView* list : { m_windows, m_internet, m_system }) {
        if (list == shown)
            list->move(list->x(), listTop());
        list->setVisible(list == shown);
    }
}

void frmFavoris::LoadFavorites()
{
    LoadWindowsFavorites();
    LoadInternetFavorites();
    FillSystemList();
}

void frmFavoris::LoadWindowsFavorites()
{
    m_smallIcons
        = m_context.settings && m_context.settings->number(Keys::FavWinDisplaySmallIcons) != 0;
    const int side = m_smallIcons ? kSmallIcon : kLargeIcon;
    m_windows->setIconSize({ side, side });
    fillRows(FavoriteKind::Windows);
}

void frmFavoris::LoadInternetFavorites()
{
    fillRows(FavoriteKind::Internet);
}

void frmFavoris::fillRows(FavoriteKind kind)
{
    FavoritesList& list = m_logic.list(kind);
    list.Load();
    QList<QTreeWidgetItem*> items;
    items.reserve(list.count());
    for (int index = 0; index < list.count(); ++index)
        items.append(makeRow(kind, index));
    FavoriteListView* view = kind == FavoriteKind::Windows ? m_windows : m_internet;
    m_filling = true;
    view->clear();
    view->addTopLevelItems(items);
    m_filling = false;
}

void frmFavoris::FillSystemList()
{
    m_system->clear();
    for (const SystemItems::Row& row : SystemItems::rows()) {
        auto* item = new QTreeWidgetItem(m_system, { row.text });
        if (row.picture <= m_systemPictures.size())
            item->setIcon(0, m_systemPictures[row.picture - 1]);
    }
}

// Rows keep their entry's index, so two entries with one target are two rows and renaming
// or opening a row reaches its own entry whatever the sorting.
QTreeWidgetItem* frmFavoris::makeRow(FavoriteKind kind, int index)
{
    const FavoriteEntry& entry = m_logic.list(kind).entries()[index];
    auto* item = new QTreeWidgetItem({ entry.label });
    item->setData(0, FavoriteListView::kIndexRole, index);
    item->setToolTip(0, entry.target);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setIcon(0,
        kind == FavoriteKind::Windows ? m_icons.iconFor(entry.target) : QIcon(m_internetPicture));
    return item;
}

void frmFavoris::openRow(FavoriteKind kind, QTreeWidgetItem* item)
{
    m_logic.Open(kind, FavoriteListView::indexOf(item));
}

void frmFavoris::renameRow(FavoriteKind kind, QTreeWidgetItem* item)
{
    if (m_filling)
        return;
    const int index = FavoriteListView::indexOf(item);
    if (m_logic.RenameFavorite(kind, index, item->text(0)))
        return;
    // A blank name changes nothing: the row shows its stored name again.
    const FavoritesList& list = m_logic.list(kind);
    if (index >= 0 && index < list.count()) {
        m_filling = true;
        item->setText(0, list.entries()[index].label);
        m_filling = false;
    }
}

void frmFavoris::dropFiles(const QMimeData* mime)
{
    if (!mime->hasUrls())
        return;
    if (m_logic.DropFiles(mime->urls()) > 0)
        offerNextPending();
}

void frmFavoris::dropAddress(const QMimeData* mime)
{
    QString text;
    if (mime->hasText())
        text = mime->text();
    else if (mime->hasUrls() && !mime->urls().isEmpty())
        text = mime->urls().constFirst().toString();
    if (m_logic.DropAddress(text))
        offerNextPending();
}

void frmFavoris::setOptionsOpen(bool open)
{
    m_logic.setOptionsOpen(open);
    for (FavoriteListView* list : { m_windows, m_internet })
        list->setEditTriggers(
            open ? QAbstractItemView::NoEditTriggers : FavoriteListView::kRenameTriggers);
}

frmAddShortCut* frmFavoris::addDialog() const
{
    return m_addDialog;
}

// One add dialog at a time: the next waiting target is offered when the dialog closes.
void frmFavoris::offerNextPending()
{
    if (m_addDialog || !m_logic.hasPending())
        return;
    m_addDialog = new frmAddShortCut(m_logic.takePending(), this);
    m_addDialog->setWindowFlag(Qt::Window);
    connect(m_addDialog, &frmAddShortCut::confirmRequested, this, &frmFavoris::confirmAdd);
    connect(m_addDialog, &QDialog::finished, this, [this] {
        m_addDialog = nullptr;
        offerNextPending();
    });
    m_addDialog->show();
}

void frmFavoris::confirmAdd(const QString& target, const QString& label)
{
    const int index = m_logic.ConfirmAdd(m_selectedTab, target, label);
    if (index == -1) {
        m_addDialog->refuse();
        return;
    }
    if (index >= 0) {
        const auto kind = static_cast<FavoriteKind>(m_selectedTab);
        QTreeWidgetItem* item = makeRow(kind, index);
        m_filling = true;
        (kind == FavoriteKind::Windows ? m_windows : m_internet)->addTopLevelItem(item);
        m_filling = false;
    }
    m_addDialog->close();
}
