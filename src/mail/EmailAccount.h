#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// One mail account as the options list shows it: six text fields in the file's order, and the
// protocol and security (MailSecurity::field()) in a seventh that older files do not have.
struct EmailAccount {
    enum Field { Name, Address, UserName, Password, Server, Port, FieldCount };
    std::array<QString, FieldCount> fields;
    QString connection = {};

    // A new account: every field empty but the port, "110".
    static EmailAccount newAccount();
    // The column headings of the options list, in field order.
    static QStringList columnHeadings();

    // The fields joined by ";"; six of them while the seventh is empty.
    QString recordLine() const;
    // Split at every ";": missing fields are empty, fields after the seventh are dropped.
    static EmailAccount fromRecordLine(const QString& line);

    const QString& operator[](Field field) const { return fields[field]; }
    bool operator==(const EmailAccount&) const = default;
};

// The accounts being edited, in list order. A field holding ";" cannot be stored in a record
// line without shifting the fields after it, so such a field is refused where it is entered.
class EmailAccountRows {
public:
    EmailAccountRows() = default;
    // Rows as read from the file; they never hold ";" since reading splits there.
    explicit EmailAccountRows(const QList<EmailAccount>& rows)
        : m_rows(rows)
    {
    }

    // The French message explaining why a field text cannot be stored; empty when it can.
    static QString fieldProblem(EmailAccount::Field field, const QString& text);
    static QString accountProblem(const EmailAccount& account);

    // False, with the list unchanged and the reason in *problem, when a field is refused.
    bool append(const EmailAccount& account, QString* problem = nullptr);
    bool replace(int row, const EmailAccount& account, QString* problem = nullptr);
    void remove(int row);
    void swapItemsAt(int a, int b) { m_rows.swapItemsAt(a, b); }

    int count() const { return static_cast<int>(m_rows.size()); }
    qsizetype size() const { return m_rows.size(); }
    const EmailAccount& at(int row) const { return m_rows.at(row); }
    const QList<EmailAccount>& rows() const { return m_rows; }

private:
    bool accepts(const EmailAccount& account, QString* problem) const;

    QList<EmailAccount> m_rows;
};
