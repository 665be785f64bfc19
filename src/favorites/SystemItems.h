#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Platform.h"

// The fixed rows of the system list and what each one opens on this desktop.
namespace SystemItems {

struct Row {
    QString text;
    int picture; // 1-based number of the row's picture among the system pictures
};

// The 15 rows in their order; row n of the list is rows()[n - 1].
const QList<Row>& rows();
inline constexpr int kPictureCount = 16;

} // namespace SystemItems

// Opens a system row with the first program or place of its list that this machine has.
class SystemItemOpener {
public:
    // documentsDir and configDir: the user's documents and configuration folders.
    SystemItemOpener(
        const Platform& platform, const QString& documentsDir, const QString& configDir);

    // Opens row 1 to 15 and returns the result code of ShellOpen; other numbers open nothing
    // and give 0. When nothing fits, "Fichier non trouvé " names what was looked for.
    int Open(int row);

private:
    enum class Way { Location, Folder, Program, InTerminal, NewTextFile };
    struct Candidate {
        Way way;
        QString name;
        QStringList arguments;
    };

    QList<Candidate> candidates(int row) const;
    bool available(const Candidate& candidate) const;
    int start(const Candidate& candidate);
    int startInTerminal(const Candidate& candidate);
    QString terminal() const;
    QString newTextFile() const;

    Platform m_platform;
    QString m_documentsDir;
    QString m_configDir;
};
