// Writes 1,000 entries to each favorites file in a temporary data folder, then times the
// module reading them and showing them with their pictures: bench_favorites [skin folder].
#include "favorites/frmFavoris.h"
#include "platform/linux/LinuxPlatform.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>

namespace {

constexpr int kEntries = 1000;

// Targets of many file types, so the icon look-up is not one cached type.
QByteArray windowsFile()
{
    const char* kinds[]
        = { ".txt", ".pdf", ".odt", ".png", ".mp3", ".html", ".sh", ".tar.gz", ".desktop", "" };
    QByteArray content;
    for (int i = 0; i < kEntries; ++i) {
        content += "/home/utilisateur/Documents/fichier" + QByteArray::number(i)
            + kinds[i % std::size(kinds)] + ";Favori n\xb0 " + QByteArray::number(i) + "\r\n";
    }
    return content;
}

QByteArray internetFile()
{
    QByteArray content;
    for (int i = 0; i < kEntries; ++i)
        content += "https://www.site" + QByteArray::number(i) + ".fr/;Site " + QByteArray::number(i)
            + "\r\n";
    return content;
}

bool write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The same icon theme fallback as the bar's.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QTemporaryDir data;
    QTemporaryDir config;
    if (!write(data.filePath(QStringLiteral("tolvane_FavWindows.dat")), windowsFile())
        || !write(data.filePath(QStringLiteral("tolvane_FavInternet.dat")), internetFile())) {
        std::fprintf(stderr, "cannot write the favorites files\n");
        return 1;
    }
    LinuxPlatform platform { QString() };
    SettingsStore settings(config.path());
    SkinState skin;
    const QString skinFolder = argc > 1
        ? QString::fromLocal8Bit(argv[1])
        : QApplication::applicationDirPath() + QStringLiteral("/skins/default/");
    AppContext context { QApplication::applicationDirPath(), data.path(), &settings, &skin,
        platform.services() };
    Skin::ReadSkinIni(skinFolder, skin);
    SkinImages images(skinFolder);

    for (const char* smallIcons : { "0", "1" }) {
        settings.save(Keys::FavWinDisplaySmallIcons, QString::fromLatin1(smallIcons));
        frmFavoris module(context);
        module.applySkin(images);
        module.resize(146, 300);
        module.show();
        QElapsedTimer timer;
        timer.start();
        module.LoadWindowsFavorites();
        const qint64 windowsLoad = timer.restart();
        module.LoadInternetFavorites();
        const qint64 internetLoad = timer.restart();
        module.ShowFavoritesTab(1, 1, 1);
        module.layoutHeight();
        module.grab();
        const qint64 windowsShow = timer.restart();
        module.ShowFavoritesTab(2, 1, 1);
        module.grab();
        const qint64 internetShow = timer.restart();
        const auto* windows = module.findChild<QTreeWidget*>(QStringLiteral("lvWindows"));
        std::printf("%s icons, %d entries per list:\n", *smallIcons == '1' ? "small" : "large",
            windows->topLevelItemCount());
        std::printf("  lvWindows:  load %4lld ms, sort and show %4lld ms\n",
            static_cast<long long>(windowsLoad), static_cast<long long>(windowsShow));
        std::printf("  lvInternet: load %4lld ms, sort and show %4lld ms\n",
            static_cast<long long>(internetLoad), static_cast<long long>(internetShow));
    }
    return 0;
}
