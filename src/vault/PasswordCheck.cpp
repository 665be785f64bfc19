#include "PasswordCheck.h"

#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"

PasswordCheck::PasswordCheck(SettingsStore& settings)
    : m_settings(settings)
    , m_stored(MasterPassword::Stored(settings))
{
}

QString PasswordCheck::wrongPasswordText()
{
    return QStringLiteral("Le mot de passe est erron\u00E9.");
}

QString PasswordCheck::invalidPasswordText()
{
    return QStringLiteral("Vous devez entrer un mot de passe valide.");
}

QString PasswordCheck::confirmationMismatchText()
{
    return QStringLiteral("Le nouveau mot de passe et la confirmation de celui-ci ne sont pas "
                          "identiques.");
}

PasswordCheck::Outcome PasswordCheck::Validate(
    const QString& current, const QString& newPassword, const QString& confirmation)
{
    Outcome outcome;
    const QString stored = m_stored;
    const QString deciphered = stored.isEmpty() ? QString() : MasterPassword::Decipher(stored);
    const auto refuse = [&outcome](const QString& text) {
        outcome.opensVault = false;
        outcome.message = text;
        outcome.clearFields = true;
        return outcome;
    };

    if (!current.isEmpty()) {
        if (current != deciphered)
            return refuse(wrongPasswordText());
        outcome.opensVault = true;
    } else if (!stored.isEmpty()) {
        return refuse(invalidPasswordText());
    }

    if (!newPassword.isEmpty() && !confirmation.isEmpty()) {
        if (newPassword != confirmation) {
            outcome.message = confirmationMismatchText();
            outcome.clearFields = !outcome.opensVault;
            return outcome;
        }
        if (!MasterPassword::Store(m_settings, newPassword)) {
            return refuse(QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ")
                + m_settings.filePath(QLatin1String(SettingsKeys::kApplication)));
        }
        m_stored = MasterPassword::Stored(m_settings);
        outcome.opensVault = true;
        outcome.unlock = { true, current };
        return outcome;
    }
    if (stored.isEmpty())
        return refuse(invalidPasswordText());
    return outcome;
}
