#pragma once

#include <QString>

class SettingsStore;

// The master password as the earlier versions kept it in the settings: the bytes of the password
// (through the data files' codec) enciphered with the fixed key, one character per byte. It is
// only read, to open an old vault once, and then forgotten.
namespace MasterPassword {

QString Decipher(const QString& stored);

// The old master password in clear, empty when the settings hold none.
QString Current(const SettingsStore& settings);
// Takes it out of the settings; false when the settings file could not be written.
bool Forget(SettingsStore& settings);

} // namespace MasterPassword
