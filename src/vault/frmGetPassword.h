#pragma once

#include "PasswordCheck.h"
#include "shell/AppContext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The master password dialog: checks the current master password, creates the first one or
// changes it. The check derives keys on a thread of its own while the dialog shows that it is
// working. Not modal; it deletes itself when it closes, after announcing a success.
class frmGetPassword : public QDialog {
    Q_OBJECT
public:
    frmGetPassword(AppContext& context, const VaultStore& store, QWidget* parent = nullptr);

    bool isWorking() const { return m_working; }

signals:
    // The password was accepted: the vault window is to open.
    void unlocked(const VaultUnlock& unlock);

protected:
    // Not while the check runs: a conversion or a change is then under way.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void validate();
    void conclude(PasswordCheck::Outcome& outcome);
    void setWorking(bool working);
    QLabel* addLabel(const char* name, const QString& text);
    QLineEdit* addPasswordBox(const char* name);

    AppContext& m_context;
    PasswordCheck m_check;
    QLineEdit* m_txtPassword = nullptr;
    QLineEdit* m_txtNewPassword = nullptr;
    QLineEdit* m_txtConfirmNewPassword = nullptr;
    QLabel* m_labWorking = nullptr;
    QProgressBar* m_pbWorking = nullptr;
    QList<QWidget*> m_inputs;
    bool m_working = false;
};
