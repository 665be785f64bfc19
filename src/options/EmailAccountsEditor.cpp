#include "EmailAccountsEditor.h"

#include "common/RowMoves.h"
#include "platform/Platform.h"
#include "shell/AppVersion.h"

EmailAccountsEditor::EmailAccountsEditor(Dialogs* dialogs)
    : m_dialogs(dialogs)
{
}

void EmailAccountsEditor::load(const QList<EmailAccount>& accounts)
{
    m_rows = EmailAccountRows(accounts);
    m_mode = NotEditing;
}

EmailAccount EmailAccountsEditor::add()
{
    m_mode = Adding;
    return EmailAccount::newAccount();
}

std::optional<EmailAccount> EmailAccountsEditor::modify(int row)
{
    if (m_rows.count() == 0) {
        m_mode = NotEditing;
        if (m_dialogs) {
            m_dialogs->message(Dialogs::Icon::Exclamation, AppVersion::Title(),
                QStringLiteral("Il n'y a pas de compte e-mail \u00e0 modifier (table vide)"));
        }
        return std::nullopt;
    }
    if (row < 0 || row >= m_rows.count())
        return std::nullopt;
    m_mode = Modifying;
    m_row = row;
    return m_rows.at(row);
}

int EmailAccountsEditor::confirm(const EmailAccount& typed)
{
    QString problem;
    int selected = -1;
    if (m_mode == Adding && m_rows.append(typed, &problem))
        selected = m_rows.count() - 1;
    else if (m_mode == Modifying && m_rows.replace(m_row, typed, &problem))
        selected = m_row;
    if (selected < 0) {
        if (m_dialogs && !problem.isEmpty())
            m_dialogs->message(Dialogs::Icon::Exclamation, AppVersion::Title(), problem);
        return -1;
    }
    m_mode = NotEditing;
    return selected;
}

bool EmailAccountsEditor::remove(int row)
{
    if (row < 0 || row >= m_rows.count())
        return false;
    if (m_dialogs
        && !m_dialogs->askYesNo(Dialogs::Icon::None, AppVersion::Title(),
            QStringLiteral("\u00cates-vous s\u00fbr de vouloir supprimer cette ligne ?")))
        return false;
    m_rows.remove(row);
    return true;
}

int EmailAccountsEditor::move(int row, int step)
{
    return moveRowOnePlace(m_rows, row, step);
}

QString EmailAccountsEditor::maskedPassword(const QString& password)
{
    return QString(password.toUcs4().size(), QChar(0x2022));
}

QString EmailAccountsEditor::proposedPort(const QString& port, const MailSecurity& chosen)
{
    static const QStringList usual { QStringLiteral("110"), QStringLiteral("995"),
        QStringLiteral("143"), QStringLiteral("993") };
    const QString typed = port.trimmed();
    if (!typed.isEmpty() && !usual.contains(typed))
        return port;
    return QString::number(chosen.proposedPort());
}

QString EmailAccountsEditor::connectionText(const EmailAccount& account)
{
    const MailSecurity security = MailSecurity::fromField(account.connection);
    return MailSecurity::protocolNames().at(security.protocol) + QStringLiteral(", ")
        + MailSecurity::securityNames().at(security.security);
}
