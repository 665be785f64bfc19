#pragma once

#include "Controls.h"
#include "ReferenceRC4.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "VaultControls.h"
#include "common/Cp1252.h"
#include "shell/SettingsKeys.h"
#include "vault/LegacyVaultFile.h"
#include "vault/VaultFile.h"
#include "vault/VaultWindows.h"
#include "vault/frmGetPassword.h"
#include "vault/frmPasswords.h"

#include <QPointer>
#include <QTreeWidget>

// A key derivation of a few kibibytes: the format and the flows are the same, the wait is not.
inline KdfParameters cheapKdf()
{
    return { 1, 8 };
}

// The old master password as the earlier versions stored it in the settings.
inline void storeOldPassword(SettingsStore& settings, const QString& password)
{
    settings.save(Keys::Password,
        Cp1252::decode(ReferenceRC4::rc4(ReferenceRC4::fixedKey(), password.toLatin1())));
}

// Whether the settings file names a password in any letter case.
inline bool settingsMentionPassword(const TestApp& app)
{
    return readBytes(app.settings->filePath(QStringLiteral("Tolvane")))
        .toLower()
        .contains("password");
}

inline VaultRow vaultRow(const QString& a, const QString& b = {}, const QString& c = {},
    const QString& d = {}, const QString& e = {})
{
    return { { a, b, c, d, e } };
}

// The vault windows as the bar opens them.
struct VaultFixture {
    TestApp app { false };
    QWidget owner;
    VaultWindows windows { app.context, &owner };

    VaultFixture() { windows.setKdfParameters(cheapKdf()); }

    QString vaultPath() const { return app.context.dataPath(VaultFile::fileName()); }
    QString legacyPath() const { return app.context.dataPath(LegacyVaultFile::fileName()); }
    QByteArray fileBytes() const { return readBytes(vaultPath()); }
    VaultStore store() const { return VaultStore(app.dataDir(), cheapKdf()); }
    void putVault(const QString& password, const VaultRows& rows) const
    {
        QVERIFY(store().save(SecretBytes::fromText(password), rows).done());
    }
    // The rows of the file on disk under this password; none when it does not open.
    VaultRows rowsOnDisk(const QString& password) const
    {
        return VaultFile::read(vaultPath(), SecretBytes::fromText(password)).rows;
    }

    // Opens the dialog, gives the passwords, validates and waits for the check; the vault window
    // when it opened.
    frmPasswords* unlock(
        const QString& current, const QString& fresh = {}, const QString& confirmation = {})
    {
        windows.open();
        QPointer<frmGetPassword> dialog = windows.passwordDialog();
        if (!current.isEmpty())
            type(dialog, "txtPassword", current);
        type(dialog, "txtNewPassword", fresh);
        type(dialog, "txtConfirmNewPassword", confirmation);
        click(dialog, "cmdValide");
        if (!QTest::qWaitFor([&dialog] { return dialog.isNull() || !dialog->isWorking(); }))
            return nullptr;
        return windows.vaultWindow();
    }

    // Clicks "Valider" and waits for the window to close; false when it stays.
    static bool confirm(frmPasswords* vault)
    {
        QPointer<frmPasswords> closing = vault;
        click(vault, "cmdValide");
        if (!QTest::qWaitFor([&closing] { return closing.isNull() || !closing->isSaving(); }))
            return false;
        return QTest::qWaitFor([&closing] { return closing.isNull(); }, 200);
    }

    static QStringList shownRows(const QWidget* vault) { return VaultControls::shownRows(vault); }
    static void addRow(const QWidget* vault, const QStringList& fields)
    {
        VaultControls::addRow(vault, fields);
    }
};
