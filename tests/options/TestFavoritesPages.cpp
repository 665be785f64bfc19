#include "TestApp.h"
#include "options/frmOptions.h"
#include "shell/SettingsKeys.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

struct FakeBar {
    int applied = 0;
    int reloaded = 0;
    OptionsHost host()
    {
        return { [] { return 255; }, [](bool, int) {}, [this] { ++applied; },
            [this] { ++reloaded; } };
    }
};

FavoriteEntries entries(const QStringList& names)
{
    FavoriteEntries all;
    for (const QString& name : names)
        all.append({ QStringLiteral("/home/moi/") + name, name.toUpper() });
    return all;
}

QStringList shown(const QTreeWidget* list)
{
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        rows.append(list->topLevelItem(row)->text(0));
    return rows;
}

QStringList labels(const FavoriteEntries& all)
{
    QStringList rows;
    for (const FavoriteEntry& entry : all)
        rows.append(entry.label);
    return rows;
}

} // namespace

class TestFavoritesPages : public QObject {
    Q_OBJECT

    template <typename T> static T* find(QWidget* window, const char* name)
    {
        T* widget = window->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    static void click(QWidget* window, const char* name)
    {
        QTest::mouseClick(find<QPushButton>(window, name), Qt::LeftButton);
    }
    static void select(QTreeWidget* list, int row)
    {
        list->setCurrentItem(list->topLevelItem(row));
    }

private slots:
    void the_windows_page_sorts_moves_deletes_and_saves()
    {
        TestApp app(false);
        const QString data = app.dataDir();
        FavoritesFile::save(data, FavoriteKind::Windows, entries({ "a", "b", "c" }), nullptr);
        FavoritesFile::save(data, FavoriteKind::Internet, entries({ "x", "y" }), nullptr);
        FakeBar bar;
        auto* dialog = new frmOptions(app.context, bar.host());
        QPointer<frmOptions> alive(dialog);
        dialog->show();
        click(dialog, "cmdFavWindows");
        QVERIFY(find<QWidget>(dialog, "frmWindows")->isVisible());
        auto* list = find<QTreeWidget>(dialog, "lvFavWin");
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("R\u00e9pertoire"));
        QCOMPARE(find<QTreeWidget>(dialog, "lvFavInt")->headerItem()->text(1), "URL");
        QCOMPARE(shown(list), QStringList({ "A", "B", "C" }));
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("/home/moi/c"));

        auto* sort = find<QComboBox>(dialog, "cmbTriWindows");
        sort->setCurrentIndex(1);
        QVERIFY(!find<QPushButton>(dialog, "cmdFavWinUp")->isEnabled());
        QVERIFY(!find<QPushButton>(dialog, "cmdFavWinDown")->isEnabled());
        QVERIFY(find<QPushButton>(dialog, "cmdFavIntUp")->isEnabled());
        sort->setCurrentIndex(0);
        QVERIFY(find<QPushButton>(dialog, "cmdFavWinUp")->isEnabled());

        select(list, 0);
        click(dialog, "cmdFavWinDown");
        QCOMPARE(shown(list), QStringList({ "B", "A", "C" }));
        QCOMPARE(list->currentItem()->text(0), "A");
        click(dialog, "cmdSupprimerFavWin");
        QCOMPARE(shown(list), QStringList({ "B", "C" }));
        QCOMPARE(
            labels(FavoritesFile::load(data, FavoriteKind::Windows)), QStringList({ "B", "C" }));
        QCOMPARE(bar.reloaded, 1);

        list->clearSelection();
        list->setCurrentItem(nullptr);
        click(dialog, "cmdSupprimerFavWin");
        QCOMPARE(app.fakes.dialogs.messages.size(), 1);
        QCOMPARE(app.fakes.dialogs.messages[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(shown(list), QStringList({ "B", "C" }));

        select(list, 1);
        click(dialog, "cmdFavWinUp");
        click(dialog, "cmdSave");
        QTRY_VERIFY(!alive);
        QCOMPARE(bar.applied, 1);
        QCOMPARE(
            labels(FavoritesFile::load(data, FavoriteKind::Windows)), QStringList({ "C", "B" }));
        QCOMPARE(
            labels(FavoritesFile::load(data, FavoriteKind::Internet)), QStringList({ "X", "Y" }));
    }

    void cancel_discards_moves_but_keeps_deletions()
    {
        TestApp app(false);
        const QString data = app.dataDir();
        FavoritesFile::save(data, FavoriteKind::Internet, entries({ "x", "y", "z" }), nullptr);
        FakeBar bar;
        auto* dialog = new frmOptions(app.context, bar.host());
        QPointer<frmOptions> alive(dialog);
        dialog->show();
        click(dialog, "cmdFavInt");
        auto* list = find<QTreeWidget>(dialog, "lvFavInt");
        select(list, 2);
        click(dialog, "cmdFavIntUp");
        select(list, 0);
        click(dialog, "cmdSupprimerFavInt");
        click(dialog, "cmdQuit");
        QTRY_VERIFY(!alive);
        QCOMPARE(
            labels(FavoritesFile::load(data, FavoriteKind::Internet)), QStringList({ "Y", "Z" }));
    }
};

QTEST_MAIN(TestFavoritesPages)
#include "TestFavoritesPages.moc"
