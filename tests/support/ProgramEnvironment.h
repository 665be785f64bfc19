#pragma once

#include <QProcessEnvironment>
#include <QString>

// The environment of the program started by a test, headless, for a user whose configuration and
// data folders are under home and whose runtime folder is home unless another is given.
inline QProcessEnvironment programEnvironment(const QString& home, const QString& runtime = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.isEmpty() ? home : runtime);
    env.insert(QStringLiteral("TOLVANE_NO_DIALOGS"), QStringLiteral("1"));
    return env;
}
