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
};
