#include "DataRow.h"
#include "TestApp.h"
#include "shell/SettingsKeys.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

// Skins come from the program's skins/ folder and from the user's own skins folder.
class TestSkinFolders : public QObject {
    Q_OBJECT

    static void makeSkin(const QString& root, const QString& name)
    {
        QVERIFY(QDir().mkpath(root + u'/' + name));
    }

private slots:
    void folder_of_a_skin_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("userSkins"); // names in the user's folder, ';'-separated
        QTest::addColumn<QString>("expectedRoot"); // "app" or "user"
        QTest::addColumn<QString>("expectedName");

        dataRow("shipped skin", "givre", "perso", "app", "givre");
        dataRow("user's own skin", "perso", "perso", "user", "perso");
        // A user's copy of a shipped skin is the one used, so it can be retouched.
        dataRow("user's copy wins", "default", "default", "user", "default");
        dataRow("unknown skin points at the program's folder", "absent", "", "app", "absent");
        dataRow("setting unset means default", "", "", "app", "default");
    }
    void folder_of_a_skin()
    {
        QFETCH(QString, setting);
        QFETCH(QString, userSkins);
        QFETCH(QString, expectedRoot);
        QFETCH(QString, expectedName);
        TestApp app(false);
        makeSkin(app.appDir() + QStringLiteral("/skins"), QStringLiteral("default"));
        makeSkin(app.appDir() + QStringLiteral("/skins"), QStringLiteral("givre"));
        for (const QString& name : userSkins.split(u';', Qt::SkipEmptyParts))
            makeSkin(app.context.userSkinsDir(), name);
        if (!setting.isEmpty())
            app.settings->save(Keys::Skin, setting);

        const QString root = expectedRoot == QLatin1String("user")
            ? app.context.userSkinsDir()
            : app.appDir() + QStringLiteral("/skins");
        QCOMPARE(Skin::SkinFolder(app.context, QString()), root + u'/' + expectedName + u'/');
    }

    void both_folders_are_listed_once()
    {
        TestApp app(false);
        makeSkin(app.appDir() + QStringLiteral("/skins"), QStringLiteral("default"));
        makeSkin(app.appDir() + QStringLiteral("/skins"), QStringLiteral("givre"));
        makeSkin(app.context.userSkinsDir(), QStringLiteral("Perso"));
        makeSkin(app.context.userSkinsDir(), QStringLiteral("default"));
        QCOMPARE(Skin::SkinNames(app.context),
            QStringList(
                { QStringLiteral("default"), QStringLiteral("givre"), QStringLiteral("Perso") }));
    }

    void dense_picture_on_a_dense_screen_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("hasDense");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("ordinary screen") << 1.0 << true << QSize(16, 16);
        QTest::newRow("dense screen") << 2.0 << true << QSize(32, 32);
        QTest::newRow("dense screen, skin without dense pictures") << 2.0 << false << QSize(16, 16);
    }
    void dense_picture_on_a_dense_screen()
    {
        QFETCH(double, ratio);
        QFETCH(bool, hasDense);
        QFETCH(QSize, pixels);
        QTemporaryDir skin;
        QImage plain(16, 16, QImage::Format_RGB32);
        plain.fill(Qt::red);
        QVERIFY(plain.save(skin.filePath(QStringLiteral("button_about.bmp"))));
        if (hasDense) {
            QImage dense(32, 32, QImage::Format_RGB32);
            dense.fill(Qt::blue);
            QVERIFY(dense.save(skin.filePath(QStringLiteral("button_about@2x.bmp"))));
        }
        SkinImages images(skin.path() + u'/', ratio);
        const QPixmap picture = images.picture(QStringLiteral("button_about.bmp"));
        QCOMPARE(picture.size(), pixels);
        // Either way the control keeps the picture's size in the skin's own pixels.
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(16, 16));
    }
};

QTEST_MAIN(TestSkinFolders)
#include "TestSkinFolders.moc"
