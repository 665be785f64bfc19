#pragma once

#include <QString>

class SettingsStore;

// The master password as the settings keep it: the bytes of the password (through the data
// files' codec) enciphered with the fixed key, one character per byte. A password of
// Windows-1252 characters thus keeps its length; any other character survives as its UTF-8 bytes.
namespace MasterPassword {

QString Encipher(const QString& password);
QString Decipher(const QString& stored);

// The stored form, empty when no master password exists yet.
QString Stored(const SettingsStore& settings);
// The master password in clear, empty when none exists.
QString Current(const SettingsStore& settings);
// False when the settings file could not be written; the previous value then stays.
bool Store(SettingsStore& settings, const QString& password);

} // namespace MasterPassword

// What the master password dialog hands to the vault window: whether it has just stored a new
// master password, and what was typed as the current one (empty for a first password). The
// vault file still carries that previous password until the window writes it again.
struct VaultUnlock {
    bool PasswordChanged = false;
    QString PreviousPassword;
};
