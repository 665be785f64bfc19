#include "Controls.h"
#include "TestApp.h"
#include "app/frmTolvane.h"
#include "favorites/frmFavoris.h"
#include "mail/frmemail.h"
#include "options/frmOptions.h"
#include "shell/SettingsKeys.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

class TestOptionsOnBar : public QObject {
    Q_OBJECT

    static void clickConfig(frmTolvane& bar) { click(&bar, "pictConfig"); }

private slots:
    void config_picture_opens_one_dialog_and_the_flag_follows_it()
    {
        TestApp app;
        frmTolvane bar(app.context);
        bar.InitBar();
        QVERIFY(!bar.optionsOpen());
        clickConfig(bar);
        QPointer<frmOptions> first = bar.options();
        QVERIFY(first);
        QVERIFY(bar.optionsOpen());
        auto* favoris = control<frmFavoris>(&bar, "frmFavoris");
        QVERIFY(favoris->logic().optionsOpen());
        clickConfig(bar);
        QCOMPARE(bar.options(), first.data());
        first->close(); // by the window frame
        QVERIFY(!bar.optionsOpen());
        QVERIFY(!favoris->logic().optionsOpen());
        QTRY_VERIFY(!first);
        QVERIFY(!bar.options());
    }

    void saving_redocks_reskins_and_reorders_the_bar_at_once()
    {
        TestApp app;
        app.settings->save(Keys::SortModules, QStringLiteral("Photo;Horloge;Favoris"));
        frmTolvane bar(app.context);
        bar.InitBar();
        QWidget* photo = control<QWidget>(&bar, "frmPhoto");
        QWidget* clock = control<QWidget>(&bar, "frmHorloge");
        QVERIFY(photo->y() < clock->y());
        QCOMPARE(bar.x(), 1280 - 146);
        QVERIFY(app.skin.folder.endsWith(QStringLiteral("/default/")));

        clickConfig(bar);
        frmOptions* dialog = bar.options();
        click(dialog, "cmdModules");
        control<QAbstractButton>(dialog, "chkEmails")->click();
        click(dialog, "cmdAffichage");
        control<QComboBox>(dialog, "cmbPosition")->setCurrentIndex(1);
        auto* themes = control<QComboBox>(dialog, "cmbTheme");
        themes->setCurrentIndex(themes->findText(QStringLiteral("givre")));
        emit themes->textActivated(themes->currentText());
        click(dialog, "cmdOrderAffichage");
        auto* order = control<QTreeWidget>(dialog, "lvSortModules");
        order->topLevelItem(1)->setSelected(true);
        click(dialog, "cmdOrderModUp");
        click(dialog, "cmdEmails");
        click(dialog, "cmdAdd");
        control<QLineEdit>(dialog, "txtEmailName")->setText(QStringLiteral("Maison"));
        click(dialog, "cmdOK");
        click(dialog, "cmdSave");

        QVERIFY(!bar.optionsOpen());
        QVERIFY(!control<frmFavoris>(&bar, "frmFavoris")->logic().optionsOpen());
        QCOMPARE(bar.x(), 0);
        QVERIFY(app.skin.folder.endsWith(QStringLiteral("/givre/")));
        QVERIFY(clock->y() < photo->y());
        auto* mail = control<frmemail>(&bar, "frmemail");
        QVERIFY(!mail->isHidden());
        QCOMPARE(mail->NbEmailAccounts(), 1);
    }
};

QTEST_MAIN(TestOptionsOnBar)
#include "TestOptionsOnBar.moc"
