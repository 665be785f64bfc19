#include "TestApp.h"
#include "shell/SplashPreference.h"
#include "shell/frmSplashScreen.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// What the next start will read: a fresh store over the same folder.
QString storedSplashSetting(const TestApp& app)
{
    return SettingsStore(app.configDir()).value(QStringLiteral("SplashScreen"));
}

QCheckBox* doNotDisplay(const frmSplashScreen& splash)
{
    return splash.findChild<QCheckBox*>(QStringLiteral("chkDoNotDisplay"));
}

} // namespace

class TestSplashScreen : public QObject {
    Q_OBJECT
private slots:
    void shown_at_start_up_only_for_one_data();
    void shown_at_start_up_only_for_one();
    void ticking_writes_0_at_once_and_unticking_writes_1();
    void box_starts_ticked_when_switched_off_without_writing();
    void texts_of_the_window();
    void close_button_unloads_the_window();
};

void TestSplashScreen::shown_at_start_up_only_for_one_data()
{
    QTest::addColumn<QString>("stored"); // empty: key never written
    QTest::addColumn<bool>("shown");
    QTest::newRow("missing_key_defaults_to_shown") << QString() << true;
    QTest::newRow("one") << QStringLiteral("1") << true;
    QTest::newRow("zero") << QStringLiteral("0") << false;
    QTest::newRow("two_is_not_one") << QStringLiteral("2") << false;
    QTest::newRow("leading_number_rule") << QStringLiteral(" 1 fois") << true;
    QTest::newRow("not_a_number_reads_as_zero") << QStringLiteral("oui") << false;
}

void TestSplashScreen::shown_at_start_up_only_for_one()
{
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    TestApp app(false);
    if (!stored.isEmpty())
        app.settings->save(QStringLiteral("SplashScreen"), stored);
    QCOMPARE(SplashPreference::ShowAtStartUp(*app.settings), shown);
}

void TestSplashScreen::ticking_writes_0_at_once_and_unticking_writes_1()
{
    TestApp app(false);
    frmSplashScreen splash(app.context);
    QCheckBox* box = doNotDisplay(splash);
    QVERIFY(!box->isChecked());

    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(storedSplashSetting(app), QStringLiteral("0"));
    QVERIFY(!SplashPreference::ShowAtStartUp(SettingsStore(app.configDir())));

    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(storedSplashSetting(app), QStringLiteral("1"));
}

void TestSplashScreen::box_starts_ticked_when_switched_off_without_writing()
{
    TestApp app(false);
    app.settings->save(QStringLiteral("SplashScreen"), QStringLiteral("2"));
    frmSplashScreen splash(app.context);
    QVERIFY(doNotDisplay(splash)->isChecked());
    QCOMPARE(storedSplashSetting(app), QStringLiteral("2"));
}

void TestSplashScreen::texts_of_the_window()
{
    TestApp app(false);
    frmSplashScreen splash(app.context);
    QCOMPARE(splash.windowTitle(), QStringLiteral("Bienvenue !"));
    QCOMPARE(doNotDisplay(splash)->text(), QStringLiteral("Ne plus afficher cette fen\u00eatre"));
    QCOMPARE(splash.findChild<QPushButton*>(QStringLiteral("cmdFerme"))->text(),
        QStringLiteral("Fermer"));
    QVERIFY(!splash.isModal());
}

void TestSplashScreen::close_button_unloads_the_window()
{
    TestApp app(false);
    QPointer<frmSplashScreen> splash = new frmSplashScreen(app.context);
    splash->show();
    QTest::mouseClick(splash->findChild<QPushButton*>(QStringLiteral("cmdFerme")), Qt::LeftButton);
    QTRY_VERIFY(splash.isNull());
}

QTEST_MAIN(TestSplashScreen)
#include "TestSplashScreen.moc"
