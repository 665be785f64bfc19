#pragma once

#include "platform/Platform.h"

// The session's autostart entry for the bar: <folder>/tolvane.desktop, starting the program at
// programPath. folder is normally $XDG_CONFIG_HOME/autostart.
class AutostartEntry : public SessionStart {
public:
    AutostartEntry(const QString& folder, const QString& programPath);

    bool setEnabled(bool enabled) override;
    bool isEnabled() const override;

    QString filePath() const;
    // The whole entry as written; the program path is quoted for the Exec key when it must be.
    QByteArray contents() const;
    static QString execArgument(const QString& programPath);

private:
    QString m_folder;
    QString m_programPath;
};
