#include "FavoriteListView.h"

#include <QDragEnterEvent>
#include <QMimeData>

FavoriteListView::FavoriteListView(const QString& name, QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(name);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(kRenameTriggers);
    setUniformRowHeights(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

int FavoriteListView::indexOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kIndexRole).toInt() : -1;
}

static bool offersSomething(const QMimeData* data)
{
    return data && (data->hasUrls() || data->hasText());
}

void FavoriteListView::dragEnterEvent(QDragEnterEvent* event)
{
    if (offersSomething(event->mimeData()))
        event->acceptProposedAction();
}

void FavoriteListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (offersSomething(event->mimeData()))
        event->acceptProposedAction();
}

void FavoriteListView::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    emit dropped(event->mimeData());
}
