#pragma once

#include "MasterPassword.h"

#include <QString>

class SettingsStore;

// What the master password dialog decides when "Valider" is clicked: refuse with a message,
// create or change the master password, and whether the vault opens.
class PasswordCheck {
public:
    struct Outcome {
        bool opensVault = false;
        QString message; // shown with the error icon when not empty
        bool clearFields = false;
        VaultUnlock unlock;
    };

    explicit PasswordCheck(SettingsStore& settings);

    // True when a master password exists, so the current password box is enabled.
    bool hasStoredPassword() const { return !m_stored.isEmpty(); }

    Outcome Validate(
        const QString& current, const QString& newPassword, const QString& confirmation);

    static QString wrongPasswordText();
    static QString invalidPasswordText();
    static QString confirmationMismatchText();

private:
    SettingsStore& m_settings;
    QString m_stored; // read when the dialog loads
};
