#pragma once

#include "VaultStore.h"
#include "VaultUnlock.h"

#include <QString>

#include <functional>
#include <optional>

class SettingsStore;

// What the master password dialog decides when "Valider" is clicked: refuse with a message,
// create or change the master password, convert an old vault, and whether the vault opens. A
// master password exists when the vault file does, or before its conversion, when the settings
// still hold the old stored password.
class PasswordCheck {
public:
    struct Outcome {
        bool opensVault = false;
        QString message; // shown with the error icon when not empty
        QString notice; // shown with the information icon when not empty, after the message
        bool clearFields = false;
        bool forgetOldPassword = false; // the old stored password is no longer needed
        VaultUnlock unlock;
    };
    // A refusal known at once, or the slow work (key derivations) to run off the window's thread.
    struct Plan {
        std::optional<Outcome> now;
        std::function<Outcome()> work;
    };

    PasswordCheck(SettingsStore& settings, const VaultStore& store);

    // True when a master password exists, so the current password box is enabled.
    bool hasStoredPassword() const { return m_vault.hasFile || !m_vault.oldPassword.isEmpty(); }

    Plan plan(
        const QString& current, const QString& newPassword, const QString& confirmation) const;
    // Back on the window's thread once the work is over: the settings' part.
    void finish(Outcome& outcome);
    // plan, work and finish on the calling thread.
    Outcome Validate(
        const QString& current, const QString& newPassword, const QString& confirmation);

    static QString wrongPasswordText();
    static QString invalidPasswordText();
    static QString confirmationMismatchText();
    static QString oldFileMismatchText();
    static QString convertedText();
    static QString conversionFailedText(const QString& reason);
    static QString writeProblemText(const QString& path);
    static QString readProblemText(const QString& path);
    static QString damagedText(const QString& path);
    static QString noMemoryText(const KdfParameters& parameters);

private:
    // What the work needs, copied so that it outlives a dialog closed meanwhile.
    struct Vault {
        VaultStore store;
        bool hasFile = false;
        QString oldPassword; // read when the dialog loads

        Outcome create(const SecretBytes& password) const;
        Outcome open(
            const SecretBytes& current, const SecretBytes& target, const QString& mismatch) const;
        Outcome failure(const VaultStore::Result& result) const;
    };

    SettingsStore& m_settings;
    Vault m_vault;
};
