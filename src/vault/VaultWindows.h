#pragma once

#include "ClipboardGuard.h"
#include "VaultCrypto.h"
#include "VaultStore.h"
#include "VaultUnlock.h"
#include "shell/AppContext.h"

#include <QObject>
#include <QPointer>

class QWidget;
class frmGetPassword;
class frmPasswords;

// The way into the vault from the bar: one master password dialog and one vault window at a
// time, the open one brought forward on a second request.
class VaultWindows : public QObject {
    Q_OBJECT
public:
    // owner: the window the dialog and the vault window belong to.
    VaultWindows(AppContext& context, QWidget* owner);

    // Brings the open vault window or dialog forward, else opens the master password dialog.
    void open();

    frmGetPassword* passwordDialog() const;
    frmPasswords* vaultWindow() const;
    ClipboardGuard& clipboard() { return m_clipboard; }
    // How hard new vault files make the key derivation; tests make it cheap.
    void setKdfParameters(const KdfParameters& parameters) { m_parameters = parameters; }

signals:
    // A new master password dialog or vault window; it is deleted when closed.
    void windowOpened(QWidget* window);

private:
    VaultStore store() const;
    void openVault(const VaultUnlock& unlock);
    void showCentred(QWidget* window);

    AppContext& m_context;
    QWidget* m_owner;
    ClipboardGuard m_clipboard;
    KdfParameters m_parameters = KdfParameters::defaults();
    QPointer<frmGetPassword> m_dialog;
    QPointer<frmPasswords> m_vault;
};
