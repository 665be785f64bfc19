#include "EmailAccountTable.h"

#include "MailTexts.h"

void EmailAccountTable::load(const QStringList& recordLines)
{
    m_entries.clear();
    m_current = 0;
    for (const QString& line : recordLines)
        m_entries.append({ line, MailTexts::connecting(), NothingNew, -1 });
}

void EmailAccountTable::NextEmailAccount()
{
    ++m_current;
    if (m_current > NbEmailAccounts() - 1)
        m_current = 0;
}
