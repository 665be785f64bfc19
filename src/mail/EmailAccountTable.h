#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The accounts the mail check goes through, in file order, with what the module shows of each.
class EmailAccountTable {
public:
    enum State { NothingNew = 0, NewMessages = 1, Error = 99 };
    struct Entry {
        QString EmailAccounts; // the deciphered record line, fields still joined by ";"
        QString EmailStatus;
        int EmailState = NothingNew;
        int count = -1; // new or unseen messages at the last check, -1 when not known
    };

    // Fills the table from record lines; every entry waits for its first check.
    void load(const QStringList& recordLines);

    int NbEmailAccounts() const { return static_cast<int>(m_entries.size()); }
    int CurrentEmailAccount() const { return m_current; }
    void restartAtFirstAccount() { m_current = 0; }
    // The next account, back to the first after the last.
    void NextEmailAccount();

    const Entry& at(int account) const { return m_entries.at(account); }
    Entry& at(int account) { return m_entries[account]; }
    Entry& current() { return m_entries[m_current]; }

private:
    QList<Entry> m_entries;
    int m_current = 0;
};
