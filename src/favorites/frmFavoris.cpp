#include "frmFavoris.h"

#include "common/Numbers.h"
#include "shell/Skin.h"
#include "shell/Twips.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

static QTreeWidget* makeList(const QString& name, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

frmFavoris::frmFavoris(AppContext& context, QWidget* parent)
    : BarModule(QStringLiteral("frmFavoris"), QStringLiteral("imgBgFav"), 150, context, parent)
    , m_title(addPicture(QStringLiteral("pictFavoris"), { 0, 0, kWidth, 18 }))
    , m_tabWindows(addPicture(QStringLiteral("pictFavWindows"), { 6, 21, 24, 20 }))
    , m_tabInternet(addPicture(QStringLiteral("pictFavInternet"), { 34, 21, 24, 20 }))
    , m_tabSystem(addPicture(QStringLiteral("pictFavSystem"), { 62, 21, 24, 20 }))
    , m_windows(makeList(QStringLiteral("lvWindows"), this))
    , m_internet(makeList(QStringLiteral("lvInternet"), this))
    , m_system(makeList(QStringLiteral("lvSys"), this))
    , m_url(new QLineEdit(this))
    , m_urlLabel(addLabel(QStringLiteral("lblURL"), { 4, 0, 26, 14 }, QStringLiteral("URL :")))
{
    m_url->setObjectName(QStringLiteral("txtURL"));
    m_url->setFrame(false);
    m_url->setGeometry(32, 0, 110, 18);
    for (QTreeWidget* list : { m_windows, m_internet, m_system })
        list->setGeometry(4, listTop(), 138, 80);
    connect(m_tabWindows, &PictureBox::clicked, this, [this] { emit tabClicked(1); });
    connect(m_tabInternet, &PictureBox::clicked, this, [this] { emit tabClicked(2); });
    connect(m_tabSystem, &PictureBox::clicked, this, [this] { emit tabClicked(3); });
}

// The lists start 10 twips below the row of tab buttons.
int frmFavoris::listTop() const
{
    const int tabBottom = m_tabWindows->y() + m_tabWindows->height();
    return Twips::toPixels(Twips::fromPixels(tabBottom) + 10);
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
    const int tpp = m_context.platform.screen ? m_context.platform.screen->twipsPerPixelY()
                                              : Twips::kDefaultPerPixel;
    int rowPixels = firstRowHeightPixels(m_windows);
    if (rowPixels == 0)
        rowPixels = firstRowHeightPixels(m_system);
    if (rowPixels == 0)
        rowPixels = fontMetrics().height() + 2;
    const double rowHeight = rowPixels * tpp;
    const double listHeight = Numbers::RoundHalfEven(m_visibleRows * rowHeight);
    const int urlHeight = m_url->height() * tpp;
    m_windows->resize(m_windows->width(), Twips::toPixels(listHeight + 25, tpp));
    m_system->resize(m_system->width(), Twips::toPixels(listHeight + 25, tpp));
    m_internet->resize(m_internet->width(), Twips::toPixels(listHeight + 25 - urlHeight, tpp));

    const double frameHeight = (m_windows->y() * tpp + listHeight + 25) / tpp;
    const int frameBottom = static_cast<int>(Numbers::RoundHalfEven(frameHeight));
    m_url->move(m_url->x(), frameBottom - m_url->height());
    m_urlLabel->move(m_urlLabel->x(), m_url->y() + (m_url->height() - m_urlLabel->height()) / 2);
    return frameHeight;
}

void frmFavoris::applySkin(SkinImages& images)
{
    BarModule::applySkin(images);
    m_title->setSkinPicture(images.picture(QStringLiteral("title_favoris.bmp")));
    m_tabWindows->setSkinPicture(images.picture(QStringLiteral("ico_fav_windows.bmp")));
    m_tabInternet->setSkinPicture(images.picture(QStringLiteral("ico_fav_internet.bmp")));
    m_tabSystem->setSkinPicture(images.picture(QStringLiteral("ico_fav_system.bmp")));
    for (QTreeWidget* list : { m_windows, m_internet, m_system }) {
        setBackgroundColour(list, skin().background());
        setTextColour(list, skin().textDark());
    }
    setBackgroundColour(m_url, skin().background());
    setTextColour(m_url, skin().textLight());
    setBackgroundColour(m_urlLabel, skin().background());
    setTextColour(m_urlLabel, skin().textDark());
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
    QTreeWidget* shown = nullptr;
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
    m_url->setVisible(selectedTab == 2);
    m_urlLabel->setVisible(selectedTab == 2);
    for (QTreeWidget* list : { m_windows, m_internet, m_system }) {
        if (list == shown)
            list->move(list->x(), listTop());
        list->setVisible(list == shown);
    }
}
