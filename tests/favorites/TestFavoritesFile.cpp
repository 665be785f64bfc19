#include "DataRow.h"
#include "FakePlatform.h"
#include "TestFiles.h"
#include "favorites/FavoritesFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(FavoriteEntries)

class TestFavoritesFile : public QObject {
    Q_OBJECT
private slots:
    void file_loads_and_saves_back_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<FavoriteEntries>("entries");
        QTest::addColumn<QByteArray>("savedAgain"); // empty: the file as it was
        const QString documents
            = QStringLiteral("\u0414\u043e\u043a\u0443\u043c\u0435\u043d\u0442\u044b");
        dataRow("second ; stays in the display text", QByteArray("http://a.fr/?x=1;Mon;site\r\n"),
            FavoriteEntries { { "http://a.fr/?x=1", "Mon;site" } }, QByteArray());
        dataRow("spaces inside a line kept, blank lines skipped",
            QByteArray(" /tmp/a b ; Mon texte \r\n \r\n\r\n\t\r\n/x;y\r\n"),
            FavoriteEntries { { " /tmp/a b ", " Mon texte " }, { "/x", "y" } },
            QByteArray(" /tmp/a b ; Mon texte \r\n/x;y\r\n"));
        dataRow("line without ; is kept and does not stop the loading",
            QByteArray("/a;A\r\n/usr/bin/htop\r\n/b;B\r\n"),
            FavoriteEntries { { "/a", "A" }, { "/usr/bin/htop", "/usr/bin/htop" }, { "/b", "B" } },
            QByteArray("/a;A\r\n/usr/bin/htop;/usr/bin/htop\r\n/b;B\r\n"));
        dataRow("two entries with one target both kept", QByteArray("/a;Premier\r\n/a;Second\r\n"),
            FavoriteEntries { { "/a", "Premier" }, { "/a", "Second" } }, QByteArray());
        dataRow("Windows-1252 accents, LF-only and no final line end",
            QByteArray("/home/l\xe9o/\xe9t\xe9.odt;\xc9t\xe9 \x80\n/b;B"),
            FavoriteEntries { { QStringLiteral("/home/l\u00e9o/\u00e9t\u00e9.odt"),
                                  QStringLiteral("\u00c9t\u00e9 \u20ac") },
                { "/b", "B" } },
            QByteArray("/home/l\xe9o/\xe9t\xe9.odt;\xc9t\xe9 \x80\r\n/b;B\r\n"));
        dataRow("Cyrillic folder in UTF-8",
            QByteArray("/home/ana/" + documents.toUtf8() + ";" + documents.toUtf8() + "\r\n"),
            FavoriteEntries { { "/home/ana/" + documents, documents } }, QByteArray());
        dataRow("empty target opens nothing and is left out", QByteArray(";Rien\r\n/a;A\r\n"),
            FavoriteEntries { { "/a", "A" } }, QByteArray("/a;A\r\n"));
        dataRow("empty file", QByteArray(), FavoriteEntries {}, QByteArray());
    }
    void file_loads_and_saves_back()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, savedAgain);
        QTemporaryDir data;
        for (FavoriteKind kind : { FavoriteKind::Windows, FavoriteKind::Internet }) {
            const QString path = FavoritesFile::path(data.path(), kind);
            writeBytes(path, file);
            const FavoriteEntries loaded = FavoritesFile::load(data.path(), kind);
            QTEST(loaded, "entries");
            QVERIFY(FavoritesFile::save(data.path(), kind, loaded, nullptr));
            QCOMPARE(readBytes(path), savedAgain.isEmpty() ? file : savedAgain);
        }
    }

    void line_breaks_in_a_text_never_split_an_entry()
    {
        QCOMPARE(FavoritesFile::serialize({ { "/a", "Deux\r\nlignes" }, { "/b\n", "B" } }),
            QByteArray("/a;Deux  lignes\r\n/b ;B\r\n"));
    }

    void failed_save_says_so_and_keeps_the_old_file_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        dataRow("read-only data folder", true);
        dataRow("a folder where the file should be", false);
    }
    void failed_save_says_so_and_keeps_the_old_file()
    {
        QFETCH(bool, readOnlyFolder);
        if (readOnlyFolder && QFileInfo(QDir::rootPath()).isWritable())
            QSKIP("running as root, for whom a read-only folder is still writable");
        QTemporaryDir data;
        const QString path = FavoritesFile::path(data.path(), FavoriteKind::Internet);
        const QByteArray before = "http://a.fr;A\r\n";
        if (readOnlyFolder) {
            writeBytes(path, before);
            QFile::setPermissions(data.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        } else {
            QDir().mkpath(path);
        }
        RecordingDialogs dialogs;
        const bool saved = FavoritesFile::save(
            data.path(), FavoriteKind::Internet, { { "http://b.fr", "B" } }, &dialogs);
        QFile::setPermissions(
            data.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(dialogs.messages[0].text,
            QStringLiteral("Probl\u00e8me d'acc\u00e8s en \u00e9criture : ") + path);
        if (readOnlyFolder)
            QCOMPARE(readBytes(path), before);
        else
            QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_GUILESS_MAIN(TestFavoritesFile)
#include "TestFavoritesFile.moc"
