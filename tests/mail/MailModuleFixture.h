#pragma once

#include "TestApp.h"
#include "mail/EmailAccountsFile.h"
#include "mail/frmemail.h"

#include <QSignalSpy>

#include <memory>

// A mail module in its own AppDir with the default skin's colours, sizes in French.
struct MailModuleFixture {
    TestApp app { false };
    std::unique_ptr<frmemail> module;

    MailModuleFixture()
    {
        Skin::ReadSkinIni(TestApp::shippedDataDir() + QStringLiteral("/skins/default/"), app.skin);
        module = std::make_unique<frmemail>(app.context);
        module->checker().setLocale(QLocale(QLocale::French, QLocale::France));
    }
    void setAccounts(const QList<EmailAccount>& accounts)
    {
        EmailAccountsFile::SaveEmailAccounts(app.dataDir(), accounts, &app.fakes.dialogs);
        module->LoadEmailAccounts();
        module->layoutHeight();
    }
    // Checks the current account and waits for the end of its dialogue.
    bool checkCurrentAccount(int timeoutMs = 15000)
    {
        QSignalSpy done(module.get(), &frmemail::timerWanted);
        module->StartMailCheck();
        return done.count() > 0 || done.wait(timeoutMs);
    }
    const EmailAccountTable::Entry& entry(int account) const
    {
        return module->checker().table().at(account);
    }
    QColor colourOfState(int state) const
    {
        return state == EmailAccountTable::NewMessages ? app.skin.textLight()
            : state == EmailAccountTable::Error        ? app.skin.textError()
                                                       : app.skin.textDark();
    }
    // The text colour of a line of the status picture (drawn without antialiasing).
    QColor lineColour(int line) const
    {
        const QImage image = module->statusImage();
        const int h = module->lineHeight();
        for (int y = line * h; y < (line + 1) * h && y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (QColor(image.pixel(x, y)).rgb() != app.skin.background().rgb())
                    return QColor(image.pixel(x, y));
            }
        }
        return app.skin.background();
    }
    QColor statusColour(int account) const { return lineColour(2 * account + 1); }
};

// connection: the seventh field, as MailSecurity::field() writes it ("IMAP TLS"...).
inline EmailAccount makeAccount(const QString& name, const QString& user, const QString& password,
    const QString& server, const QString& port, const QString& connection = QString())
{
    return { { name, user + QStringLiteral("@example.org"), user, password, server, port },
        connection };
}
