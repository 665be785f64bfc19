#include "DataRow.h"
#include "FakePlatform.h"
#include "TestFiles.h"
#include "favorites/FavoriteAddress.h"
#include "favorites/FavoritesLogic.h"
#include "favorites/SystemItems.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<QUrl> files(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    return urls;
}

// The logic over a private data folder, its Windows list holding the given entries.
struct Bench {
    FakePlatform fakes;
    QTemporaryDir data;
    FavoritesLogic logic { fakes.services(), data.path() };

    explicit Bench(std::initializer_list<FavoriteEntry> windows = {})
    {
        for (const FavoriteEntry& entry : windows)
            logic.list(FavoriteKind::Windows).Add(entry);
    }
    QByteArray file(const char* name) const { return readBytes(data.filePath(name)); }
};

} // namespace

class TestFavoritesLogic : public QObject {
    Q_OBJECT
private slots:
    void dropped_files_wait_or_are_told_as_listed()
    {
        Bench bench({ { "/a", "A" }, { "/b", "B" }, { "/c", "C" } });
        FavoritesLogic& logic = bench.logic;
        const auto& messages = bench.fakes.dialogs.messages;
        QCOMPARE(logic.DropFiles(files({ "/a", "/b", "/c" })), 0);
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages[1].icon, Dialogs::Icon::Information);
        QCOMPARE(messages[1].text,
            QStringLiteral("/b\n est d\u00e9j\u00e0 pr\u00e9sent dans la liste de vos favoris"));
        // Letter case counts in file names; a remote address and a file already waiting are left.
        QCOMPARE(logic.DropFiles(files({ "/A", "/d" }) + QList { QUrl("https://x.fr/") }), 2);
        QCOMPARE(logic.DropFiles(files({ "/d" })), 2);
        QCOMPARE(logic.takePending(), "/A");
        QCOMPARE(logic.takePending(), "/d");
        QVERIFY(!logic.hasPending());
        logic.setOptionsOpen(true);
        QCOMPARE(logic.DropFiles(files({ "/e" })), 0);
    }

    void dropped_addresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("waiting"); // empty: refused
        dataRow("capitals kept as dropped", "HTTPS://Www.B.fr/Page", "HTTPS://Www.B.fr/Page");
        dataRow("ftp and ftps", "ftps://f.fr", "ftps://f.fr");
        dataRow("line end of a browser drag", "ftp://f.fr/\n", "ftp://f.fr/");
        dataRow("mail address", "mailto:ana@a.fr", "");
        dataRow("bare host name", "www.a.fr", "");
        dataRow("listed", "http://listed.fr/", "");
        dataRow("path in capitals is another page", "http://listed.fr/Doc", "http://listed.fr/Doc");
        dataRow("two lines", "http://a.fr/\nhttp://b.fr/", "");
    }
    void dropped_addresses()
    {
        QFETCH(QString, text);
        QFETCH(QString, waiting);
        Bench bench;
        FavoritesLogic& logic = bench.logic;
        logic.list(FavoriteKind::Internet).Add({ "http://listed.fr/", "L" });
        logic.list(FavoriteKind::Internet).Add({ "http://listed.fr/doc", "D" });
        QCOMPARE(logic.DropAddress(text), !waiting.isEmpty());
        QCOMPARE(logic.takePending(), waiting);
        QVERIFY(bench.fakes.dialogs.messages.isEmpty());
        // The same address again while it waits is not offered twice.
        if (!waiting.isEmpty()) {
            QVERIFY(logic.DropAddress(waiting));
            QVERIFY(!logic.DropAddress(waiting));
        }
    }

    void same_address_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        dataRow("scheme and host without case", "HTTP://WWW.A.fr/p", "http://www.a.FR/p", true);
        dataRow("path with its case", "http://a.fr/Doc", "http://a.fr/doc", false);
        dataRow("query and fragment with their case", "http://A.fr?Q#F", "http://a.fr?q#f", false);
        dataRow("user part with its case", "ftp://Ana@F.fr/", "ftp://ana@f.fr/", false);
        dataRow("host before a port", "http://A.fr:8080/", "http://a.fr:8080/", true);
        dataRow("IPv6 host", "http://[FE80::1]:80/X", "http://[fe80::1]:80/X", true);
        dataRow("no scheme: as it is", "A.fr", "a.fr", false);
    }
    void same_address()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QTEST(FavoriteAddress::same(first, second), "same");
    }

    void add_dialog_confirmation_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("windowsFile");
        QTest::addColumn<QByteArray>("internetFile");
        const QByteArray listed = "/a;A\r\n";
        const QByteArray none = "<missing>";
        dataRow("Windows tab", 1, "/x y", " Mon x ", 1, "", listed + "/x y; Mon x \r\n", none);
        dataRow("system tab adds nothing", 3, "/x", "X", -2, "", listed, none);
        dataRow("blank name", 1, "/x", "   ", -1, "Veuillez indiquer le texte \u00e0 afficher",
            listed, none);
        dataRow("; in the target", 1, "/a;b", "X", -1,
            "Le favori \u00e0 ajouter ne peut pas contenir le caract\u00e8re \u00ab ; \u00bb.",
            listed, none);
    }
    void add_dialog_confirmation()
    {
        QFETCH(int, tab);
        QFETCH(QString, target);
        QFETCH(QString, label);
        QFETCH(QString, message);
        Bench bench({ { "/a", "A" } });
        bench.logic.list(FavoriteKind::Windows).Save(nullptr);
        QTEST(bench.logic.ConfirmAdd(tab, target, label), "result");
        const auto& messages = bench.fakes.dialogs.messages;
        QCOMPARE(messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(messages[0].icon, Dialogs::Icon::Critical);
            QCOMPARE(messages[0].text, message);
        }
        QTEST(bench.file("tolvane_FavWindows.dat"), "windowsFile");
        QTEST(bench.file("tolvane_FavInternet.dat"), "internetFile");
    }

    void renaming_reaches_the_row_own_entry()
    {
        Bench bench({ { "/a", "Premier" }, { "/a", "Second" } });
        FavoritesLogic& logic = bench.logic;
        QVERIFY(logic.RenameFavorite(FavoriteKind::Windows, 1, "Nouveau"));
        QVERIFY(!logic.RenameFavorite(FavoriteKind::Windows, 0, "  "));
        QVERIFY(!logic.RenameFavorite(FavoriteKind::Windows, 2, "Hors liste"));
        QCOMPARE(bench.file("tolvane_FavWindows.dat"), QByteArray("/a;Premier\r\n/a;Nouveau\r\n"));
        QVERIFY(logic.Open(FavoriteKind::Windows, 5) == 0);
        // The same text again, or any rename while the options dialog is open, writes nothing.
        QVERIFY(QFile::remove(bench.data.filePath("tolvane_FavWindows.dat")));
        QVERIFY(!logic.RenameFavorite(FavoriteKind::Windows, 1, "Nouveau"));
        logic.setOptionsOpen(true);
        QVERIFY(!logic.RenameFavorite(FavoriteKind::Windows, 0, "Autre"));
        QCOMPARE(bench.file("tolvane_FavWindows.dat"), QByteArray("<missing>"));
    }

    void system_rows_open_the_first_thing_the_machine_has_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QStringList>("browsable");
        QTest::addColumn<QString>("done"); // "open <x>", "start <program args>" or a message
        dataRow(
            "computer", 1, QStringList(), QStringList { "computer:///", "/" }, "open computer:///");
        dataRow("computer without the virtual file system", 1, QStringList(), QStringList { "/" },
            "open /");
        dataRow("trash missing", 4, QStringList(), QStringList(),
            "Fichier non trouv\u00e9 \ntrash:///");
        dataRow("settings of KDE", 5, QStringList { "systemsettings", "lxqt-config" },
            QStringList(), "start /usr/bin/systemsettings");
        dataRow("printers on the CUPS page", 6, QStringList(), QStringList(),
            "open http://localhost:631");
        dataRow("timers in a terminal", 7, QStringList { "systemctl", "xterm" }, QStringList(),
            "start /usr/bin/xterm -e /usr/bin/systemctl list-timers");
        dataRow("gnome-terminal takes --", 14, QStringList { "htop", "gnome-terminal" },
            QStringList(), "start /usr/bin/gnome-terminal -- /usr/bin/htop");
        dataRow("nothing for the sound recorder", 13, QStringList(), QStringList(),
            "Fichier non trouv\u00e9 \ngnome-sound-recorder, audacity");
        dataRow("no row", 0, QStringList { "xterm" }, QStringList(), "");
        dataRow("past the last row", 16, QStringList { "xterm" }, QStringList(), "");
    }
    void system_rows_open_the_first_thing_the_machine_has()
    {
        QFETCH(int, row);
        QFETCH(QStringList, programs);
        QFETCH(QStringList, browsable);
        FakePlatform fakes;
        fakes.launcher.available = programs;
        fakes.launcher.browsable = browsable;
        QTemporaryDir home;
        const Platform platform = fakes.services();
        SystemItemOpener opener(platform, home.filePath("Documents"), home.path());
        opener.Open(row);
        QStringList what;
        for (const QString& target : fakes.launcher.opened)
            what.append("open " + target);
        for (const QStringList& command : fakes.launcher.started)
            what.append("start " + command.join(' '));
        for (const RecordingDialogs::Message& message : fakes.dialogs.messages)
            what.append(message.text);
        QTEST(what.join(" | "), "done");
    }

    void new_text_file_when_no_editor_is_found()
    {
        FakePlatform fakes;
        fakes.launcher.available = { "xdg-open" };
        QTemporaryDir home;
        QDir().mkpath(home.filePath("Documents"));
        const Platform platform = fakes.services();
        SystemItemOpener opener(platform, home.filePath("Documents"), home.path());
        opener.Open(10);
        opener.Open(10);
        QCOMPARE(fakes.launcher.opened,
            QStringList({ home.filePath("Documents/Nouveau texte.txt"),
                home.filePath("Documents/Nouveau texte (2).txt") }));
    }
};

QTEST_GUILESS_MAIN(TestFavoritesLogic)
#include "TestFavoritesLogic.moc"
