#include "FavoritesLogic.h"

#include "FavoriteAddress.h"
#include "ShellOpen.h"
#include "platform/Platform.h"

namespace {

const QString kTitle = QStringLiteral("Tolvane");

bool hasAddressScheme(const QString& lowerCased)
{
    for (const char* scheme : { "http://", "https://", "ftp://", "ftps://" }) {
        if (lowerCased.startsWith(QLatin1String(scheme)))
            return true;
    }
    return false;
}

} // namespace

FavoritesLogic::FavoritesLogic(const Platform& platform, const QString& dataDir)
    : m_platform(platform)
    , m_windows(FavoriteKind::Windows, dataDir)
    , m_internet(FavoriteKind::Internet, dataDir)
{
}

FavoritesList& FavoritesLogic::list(FavoriteKind kind)
{
    return kind == FavoriteKind::Windows ? m_windows : m_internet;
}

const FavoritesList& FavoritesLogic::list(FavoriteKind kind) const
{
    return kind == FavoriteKind::Windows ? m_windows : m_internet;
}

int FavoritesLogic::DropFiles(const QList<QUrl>& urls)
{
    if (m_optionsOpen)
        return 0;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (m_windows.containsTarget(path)) {
            if (m_platform.dialogs)
                m_platform.dialogs->message(Dialogs::Icon::Information, kTitle,
                    path
                        + QStringLiteral(
                            "\n est d\u00e9j\u00e0 pr\u00e9sent dans la liste de vos favoris"));
        } else if (!m_pending.contains(path)) {
            m_pending.append(path);
        }
    }
    return static_cast<int>(m_pending.size());
}

bool FavoritesLogic::isListedAddress(const QString& text) const
{
    for (const FavoriteEntry& entry : m_internet.entries()) {
        if (FavoriteAddress::same(entry.target, text))
            return true;
    }
    for (const QString& pending : m_pending) {
        if (FavoriteAddress::same(pending, text))
            return true;
    }
    return false;
}

bool FavoritesLogic::DropAddress(const QString& dropped)
{
    const QString text = dropped.trimmed();
    if (m_optionsOpen || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return false;
    if (!hasAddressScheme(text.toLower()) || isListedAddress(text))
        return false;
    m_pending.append(text);
    return true;
}

QString FavoritesLogic::takePending()
{
    return m_pending.isEmpty() ? QString() : m_pending.takeFirst();
}

int FavoritesLogic::ConfirmAdd(int selectedTab, const QString& target, const QString& label)
{
    QString problem;
    if (label.trimmed().isEmpty())
        problem = QStringLiteral("Veuillez indiquer le texte \u00e0 afficher");
    else if (target.trimmed().isEmpty())
        problem = QStringLiteral("Veuillez indiquer le favori \u00e0 ajouter");
    // The files keep the target before the first ";", so one inside it would be cut.
    else if (target.contains(QLatin1Char(';')))
        problem = QStringLiteral("Le favori \u00e0 ajouter ne peut pas contenir le caract\u00e8re "
                                 "\u00ab ; \u00bb.");
    // The options dialog holds its own copy of both lists and writes it back: an entry added
    // meanwhile would be lost, so the add dialog keeps it until the options are closed.
    else if (m_optionsOpen)
        problem = QStringLiteral("Les options de la Tolvane sont ouvertes : fermez-les (Sauver ou "
                                 "Annuler) puis ajoutez ce favori.");
    if (!problem.isEmpty()) {
        if (m_platform.dialogs)
            m_platform.dialogs->message(Dialogs::Icon::Critical, kTitle, problem);
        return -1;
    }
    if (selectedTab != 1 && selectedTab != 2)
        return -2;
    FavoritesList& chosen = list(static_cast<FavoriteKind>(selectedTab));
    const int index = chosen.Add({ target, label });
    chosen.Save(m_platform.dialogs);
    return index;
}

bool FavoritesLogic::RenameFavorite(FavoriteKind kind, int index, const QString& label)
{
    FavoritesList& chosen = list(kind);
    if (m_optionsOpen || !chosen.RenameFavorite(index, label))
        return false;
    chosen.Save(m_platform.dialogs);
    return true;
}

int FavoritesLogic::Open(FavoriteKind kind, int index)
{
    const FavoritesList& chosen = list(kind);
    if (index < 0 || index >= chosen.count() || chosen.entries()[index].target.isEmpty())
        return 0;
    return ShellOpen(m_platform, chosen.entries()[index].target);
}
