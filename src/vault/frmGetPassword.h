#pragma once

#include "PasswordCheck.h"
#include "shell/AppContext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The master password dialog: checks the current master password, creates the first one or
// changes it. Not modal; it deletes itself when it closes, after announcing a success.
class frmGetPassword : public QDialog {
    Q_OBJECT
public:
    explicit frmGetPassword(AppContext& context, QWidget* parent = nullptr);

signals:
    // The password was accepted: the vault window is to open.
    void unlocked(const VaultUnlock& unlock);

private:
    void validate();
    QLabel* addLabel(const char* name, const QString& text);
    QLineEdit* addPasswordBox(const char* name);

    AppContext& m_context;
    PasswordCheck m_check;
    QLineEdit* m_txtPassword = nullptr;
    QLineEdit* m_txtNewPassword = nullptr;
    QLineEdit* m_txtConfirmNewPassword = nullptr;
};
