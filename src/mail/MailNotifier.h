#pragma once

#include "EmailAccount.h"

#include <QHash>

class DesktopNotifications;

// Tells the desktop when an account's count of new or unread messages rises: one notification
// per rise, none when the count stays or falls. The counts outlive a reload of the accounts, so
// saving the options does not announce the same mail again.
class MailNotifier {
public:
    explicit MailNotifier(DesktopNotifications* notifications)
        : m_notifications(notifications)
    {
    }

    void setEnabled(bool enabled) { m_enabled = enabled; }
    // The account's count after a check, with its status line.
    void observe(const EmailAccount& account, int count, const QString& status);

private:
    DesktopNotifications* m_notifications;
    bool m_enabled = true;
    QHash<QString, int> m_counts; // by account, what was last counted
};
