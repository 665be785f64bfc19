#pragma once

#include "TestApp.h"
#include "mail/EmailAccount.h"
#include "mail/frmemail.h"

#include <QColor>
#include <QImage>
#include <QLocale>
#include <QString>

#include <memory>

// A mail module in its own AppDir with the default skin's colours, sizes in French.
struct MailModuleFixture {
    TestApp app;
    std::unique_ptr<frmemail> module;

    MailModuleFixture();
    // Writes the accounts file and loads it into the module.
    void setAccounts(const QList<EmailAccount>& accounts);
    // Checks the current account and waits for the end of its dialogue.
    bool checkCurrentAccount(int timeoutMs = 15000);
    // Checks every account once, one after another.
    bool checkAllAccounts(int timeoutMs = 15000);

    QString status(int account) const;
    int state(int account) const;
    // The colour most of the drawn pixels of a status line have.
    QColor statusColour(int account) const;
    QColor nameColour(int account) const;
    const SkinState& skin() const { return app.skin; }
};

EmailAccount makeAccount(const QString& name, const QString& user, const QString& password,
    const QString& server, const QString& port);
