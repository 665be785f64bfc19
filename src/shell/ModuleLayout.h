#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// The layout pass over the order string, as arithmetic on module heights so it can be checked
// without windows. Everything is in pixels.
namespace ModuleLayout {

// The names of the order string.
inline const QString kPhoto = QStringLiteral("Photo");
inline const QString kHorloge = QStringLiteral("Horloge");
inline const QString kEmails = QStringLiteral("e-Mails");
inline const QString kFavoris = QStringLiteral("Favoris");
inline const QString kMeteo = QStringLiteral("M\u00e9t\u00e9o");
inline const QString kInfosSysteme = QStringLiteral("Infos Syst\u00e8me");
inline const QString kBandePassante = QStringLiteral("Bande Passante");
inline const QString kPenseBete = QStringLiteral("Pense-B\u00eate");

struct ModuleInput {
    bool shown = false;
    double height = 0; // the frame's height once sized for this pass
};

struct Placement {
    QString id;
    int top = 0;
};

struct Result {
    // Every visit of a shown module, in order; a module listed twice ends at its last place.
    QList<Placement> placements;
    QSet<QString> hidden; // modules visited while switched off
    int bottomStripTop = 0;
    int windowHeight = 0; // pixels
};

Result Arrange(const QString& order, const QHash<QString, ModuleInput>& modules, int titleBottom,
    int spaceBetweenModules, int bottomStripHeight);

} // namespace ModuleLayout
