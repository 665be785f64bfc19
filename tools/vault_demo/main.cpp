// vault_demo create|reopen APPDIR DATADIR PICTURE
// Starts the bar on the current display and uses its vault as a user would, clicking and typing
// into the real windows: "create" clicks the vault button, creates the master password "secret",
// adds two rows and confirms; "reopen" clicks the button, gives the password and writes a
// picture of the vault window. Each run is its own process, so "reopen" is a restart.
#include "app/frmTolvane.h"
#include "platform/linux/LinuxPlatform.h"
#include "shell/SettingsStore.h"
#include "shell/Skin.h"
#include "vault/frmGetPassword.h"
#include "vault/frmPasswords.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
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

template <typename T> T* waitFor(QWidget* bar)
{
    for (int n = 0; n < 50; ++n) {
        if (T* window = bar->findChild<T*>(); window && window->isVisible())
            return window;
        QTest::qWait(100);
    }
    qFatal("window did not open");
}

int run(frmTolvane& bar, const QString& phase, const QString& picture)
{
    QTest::qWait(1500);
    click(&bar, "pictPassword");
    auto* dialog = waitFor<frmGetPassword>(&bar);
    if (phase == QLatin1String("create")) {
        type(dialog, "txtNewPassword", QStringLiteral("secret"));
        type(dialog, "txtConfirmNewPassword", QStringLiteral("secret"));
    } else {
        type(dialog, "txtPassword", QStringLiteral("secret"));
    }
    click(dialog, "cmdValide");
    auto* vault = waitFor<frmPasswords>(&bar);
    if (phase == QLatin1String("create")) {
        addRow(vault,
            { QStringLiteral("Banque en ligne"), QStringLiteral("client 0042137"),
                QStringLiteral("code 5821") });
        addRow(vault,
            { QStringLiteral("Wifi maison"), QStringLiteral("Livebox-3F2A"),
                QStringLiteral("cl\u00E9 WPA2 : tr\u00E8s-longue-phrase") });
        click(vault, "cmdValide");
        return vault->isVisible() ? 1 : 0;
    }
    auto* list = vault->findChild<QTreeWidget*>(QStringLiteral("lvPasswords"));
    list->setCurrentItem(list->topLevelItem(1));
    QTest::qWait(500);
    std::printf("rows shown after the restart: %d\n", list->topLevelItemCount());
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
        std::fprintf(stderr, "usage: %s create|reopen APPDIR DATADIR PICTURE\n", argv[0]);
        return 2;
    }
    LinuxPlatform platform { QString() };
    SettingsStore settings;
    SkinState skin;
    AppContext context { args[2], args[3], &settings, &skin, platform.services() };
    frmTolvane bar(context);
    bar.Start();
    bar.show();
    const int result = run(bar, args[1], args[4]);
    if (args[1] == QLatin1String("reopen"))
        QTest::qWait(1000 * qEnvironmentVariableIntValue("VAULT_DEMO_LINGER"));
    return result;
}
