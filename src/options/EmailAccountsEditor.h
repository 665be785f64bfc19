#pragma once

#include "mail/EmailAccount.h"
#include "mail/MailSecurity.h"

#include <optional>

class Dialogs;

// The e-mail page without its window: the account rows being edited and the editor's two
// states, browsing and editing. Nothing reaches the accounts file before "Sauver".
class EmailAccountsEditor {
public:
    enum Mode { NotEditing = 0, Adding = 1, Modifying = 2 };

    explicit EmailAccountsEditor(Dialogs* dialogs);

    void load(const QList<EmailAccount>& accounts);
    const EmailAccountRows& rows() const { return m_rows; }
    Mode EmailEditMode() const { return m_mode; }
    bool editing() const { return m_mode != NotEditing; }

    // "Ajouter": the account the text boxes start from.
    EmailAccount add();
    // "Modifier" on a row (0-based): the account to edit, or nothing when the list is empty (the
    // user is told) or no row is given.
    std::optional<EmailAccount> modify(int row);
    // The edit confirmed: the row now selected, or -1 when a field is refused (the user is told
    // why and the editor stays open).
    int confirm(const EmailAccount& typed);
    void cancel() { m_mode = NotEditing; }
    // "Supprimer" after the user's yes; false when nothing was removed.
    bool remove(int row);
    // Moves a row one place up (step -1) or down (+1); returns the row it is now at.
    int move(int row, int step);

    // What the "Mot de Passe" column shows for a password.
    static QString maskedPassword(const QString& password);
    // The port box after the protocol or security changed: a usual mail port (or none) gives
    // way to the one the choice proposes; a port the user chose stays.
    static QString proposedPort(const QString& port, const MailSecurity& chosen);
    // What the list's last column shows: "IMAP, SSL/TLS".
    static QString connectionText(const EmailAccount& account);

private:
    Dialogs* m_dialogs;
    EmailAccountRows m_rows;
    Mode m_mode = NotEditing;
    int m_row = -1; // the row being modified
};
