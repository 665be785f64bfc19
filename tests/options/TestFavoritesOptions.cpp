#include "DataRow.h"
#include "FakePlatform.h"
#include "options/FavoritesOptions.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// "a b c" stands for the entries a;A, b;B, c;C of the Windows file.
FavoriteEntries entries(const QString& names)
{
    FavoriteEntries all;
    for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        all.append({ QStringLiteral("/home/moi/") + name, name.toUpper() });
    return all;
}

QString labels(const FavoriteEntries& all)
{
    QStringList shown;
    for (const FavoriteEntry& entry : all)
        shown.append(entry.label.toLower());
    return shown.join(QLatin1Char(' '));
}

// Steps: "u1" moves row 1 up, "d0" row 0 down, "x2" deletes row 2 ("x-1": nothing selected),
// "s" stores the order.
void run(FavoritesOptions& options, const QString& steps)
{
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int row = step.mid(1).toInt();
        switch (step.at(0).toLatin1()) {
        case 'u':
            options.MoveRow(FavoriteKind::Windows, row, -1);
            break;
        case 'd':
            options.MoveRow(FavoriteKind::Windows, row, 1);
            break;
        case 'x':
            options.remove(FavoriteKind::Windows, row);
            break;
        case 's':
            QVERIFY(options.StoreFavoritesOrder());
            break;
        }
    }
}

} // namespace

class TestFavoritesOptions : public QObject {
    Q_OBJECT
private slots:
    void moves_deletes_and_store_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("messages");
        dataRow("first row up, last row down do nothing", "a b c", "u0 d2", "a b c", "a b c", 0);
        dataRow("delete after a move removes the row's entry", "a b c", "d0 x0", "a c", "a c", 0);
        dataRow("delete without selection says so", "a b", "x-1", "a b", "a b", 1);
        dataRow("delete on an empty list is silent", "", "x-1", "", "", 0);
        dataRow("store of an empty list", "", "s", "", "", 0);
    }
    void moves_deletes_and_store()
    {
        QFETCH(QString, file);
        QFETCH(QString, steps);
        QTemporaryDir data;
        RecordingDialogs dialogs;
        QVERIFY(FavoritesFile::save(data.path(), FavoriteKind::Windows, entries(file), nullptr));
        FavoritesOptions options(data.path(), &dialogs);
        options.load();
        run(options, steps);
        QTEST(labels(options.rows(FavoriteKind::Windows)), "rows");
        QTEST(labels(FavoritesFile::load(data.path(), FavoriteKind::Windows)), "written");
        QTEST(int(dialogs.messages.size()), "messages");
        if (!dialogs.messages.isEmpty()) {
            QCOMPARE(dialogs.messages[0].icon, Dialogs::Icon::Critical);
            QCOMPARE(dialogs.messages[0].text,
                QStringLiteral("Veuillez s\u00e9lectionner l'\u00e9l\u00e9ment \u00e0 supprimer."));
        }
    }

    void a_delete_that_cannot_be_written_changes_nothing()
    {
        QTemporaryDir data;
        const QString file = FavoritesFile::path(data.path(), FavoriteKind::Windows);
        FavoritesFile::save(data.path(), FavoriteKind::Windows, entries("a b"), nullptr);
        RecordingDialogs dialogs;
        FavoritesOptions options(data.path(), &dialogs);
        options.load();
        // A folder in the file's place makes every write fail.
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkdir(file));
        QVERIFY(!options.remove(FavoriteKind::Windows, 0));
        QCOMPARE(labels(options.rows(FavoriteKind::Windows)), QStringLiteral("a b"));
        QCOMPARE(labels(options.stored(FavoriteKind::Windows)), QStringLiteral("a b"));
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY(dialogs.messages[0].text.startsWith(
            QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ")));
        QVERIFY(!options.StoreFavoritesOrder());
    }
};

QTEST_GUILESS_MAIN(TestFavoritesOptions)
#include "TestFavoritesOptions.moc"
