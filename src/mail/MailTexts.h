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

} // namespace MailTexts
