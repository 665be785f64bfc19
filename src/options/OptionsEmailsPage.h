#pragma once

#include "EmailAccountsEditor.h"

#include <QGroupBox>

#include <array>

class OptionsForm;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The e-mail accounts page: the list, its buttons, the editor's six text boxes with the protocol
// and security lists, and whether new mail is announced on the desktop.
class OptionsEmailsPage : public QGroupBox {
    Q_OBJECT
public:
    OptionsEmailsPage(EmailAccountsEditor& editor, OptionsForm& form, QWidget* parent = nullptr);

signals:
    // The editor opened or closed: the rest of the window is locked while it is open.
    void editingChanged(bool editing);

private:
    void buildEditor(class QGridLayout* grid);
    void buildConnectionLists(QGridLayout* grid, int row);
    MailSecurity chosenSecurity() const;
    void proposePort();
    void fillList(int selected);
    void setEditing(bool editing);
    void showAccount(const EmailAccount& account);
    EmailAccount typedAccount() const;
    int selectedRow() const;

    void add();
    void modify();
    void confirm();
    void cancel();
    void remove();
    void move(bool up);

    EmailAccountsEditor& m_editor;
    QTreeWidget* m_list = nullptr;
    std::array<QLineEdit*, EmailAccount::FieldCount> m_boxes {};
    QComboBox* m_protocol = nullptr;
    QComboBox* m_security = nullptr;
    QCheckBox* m_notify = nullptr;
    QList<QLabel*> m_labels;
    QList<QPushButton*> m_browseButtons;
    QList<QPushButton*> m_editButtons;
};
