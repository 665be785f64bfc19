#pragma once

#include <QString>

// The status texts of the mail module.
namespace MailTexts {

inline QString connecting()
{
    return QStringLiteral("... Connexion Serveur ...");
}
inline QString nothingNew()
{
    return QStringLiteral("Pas de nouveau message");
}
inline QString unseen(int count)
{
    return QStringLiteral("%1 message(s) non lu(s)").arg(count);
}
inline QString badPort()
{
    return QStringLiteral("<Port non correct>");
}
inline QString missingCredentials()
{
    return QStringLiteral("<Utilisateur/Mot de Passe>");
}
inline QString certificateRefused()
{
    return QStringLiteral("<Certificat refus\u00E9>");
}
inline QString tlsFailed()
{
    return QStringLiteral("<Erreur TLS>");
}
inline QString encryptionNotOffered()
{
    return QStringLiteral("<Chiffrement non propos\u00E9>");
}
inline QString unreachable()
{
    return QStringLiteral("<Serveur injoignable>");
}
inline QString hostNotFound()
{
    return QStringLiteral("<Serveur introuvable>");
}
inline QString connectionLost()
{
    return QStringLiteral("<Connexion interrompue>");
}
inline QString timedOut()
{
    return QStringLiteral("<D\u00E9lai d\u00E9pass\u00E9>");
}

} // namespace MailTexts
