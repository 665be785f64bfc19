#include "TestApp.h"
#include "shell/frmAbout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");
}

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void caption_version_and_buttons();
    void system_info_starts_first_viewer_found_data();
    void system_info_starts_first_viewer_found();
    void ok_closes_and_unloads_the_box();
};

void TestAboutBox::caption_version_and_buttons()
{
    TestApp app(false);
    frmAbout about(app.context);

    QCOMPARE(about.windowTitle(), QStringLiteral("About Tolvane"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
        QStringLiteral("Tolvane - Version 1.0.11"));
    QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(),
        QStringLiteral("&System Info..."));
    QVERIFY(about.findChild<QPushButton*>(QStringLiteral("cmdOK")));
    QVERIFY(!about.isModal());
}

void TestAboutBox::system_info_starts_first_viewer_found_data()
{
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QList<QStringList>>("expectedStarts");
    QTest::addColumn<bool>("expectMessage");

    QTest::newRow("none_on_path_says_unavailable")
        << QStringList() << true << QList<QStringList>() << true;
    QTest::newRow("only_kde_viewer")
        << QStringList { QStringLiteral("kinfocenter") } << true
        << QList<QStringList> { { QStringLiteral("/usr/bin/kinfocenter") } } << false;
    QTest::newRow("dedicated_tool_before_desktop_viewer")
        << QStringList { QStringLiteral("kinfocenter"), QStringLiteral("hardinfo") } << true
        << QList<QStringList> { { QStringLiteral("/usr/bin/hardinfo") } } << false;
    QTest::newRow("gnome_opens_its_about_panel")
        << QStringList { QStringLiteral("gnome-control-center") } << true
        << QList<QStringList> { { QStringLiteral("/usr/bin/gnome-control-center"),
               QStringLiteral("info-overview") } }
        << false;
    QTest::newRow("found_but_fails_to_start_tries_the_next_then_says_unavailable")
        << QStringList { QStringLiteral("hardinfo"), QStringLiteral("xfce4-about") } << false
        << QList<QStringList> { { QStringLiteral("/usr/bin/hardinfo") },
               { QStringLiteral("/usr/bin/xfce4-about") } }
        << true;
}

void TestAboutBox::system_info_starts_first_viewer_found()
{
    QFETCH(QStringList, onPath);
    QFETCH(bool, startSucceeds);
    QFETCH(QList<QStringList>, expectedStarts);
    QFETCH(bool, expectMessage);

    TestApp app(false);
    app.fakes.launcher.available = onPath;
    app.fakes.launcher.succeed = startSucceeds;
    frmAbout about(app.context);
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);

    QCOMPARE(app.fakes.launcher.started, expectedStarts);
    QCOMPARE(app.fakes.dialogs.messages.size(), expectMessage ? 1 : 0);
    if (expectMessage) {
        QCOMPARE(app.fakes.dialogs.messages.first().text, kUnavailable);
        QCOMPARE(app.fakes.dialogs.messages.first().title, QStringLiteral("Tolvane"));
    }
}

void TestAboutBox::ok_closes_and_unloads_the_box()
{
    TestApp app(false);
    QPointer<frmAbout> about = new frmAbout(app.context);
    about->show();
    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(about.isNull());
}

QTEST_MAIN(TestAboutBox)
#include "TestAboutBox.moc"
