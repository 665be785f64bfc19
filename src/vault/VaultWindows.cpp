#include "VaultWindows.h"

#include "frmGetPassword.h"
#include "frmPasswords.h"

VaultWindows::VaultWindows(AppContext& context, QWidget* owner)
    : QObject(owner)
    , m_context(context)
    , m_owner(owner)
{
}

frmGetPassword* VaultWindows::passwordDialog() const
{
    return m_dialog;
}

frmPasswords* VaultWindows::vaultWindow() const
{
    return m_vault;
}

VaultStore VaultWindows::store() const
{
    return VaultStore(m_context.dataDir, m_parameters);
}

void VaultWindows::open()
{
    // A window that has closed is only waiting to be deleted: it no longer counts.
    const auto open = [](QWidget* window) { return window && window->isVisible(); };
    QWidget* existing = open(m_vault) ? static_cast<QWidget*>(m_vault)
        : open(m_dialog)              ? static_cast<QWidget*>(m_dialog)
                                      : nullptr;
    if (!existing) {
        m_dialog = new frmGetPassword(m_context, store(), m_owner);
        connect(m_dialog, &frmGetPassword::unlocked, this, &VaultWindows::openVault);
        emit windowOpened(m_dialog);
        showCentred(m_dialog);
        existing = m_dialog;
    }
    existing->show();
    existing->raise();
    existing->activateWindow();
}

void VaultWindows::openVault(const VaultUnlock& unlock)
{
    m_vault = new frmPasswords(m_context, store(), unlock, m_clipboard, m_owner);
    emit windowOpened(m_vault);
    showCentred(m_vault);
    m_vault->raise();
    m_vault->activateWindow();
}

// Over the middle of the screen rather than over the narrow bar.
void VaultWindows::showCentred(QWidget* window)
{
    window->adjustSize();
    if (m_context.platform.screen)
        window->move(m_context.platform.screen->geometry().center() - window->rect().center());
    window->show();
}
