#pragma once

#include "FavoritesList.h"

#include <QList>
#include <QStringList>
#include <QUrl>

#include "platform/Platform.h"

// What the favorites module does, without a screen: the two lists, the rules for what may be
// dropped on them, the targets waiting for the add dialog and opening entries.
class FavoritesLogic {
public:
    FavoritesLogic(const Platform& platform, const QString& dataDir);

    FavoritesList& list(FavoriteKind kind);
    const FavoritesList& list(FavoriteKind kind) const;

    // While the options dialog is open nothing is added or renamed: drops are ignored and the
    // add dialog is told to wait, since the dialog writes its own copy of the lists back.
    void setOptionsOpen(bool open) { m_optionsOpen = open; }
    bool optionsOpen() const { return m_optionsOpen; }

    // Files dropped on the Windows list: each local file not listed yet waits for the add
    // dialog; a listed one is told in a message. Returns how many now wait.
    int DropFiles(const QList<QUrl>& urls);
    // A web or FTP address dropped on the Internet list waits for the add dialog unless it is
    // listed already (FavoriteAddress::same). Returns whether it was taken.
    bool DropAddress(const QString& text);

    bool hasPending() const { return !m_pending.isEmpty(); }
    // The next target to offer in the add dialog, in the order they were dropped.
    QString takePending();

    // The add dialog's confirmation for the selected tab (1 Windows, 2 Internet, 3 system).
    // A bad entry is told in a message and gives -1 (the dialog stays open); otherwise returns
    // the index of the new entry, or -2 when the tab takes none.
    int ConfirmAdd(int selectedTab, const QString& target, const QString& label);
    // Renames the entry at index and saves its list; false when nothing changed, which is
    // always the case while the options dialog is open.
    bool RenameFavorite(FavoriteKind kind, int index, const QString& label);

    // Opens the entry at index with ShellOpen; returns its result code, 0 for no entry.
    int Open(FavoriteKind kind, int index);

private:
    bool isListedAddress(const QString& text) const;

    Platform m_platform;
    FavoritesList m_windows;
    FavoritesList m_internet;
    QStringList m_pending;
    bool m_optionsOpen = false;
};
