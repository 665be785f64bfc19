#pragma once

#include "ReferenceRC4.h"
#include "TestApp.h"
#include "TestFiles.h"
#include "common/Cp1252.h"
#include "shell/SettingsKeys.h"
#include "vault/LegacyVaultFile.h"
#include "vault/VaultFile.h"
#include "vault/VaultStore.h"

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

// A private data folder for the vault files, with a cheap key derivation.
struct VaultFixture {
    TestApp app { false };

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
};
