#include "TestApp.h"
#include "shell/SettingsKeys.h"

#include <QDir>
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

        QTest::newRow("shipped skin") << "givre"
                                      << "perso"
                                      << "app"
                                      << "givre";
        QTest::newRow("user's own skin") << "perso"
                                         << "perso"
                                         << "user"
                                         << "perso";
        // A user's copy of a shipped skin is the one used, so it can be retouched.
        QTest::newRow("user's copy wins") << "default"
                                          << "default"
                                          << "user"
                                          << "default";
        QTest::newRow("unknown skin points at the program's folder") << "absent"
                                                                     << ""
                                                                     << "app"
                                                                     << "absent";
        QTest::newRow("setting unset means default") << ""
                                                     << ""
                                                     << "app"
                                                     << "default";
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
};

QTEST_MAIN(TestSkinFolders)
#include "TestSkinFolders.moc"
