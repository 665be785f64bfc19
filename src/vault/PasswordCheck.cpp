#include "PasswordCheck.h"

#include "LegacyVaultFile.h"
#include "MasterPassword.h"

using Status = VaultStore::Result::Status;

namespace {

PasswordCheck::Outcome refusal(const QString& text)
{
    PasswordCheck::Outcome outcome;
    outcome.message = text;
    outcome.clearFields = true;
    return outcome;
}

} // namespace

PasswordCheck::PasswordCheck(SettingsStore& settings, const VaultStore& store)
    : m_settings(settings)
    , m_vault { store, store.hasVaultFile(), MasterPassword::Current(settings) }
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

QString PasswordCheck::oldFileMismatchText()
{
    return QStringLiteral(
        "Le mot de passe que vous avez entr\u00E9 ne correspond pas au mot de passe\n"
        "utilis\u00E9 pour crypter le fichier contenant vos donn\u00E9es "
        "confidentielles.\n\nD\u00E9codage du fichier annul\u00E9.");
}

QString PasswordCheck::convertedText()
{
    return QStringLiteral(
        "Vos donn\u00E9es confidentielles ont \u00E9t\u00E9 converties au nouveau format : "
        "elles sont maintenant chiffr\u00E9es \u00E0 partir de votre mot de passe, qui n'est "
        "plus enregistr\u00E9 nulle part. L'ancien fichier \u00AB %1 \u00BB a \u00E9t\u00E9 "
        "supprim\u00E9.")
        .arg(LegacyVaultFile::fileName());
}

QString PasswordCheck::conversionFailedText(const QString& reason)
{
    return QStringLiteral("La conversion de vos donn\u00E9es confidentielles au nouveau format "
                          "a \u00E9chou\u00E9 :\n%1\n\nL'ancien fichier et votre mot de passe "
                          "sont conserv\u00E9s tels quels.")
        .arg(reason);
}

QString PasswordCheck::writeProblemText(const QString& path)
{
    return QStringLiteral("Probl\u00E8me d'acc\u00E8s en \u00E9criture : ") + path;
}

QString PasswordCheck::readProblemText(const QString& path)
{
    return QStringLiteral("Probl\u00E8me d'acc\u00E8s en lecture : ") + path;
}

QString PasswordCheck::damagedText(const QString& path)
{
    return QStringLiteral("Le fichier \u00AB %1 \u00BB n'est pas un coffre-fort que cette version "
                          "de la Tolvane sait lire : il est peut-\u00EAtre endommag\u00E9. Il "
                          "n'a pas \u00E9t\u00E9 modifi\u00E9.")
        .arg(path);
}

QString PasswordCheck::noMemoryText(const KdfParameters& parameters)
{
    return QStringLiteral("La m\u00E9moire manque pour v\u00E9rifier le mot de passe : il faut "
                          "%1 Mo libres.")
        .arg(parameters.memoryKiB / 1024);
}

PasswordCheck::Plan PasswordCheck::plan(
    const QString& current, const QString& newPassword, const QString& confirmation) const
{
    const bool newGiven = !newPassword.isEmpty() && !confirmation.isEmpty();
    const bool newAccepted = newGiven && newPassword == confirmation;
    if (current.isEmpty()) {
        if (hasStoredPassword() || !newGiven)
            return { refusal(invalidPasswordText()), {} };
        if (!newAccepted)
            return { refusal(confirmationMismatchText()), {} };
        return { std::nullopt, [vault = m_vault, password = SecretBytes::fromText(newPassword)] {
                    return vault.create(password);
                } };
    }
    // Before its conversion the old vault is guarded by the old stored password.
    if (!m_vault.hasFile && current != m_vault.oldPassword)
        return { refusal(wrongPasswordText()), {} };
    const QString mismatch = newGiven && !newAccepted ? confirmationMismatchText() : QString();
    return { std::nullopt,
        [vault = m_vault, mismatch, currentBytes = SecretBytes::fromText(current),
            target = SecretBytes::fromText(newAccepted ? newPassword : current)] {
            return vault.open(currentBytes, target, mismatch);
        } };
}

PasswordCheck::Outcome PasswordCheck::Vault::create(const SecretBytes& password) const
{
    const VaultStore::Result saved = store.save(password, {});
    if (!saved.done())
        return failure(saved);
    Outcome outcome;
    outcome.opensVault = true;
    outcome.unlock = { password, {} };
    return outcome;
}

PasswordCheck::Outcome PasswordCheck::Vault::open(
    const SecretBytes& current, const SecretBytes& target, const QString& mismatch) const
{
    const bool changing = target != current;
    VaultStore::Result result;
    if (!hasFile)
        result = store.convert(oldPassword, target);
    else if (changing)
        result = store.change(current, target);
    else
        result = store.open(current, oldPassword);

    Outcome outcome;
    if (hasFile && changing && result.status == Status::WriteFailed) {
        // The file is as it was: the vault opens under the current password.
        outcome.message = writeProblemText(store.vaultPath());
        outcome.opensVault = true;
        outcome.unlock = { current, result.rows };
        return outcome;
    }
    if (!result.done())
        return failure(result);
    outcome.opensVault = true;
    outcome.message = mismatch;
    outcome.notice = result.converted ? convertedText() : QString();
    outcome.forgetOldPassword = result.legacyGone && !oldPassword.isEmpty();
    outcome.unlock = { target, result.rows };
    return outcome;
}

PasswordCheck::Outcome PasswordCheck::Vault::failure(const VaultStore::Result& result) const
{
    const bool converting = !hasFile && !oldPassword.isEmpty();
    switch (result.status) {
    case Status::WrongPassword:
        return refusal(wrongPasswordText());
    case Status::Damaged:
        return refusal(damagedText(store.vaultPath()));
    case Status::Unreadable:
        return refusal(readProblemText(converting ? store.legacyPath() : store.vaultPath()));
    case Status::NoMemory:
        return refusal(noMemoryText(store.parameters()));
    case Status::LegacyMismatch:
        return refusal(oldFileMismatchText());
    case Status::WriteFailed:
        return refusal(converting ? conversionFailedText(writeProblemText(store.vaultPath()))
                                  : writeProblemText(store.vaultPath()));
    case Status::ConversionMismatch:
        return refusal(conversionFailedText(
            QStringLiteral("le fichier relu ne contient pas les m\u00EAmes donn\u00E9es.")));
    case Status::Done:
        break;
    }
    return {};
}

void PasswordCheck::finish(Outcome& outcome)
{
    if (outcome.forgetOldPassword && MasterPassword::Forget(m_settings))
        m_vault.oldPassword.clear();
    m_vault.hasFile = m_vault.store.hasVaultFile();
}

PasswordCheck::Outcome PasswordCheck::Validate(
    const QString& current, const QString& newPassword, const QString& confirmation)
{
    Plan planned = plan(current, newPassword, confirmation);
    Outcome outcome = planned.now ? *planned.now : planned.work();
    finish(outcome);
    return outcome;
}
