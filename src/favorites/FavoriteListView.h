#pragma once

#include <QTreeWidget>

class QMimeData;

// A list of the favorites module: one column of rows with their pictures, no header, and the
// place where files and addresses are dropped.
class FavoriteListView : public QTreeWidget {
    Q_OBJECT
public:
    // Rows whose data under this role is their entry's index in its list.
    static constexpr int kIndexRole = Qt::UserRole;
    // How the user starts renaming a row in place.
    static constexpr QAbstractItemView::EditTriggers kRenameTriggers
        = QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked;

    FavoriteListView(const QString& name, QWidget* parent = nullptr);

    // The entry index of a row, -1 for none.
    static int indexOf(const QTreeWidgetItem* item);

signals:
    void dropped(const QMimeData* data);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
