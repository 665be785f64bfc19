#pragma once

#include "FavoritesLogic.h"
#include "SystemItems.h"
#include "TargetIcons.h"
#include "shell/BarModule.h"

#include <QPointer>

class FavoriteListView;
class QLineEdit;
class QMimeData;
class QTreeWidgetItem;
class frmAddShortCut;

// The favorites module: three lists behind three tab buttons (Windows shortcuts, Internet
// addresses, system items) and the address box of the Internet tab.
class frmFavoris : public BarModule {
    Q_OBJECT
public:
    explicit frmFavoris(AppContext& context, QWidget* parent = nullptr);
    double layoutHeight() override;
    void applySkin(SkinImages& images) override;

    // Number of list rows the module shows.
    void setVisibleRows(double rows) { m_visibleRows = rows; }
    // Shows the list of the selected tab (1 Windows, 2 Internet, 3 system) with the sort modes
    // of the two favorites lists (0 none, 1 ascending, 2 descending).
    void ShowFavoritesTab(int selectedTab, int internetSort, int windowsSort);

    // Reads both favorites files and the icon size, and fills the three lists afresh.
    void LoadFavorites();
    void LoadWindowsFavorites();
    void LoadInternetFavorites();
    void FillSystemList();
    // While the options dialog is open drops are ignored and the rows cannot be renamed.
    void setOptionsOpen(bool open);

    FavoritesLogic& logic() { return m_logic; }
    // The add dialog on screen, if any.
    frmAddShortCut* addDialog() const;

signals:
    void tabClicked(int tab);

private:
    int listTop() const;
    int twipsPerPixelY() const;
    QPixmap shippedPicture(SkinImages& images, const QString& fileName) const;
    void fillRows(FavoriteKind kind);
    QTreeWidgetItem* makeRow(FavoriteKind kind, int index);
    void openRow(FavoriteKind kind, QTreeWidgetItem* item);
    void renameRow(FavoriteKind kind, QTreeWidgetItem* item);
    void dropFiles(const QMimeData* mime);
    void dropAddress(const QMimeData* mime);
    void offerNextPending();
    void confirmAdd(const QString& target, const QString& label);

    FavoritesLogic m_logic;
    SystemItemOpener m_systemOpener;
    TargetIcons m_icons;
    double m_visibleRows = 5;
    int m_selectedTab = 1;
    bool m_smallIcons = false;
    bool m_filling = false;
    PictureBox* m_title;
    PictureBox* m_tabWindows;
    PictureBox* m_tabInternet;
    PictureBox* m_tabSystem;
    FavoriteListView* m_windows;
    FavoriteListView* m_internet;
    FavoriteListView* m_system;
    QLineEdit* m_url;
    QLabel* m_urlLabel;
    QPixmap m_internetPicture;
    QList<QPixmap> m_systemPictures;
    QPointer<frmAddShortCut> m_addDialog;
};
