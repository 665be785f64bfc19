// vault_demo legacy|create|convert|wrong|reopen APPDIR DATADIR PICTURE
// Starts the bar on the current display and uses its vault as a user would, clicking and typing
// into the real windows, and prints every message box it closes: "legacy" only writes a vault of
// the earlier versions (two rows under "secret", the password in the settings); "create" clicks
// the vault button, creates the master password "secret", adds two rows and confirms; "convert"
// gives "secret" to the old vault and prints the rows shown; "wrong" gives another password;
// "reopen" gives "secret" and writes a picture of the vault window. Each run is its own
// process, so every phase after the first is a restart.
#include "app/frmTolvane.h"
#include "common/CryptRC4.h"
#include "platform/linux/LinuxPlatform.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"
#include "vault/frmGetPassword.h"
#include "vault/frmPasswords.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {

void click(QWidget* window, const char* name)
{
    QWidget* widget = window->findChild<QWidget*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    QTest::qWait(150);
}

void type(QWidget* window, const char* name, const QString& text)
{
    QLineEdit* box = window->findChild<QLineEdit*>(QLatin1String(name));
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(box, c.toLatin1(), {}, 20);
        } else { // a key of a French keyboard that the test library cannot name
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }
}

void addRow(QWidget* vault, const QStringList& fields)
{
    static const char* const kBoxes[]
        = { "txtDescriptif", "txtData1", "txtData2", "txtData3", "txtData4" };
    click(vault, "cmdAdd");
    for (int n = 0; n < fields.size(); ++n)
        type(vault, kBoxes[n], fields[n]);
    click(vault, "cmdConfirmAddMod");
}

const QStringList kRows[] = {
    { QStringLiteral("Banque en ligne"), QStringLiteral("client 0042137"),
        QStringLiteral("code 5821") },
    { QStringLiteral("Wifi maison"), QStringLiteral("Livebox-3F2A"),
        QStringLiteral("cl\u00E9 WPA2 : tr\u00E8s-longue-phrase") },
};

// The message boxes of the real dialogs wait for a click: each is printed and closed.
void closeMessageBoxes()
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("message: %s\n", qPrintable(box->text()));
            box->accept();
        }
    });
    timer->start(200);
}

bool writeLegacyVault(SettingsStore& settings, const QString& dataDir)
{
    QByteArray file = cCryptRC4::EncipherLine(QStringLiteral("[PASS];secret")).toLatin1() + "\r\n";
    for (const QStringList& row : kRows) {
        QStringList fields = row;
        while (fields.size() < 5)
            fields.append(QString());
        file += cCryptRC4::EncipherLine(fields.join(QLatin1Char(';'))).toLatin1() + "\r\n";
    }
    QFile out(dataDir + QStringLiteral("/tolvane_Passwords.dat"));
    cCryptRC4 rc4;
    rc4.Key(cCryptRC4::kFixedKey);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size()
        && settings.save(Keys::Password, rc4.Crypt(QStringLiteral("secret")));
}

template <typename T> T* waitFor(QWidget* bar, int tenths = 50)
{
    for (int n = 0; n < tenths; ++n) {
        if (T* window = bar->findChild<T*>(); window && window->isVisible())
            return window;
        QTest::qWait(100);
    }
    return nullptr;
}

int run(frmTolvane& bar, const QString& phase, const QString& picture)
{
    QTest::qWait(1500);
    click(&bar, "pictPassword");
    auto* dialog = waitFor<frmGetPassword>(&bar);
    if (!dialog)
        qFatal("the password dialog did not open");
    if (phase == QLatin1String("create")) {
        type(dialog, "txtNewPassword", QStringLiteral("secret"));
        type(dialog, "txtConfirmNewPassword", QStringLiteral("secret"));
    } else {
        type(dialog, "txtPassword",
            phase == QLatin1String("wrong") ? QStringLiteral("secrete") : QStringLiteral("secret"));
    }
    click(dialog, "cmdValide");
    auto* vault = waitFor<frmPasswords>(&bar);
    if (phase == QLatin1String("wrong")) {
        std::printf("vault window opened: %s\n", vault ? "yes" : "no");
        return vault ? 1 : 0;
    }
    if (!vault)
        qFatal("the vault window did not open");
    auto* list = vault->findChild<QTreeWidget*>(QStringLiteral("lvPasswords"));
    if (phase == QLatin1String("create")) {
        for (const QStringList& row : kRows)
            addRow(vault, row);
        QPointer<frmPasswords> closing = vault;
        click(vault, "cmdValide");
        for (int n = 0; n < 100 && closing; ++n)
            QTest::qWait(100);
        return closing ? 1 : 0;
    }
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < 5; ++column)
            cells.append(list->topLevelItem(i)->text(column));
        std::printf("row shown: %s\n", qPrintable(cells.join(QStringLiteral(" | "))));
    }
    if (phase == QLatin1String("convert"))
        return list->topLevelItemCount() == 2 ? 0 : 1;
    list->setCurrentItem(list->topLevelItem(1));
    QTest::qWait(500);
    return vault->grab().save(picture) && list->topLevelItemCount() == 2 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr,
            "usage: %s legacy|create|convert|wrong|reopen APPDIR DATADIR PICTURE\n", argv[0]);
        return 2;
    }
    LinuxPlatform platform { QString() };
    SettingsStore settings;
    if (args[1] == QLatin1String("legacy"))
        return writeLegacyVault(settings, args[3]) ? 0 : 1;
    SkinState skin;
    AppContext context { args[2], args[3], &settings, &skin, platform.services() };
    frmTolvane bar(context);
    bar.Start();
    bar.show();
    closeMessageBoxes();
    const int result = run(bar, args[1], args[4]);
    if (args[1] == QLatin1String("reopen"))
        QTest::qWait(1000 * qEnvironmentVariableIntValue("VAULT_DEMO_LINGER"));
    return result;
}
