#include "ChildLimits.h"
#include "TestFiles.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void every_code_0_to_255_round_trips_through_the_file_data()
    {
        QTest::addColumn<QString>("value");
        QString all;
        for (int code = 0; code < 256; ++code)
            all.append(QChar(code));
        QTest::newRow("codes 0-255") << all;
        QTest::newRow("code 0 alone") << QString(QChar(0));
        QTest::newRow("blanks at the ends") << QStringLiteral("  a b  ");
        QTest::newRow("no-break spaces at the ends") << QStringLiteral("\u00a0a\u00a0");
        QTest::newRow("escape look-alikes") << QStringLiteral("\\x41\\\\x");
        QTest::newRow("line ends") << QStringLiteral("a\r\nb\n");
        QTest::newRow("beyond latin-1") << QStringLiteral("\u20ac\u4e2d");
        QTest::newRow("empty") << QString();
    }
    void every_code_0_to_255_round_trips_through_the_file()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        {
            SettingsStore writer(dir.path());
            QVERIFY(writer.save(Keys::Password, value));
            QVERIFY(writer.save(Keys::Photo, QStringLiteral("after")));
        }
        SettingsStore reader(dir.path());
        QCOMPARE(reader.value(Keys::Password), value);
        QCOMPARE(reader.value(Keys::Photo), QStringLiteral("after"));
    }

    void file_is_plain_ini_readable_by_its_owner_only()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.save(Keys::Position, QStringLiteral("1"));
        const QString file = dir.path() + QStringLiteral("/tolvane.ini");
        QCOMPARE(readBytes(file), QByteArray("[Options]\nPosition=1\n"));
        QCOMPARE(QFile::permissions(file) & 0x0077, QFileDevice::Permissions());
    }

    // A file edited by hand (byte-order mark, CR LF, a comment, any letter case, blanks, a
    // Windows-1252 line beside a UTF-8 one) is read at once, and the next save rewrites it whole
    // with each key in its place.
    void hand_edits_are_seen_at_once_and_kept_by_the_next_save()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        QVERIFY(store.save(Keys::Position, QStringLiteral("1")));
        QCOMPARE(store.value(Keys::Position), QStringLiteral("1"));
        const QString file = store.filePath(QStringLiteral("Tolvane"));
        writeBytes(file,
            "\xEF\xBB\xBF; edited by hand\r\n[options]\r\n  position =  0 \r\nskin=givre\r\n"
            "City=Orl\xE9"
            "ans\r\nPhoto=caf\xC3\xA9.jpg\r\n");
        QCOMPARE(store.GetSetting(QStringLiteral("TOLVANE"), QStringLiteral("OPTIONS"),
                     QStringLiteral("POSITION")),
            QStringLiteral("0"));
        QCOMPARE(store.value(Keys::Skin), QStringLiteral("givre"));
        QCOMPARE(store.value(Keys::City), QStringLiteral("Orl\u00E9ans"));
        QVERIFY(store.save({ { &Keys::Position, QStringLiteral("1") },
            { &Keys::Transparency, QStringLiteral("9") },
            { &Keys::Skin, QStringLiteral("default") } }));
        QCOMPARE(readBytes(file),
            QByteArray("[options]\nposition=1\nskin=default\nCity=Orl\xC3\xA9"
                       "ans\nPhoto=caf\xC3\xA9.jpg\nTransparency=9\n"));
    }

    void full_disk_fails_the_save_and_keeps_the_old_file()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        QVERIFY(store.save(Keys::Position, QStringLiteral("1")));
        const QString file = store.filePath(QStringLiteral("Tolvane"));
        const QByteArray before = readBytes(file);
        // Less than Qt's write buffer: the failure only shows when the buffer is flushed.
        const QString longValue(3000, u'v');
        QCOMPARE(runWithFileSizeLimit(1024, [&] { return store.save(Keys::Photo, longValue); }), 0);
        QCOMPARE(readBytes(file), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void start_up_removes_stale_copies_and_makes_the_folder_private()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/parent/cfg"); // parents made too
        {
            const mode_t saved = ::umask(0);
            SettingsStore store(folder);
            const bool saved1 = store.save(Keys::Position, QStringLiteral("1"));
            ::umask(saved);
            QVERIFY(saved1);
        }
        for (const QString& made : { folder, dir.path() + QStringLiteral("/parent") }) {
            struct stat info { };
            QCOMPARE(::stat(QFile::encodeName(made).constData(), &info), 0);
            QCOMPARE(info.st_mode & 07777, mode_t(0700));
        }
        const QString stale = folder + QStringLiteral("/tolvane.ini.Ab12Cd");
        writeBytes(stale, {});
        SettingsStore again(folder);
        QVERIFY(!QFile::exists(stale));
        QCOMPARE(again.value(Keys::Position), QStringLiteral("1"));
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
