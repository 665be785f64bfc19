#pragma once

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

// What another program drags onto a list: files from a file manager, text from a browser.
namespace Drops {

// The drag enters the list first: that is where the drop is then delivered. Takes data.
inline void drop(QTreeWidget* list, QMimeData* data)
{
    const QPoint where = list->viewport()->rect().center();
    QDragEnterEvent enter(where, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &enter);
    QDropEvent dropped(where, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &dropped);
    delete data;
}

inline QMimeData* textData(const QString& text)
{
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

inline QMimeData* filesData(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

} // namespace Drops
