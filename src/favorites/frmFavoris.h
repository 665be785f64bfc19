#pragma once

#include "shell/BarModule.h"

class QLineEdit;
class QTreeWidget;

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

signals:
    void tabClicked(int tab);

private:
    int listTop() const;

    double m_visibleRows = 5;
    PictureBox* m_title;
    PictureBox* m_tabWindows;
    PictureBox* m_tabInternet;
    PictureBox* m_tabSystem;
    QTreeWidget* m_windows;
    QTreeWidget* m_internet;
    QTreeWidget* m_system;
    QLineEdit* m_url;
    QLabel* m_urlLabel;
};
