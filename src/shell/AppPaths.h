#pragma once

#include <QString>

// Where the program's own files and the user's files are. The program's read-only files
// (images/, skins/, sounds/) sit beside the program when it runs from the build, else in the
// share folder of its install prefix; the user's data files always live in the user's data
// folder, never in the build or install tree.
struct AppPaths {
    QString appDir;
    QString dataDir; // $XDG_DATA_HOME/tolvane
    QString configDir; // $XDG_CONFIG_HOME

    QString autostartDir() const { return configDir + QStringLiteral("/autostart"); }

    // Removes the temporary copies that saves cut short by a crash or a kill left beside the data
    // files, the notes' texts and the autostart entry (the settings clean their own folder);
    // returns how many went.
    int removeStaleCopies() const;

    // What the paths are worked out from; current() reads the running program and environment.
    struct Environment {
        QString programDir;
        QString home;
        QString xdgDataHome;
        QString xdgConfigHome;
        // The install's share folder relative to the program's folder ("../share/tolvane").
        QString installedDataRelative;

        static Environment current();
    };

    static AppPaths resolve(const Environment& environment);

    // Creates the folder and any missing parent with mode 0700 whatever the umask, and narrows
    // an existing one to 0700: the data files hold passwords. False when that fails.
    static bool makePrivateFolder(const QString& path);

    // What making the data folder private found: ready, missing and not creatable, there but
    // not writable, or writable but its mode could not be narrowed (not the user's own folder).
    enum class FolderState { Ready, NotCreated, ReadOnly, NotPrivate };
    static FolderState prepareDataFolder(const QString& path);
    // The start-up warning for a data folder in that state, saying what failed; empty when it
    // is ready.
    static QString dataFolderWarning(FolderState state, const QString& path);
};
