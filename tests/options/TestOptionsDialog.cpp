#include "DataRow.h"
#include "OptionsBench.h"
#include "TestFiles.h"
#include "mail/EmailAccountsFile.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kHome = QStringLiteral("Maison;moi@example.fr;moi;secret;pop.example.fr;110");

void saveFavorites(const QString& dataDir, FavoriteKind kind, const QStringList& names)
{
    FavoriteEntries all;
    for (const QString& name : names)
        all.append({ QStringLiteral("/home/moi/") + name, name.toUpper() });
    QVERIFY(FavoritesFile::save(dataDir, kind, all, nullptr));
}

QString storedFavorites(const QString& dataDir, FavoriteKind kind)
{
    QStringList labels;
    for (const FavoriteEntry& entry : FavoritesFile::load(dataDir, kind))
        labels.append(entry.label);
    return labels.join(u' ');
}

void select(QTreeWidget* list, int row)
{
    list->setCurrentItem(row < 0 ? nullptr : list->topLevelItem(row));
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void out_of_range_values_show_inside_the_controls_and_saving_takes_the_controls()
    {
        OptionsBench bench;
        bench.app.settings->save(Keys::TimerMeteo, QStringLiteral("9999"));
        bench.app.settings->save(Keys::SpaceBetweenModules, QStringLiteral("-2"));
        bench.app.settings->save(Keys::City, QStringLiteral("500"));
        bench.app.settings->save(Keys::Transparency, QStringLiteral("400"));
        frmOptions* dialog = bench.open();
        QCOMPARE(control<QSpinBox>(dialog, "updownTimerMeteo")->value(), 480);
        QCOMPARE(control<QLineEdit>(dialog, "txtTimerMeteo")->text(), QStringLiteral("480"));
        QCOMPARE(control<QSpinBox>(dialog, "UpDownSpaceBetweenModules")->value(), 1);
        QCOMPARE(control<QComboBox>(dialog, "cmbVille")->currentIndex(), 198);
        QCOMPARE(control<QSlider>(dialog, "sliderTransparence")->value(), 150);

        control<QSpinBox>(dialog, "updownTimerMeteo")->setValue(30);
        control<QComboBox>(dialog, "cmbVille")->setCurrentIndex(0);
        QSignalSpy closing(dialog, &frmOptions::closing);
        click(dialog, "cmdSave");
        QCOMPARE(closing.size(), 1);
        QCOMPARE(bench.applied, 1);
        for (const auto& [key, value] : { std::pair { &Keys::TimerMeteo, "30" },
                 std::pair { &Keys::City, "0" }, std::pair { &Keys::SpaceBetweenModules, "1" },
                 std::pair { &Keys::Transparency, "150" } })
            QCOMPARE(bench.app.settings->value(*key), QLatin1String(value));
    }

    void slider_previews_on_the_bar_and_cancel_puts_everything_back()
    {
        OptionsBench bench;
        const QString dataDir = bench.app.dataDir();
        EmailAccountsFile::SaveEmailAccounts(
            dataDir, { EmailAccount::fromRecordLine(kHome) }, nullptr);
        bench.app.settings->save(Keys::Skin, QStringLiteral("default"));
        saveFavorites(dataDir, FavoriteKind::Windows, { "x", "y" });
        saveFavorites(dataDir, FavoriteKind::Internet, { "a", "b" });
        const QString settingsFile = bench.app.settings->filePath(QStringLiteral("Tolvane"));
        const QByteArray settingsBefore = readBytes(settingsFile);
        const QByteArray accountsBefore = readBytes(EmailAccountsFile::path(dataDir));
        frmOptions* dialog = bench.open();
        click(dialog, "cmdAffichage");
        control<QSlider>(dialog, "sliderTransparence")->setValue(150);
        QCOMPARE(control<QLabel>(dialog, "labTransparence")->text(), QStringLiteral(" 100 %"));
        QCOMPARE(bench.opacity, 104);
        control<QCheckBox>(dialog, "chkTransparence")->click();
        QCOMPARE(bench.opacity, 255);
        control<QCheckBox>(dialog, "chkHorloge")->click();
        click(dialog, "cmdEmails");
        click(dialog, "cmdDel");
        click(dialog, "cmdFavWindows");
        select(control<QTreeWidget>(dialog, "lvFavWin"), 1);
        click(dialog, "cmdFavWinUp");
        click(dialog, "cmdFavInt"); // a deletion is written at once, and only its own list
        select(control<QTreeWidget>(dialog, "lvFavInt"), 0);
        click(dialog, "cmdSupprimerFavInt");

        click(dialog, "cmdQuit");
        QCOMPARE(bench.opacity, 200);
        QCOMPARE(bench.applied, 0);
        QTRY_VERIFY(!bench.dialog);
        QCOMPARE(readBytes(settingsFile), settingsBefore);
        QCOMPARE(readBytes(EmailAccountsFile::path(dataDir)), accountsBefore);
        QCOMPARE(storedFavorites(dataDir, FavoriteKind::Windows), QStringLiteral("X Y"));
        QCOMPARE(storedFavorites(dataDir, FavoriteKind::Internet), QStringLiteral("B"));
    }

    void picture_chooser_fills_the_photo_box_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("shown");
        dataRow("a file chosen", "/home/moi/chat.png", "/home/moi/chat.png");
        dataRow("cancelled keeps the old one", "", "/old/photo.bmp");
    }
    void picture_chooser_fills_the_photo_box()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        OptionsBench bench;
        bench.app.settings->save(Keys::Photo, QStringLiteral("/old/photo.bmp"));
        bench.app.fakes.dialogs.nextFileName = chosen;
        frmOptions* dialog = bench.open();
        click(dialog, "cmdChoosePicture");
        QCOMPARE(control<QLineEdit>(dialog, "txtPhoto")->text(), shown);
        QVERIFY(dialog->Save());
        QCOMPARE(bench.app.settings->value(Keys::Photo), shown);
    }

    void a_favorites_sort_disables_the_moves_of_its_own_page()
    {
        OptionsBench bench;
        frmOptions* dialog = bench.open();
        click(dialog, "cmdFavWindows");
        control<QComboBox>(dialog, "cmbTriWindows")->setCurrentIndex(1);
        QVERIFY(!control(dialog, "cmdFavWinUp")->isEnabled());
        QVERIFY(!control(dialog, "cmdFavWinDown")->isEnabled());
        QVERIFY(control(dialog, "cmdFavIntUp")->isEnabled());
        control<QComboBox>(dialog, "cmbTriWindows")->setCurrentIndex(0);
        QVERIFY(control(dialog, "cmdFavWinUp")->isEnabled());
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "TestOptionsDialog.moc"
