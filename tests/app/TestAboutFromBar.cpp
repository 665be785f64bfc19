#include "TestApp.h"
#include "app/frmTolvane.h"
#include "shell/frmAbout.h"
#include "shell/frmSplashScreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

void click(QWidget* widget)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace

class TestAboutFromBar : public QObject {
    Q_OBJECT
private slots:
    void about_button_opens_one_box_unloaded_when_closed();
    void welcome_window_switched_off_stays_away_at_next_start();
};

void TestAboutFromBar::about_button_opens_one_box_unloaded_when_closed()
{
    TestApp app;
    app.settings->save(QStringLiteral("SplashScreen"), QStringLiteral("0"));
    frmTolvane bar(app.context);
    bar.Start();
    QVERIFY(!bar.findChild<frmAbout*>());

    QWidget* aboutButton = bar.findChild<QWidget*>(QStringLiteral("pictAbout"));
    click(aboutButton);
    click(aboutButton);
    QCOMPARE(bar.findChildren<frmAbout*>().size(), 1);
    QPointer<frmAbout> about = bar.findChild<frmAbout*>();
    QVERIFY(about->isVisible());
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
        QStringLiteral("Tolvane - Version 1.0.11"));

    click(about->findChild<QPushButton*>(QStringLiteral("cmdOK")));
    QTRY_VERIFY(about.isNull());
    click(aboutButton);
    QCOMPARE(bar.findChildren<frmAbout*>().size(), 1);
}

void TestAboutFromBar::welcome_window_switched_off_stays_away_at_next_start()
{
    TestApp app;
    {
        frmTolvane bar(app.context);
        bar.Start();
        frmSplashScreen* splash = bar.findChild<frmSplashScreen*>();
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        click(splash->findChild<QCheckBox*>(QStringLiteral("chkDoNotDisplay")));
        QPointer<frmSplashScreen> closing = splash;
        click(splash->findChild<QPushButton*>(QStringLiteral("cmdFerme")));
        QTRY_VERIFY(closing.isNull());
    }
    frmTolvane nextStart(app.context);
    nextStart.Start();
    QVERIFY(!nextStart.findChild<frmSplashScreen*>());
}

QTEST_MAIN(TestAboutFromBar)
#include "TestAboutFromBar.moc"
