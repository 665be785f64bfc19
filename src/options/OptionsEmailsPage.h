#pragma once

#include "EmailAccountsEditor.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The e-mail accounts page: the list, its buttons and the editor's six text boxes.
class OptionsEmailsPage : public QGroupBox {
    Q_OBJECT
public:
    OptionsEmailsPage(EmailAccountsEditor& editor, QWidget* parent = nullptr);

signals:
    // The editor opened or closed: the rest of the window is locked while it is open.
    void editingChanged(bool editing);

private:
    void buildEditor(class QGridLayout* grid);
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
    QList<QLabel*> m_labels;
    QList<QPushButton*> m_browseButtons;
    QList<QPushButton*> m_editButtons;
};
