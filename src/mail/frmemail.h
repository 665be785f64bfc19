#pragma once

#include "MailChecker.h"
#include "MailNotifier.h"
#include "shell/BarModule.h"

#include <QImage>
#include <QTimer>

// The mail module: for each account its name and, below it, the outcome of its last check in
// the colour of its state.
class frmemail : public BarModule {
    Q_OBJECT
public:
    // A round's last connection (an account watched from then on) has logged in by then.
    static constexpr int kMemoryReleaseDelayMs = 5000;

    explicit frmemail(AppContext& context, QWidget* parent = nullptr);
    double layoutHeight() override;
    void applySkin(SkinImages& images) override;

    // Reads the accounts file into the account table, and whether new mail is announced.
    void LoadEmailAccounts();
    int NbEmailAccounts() const { return m_checker.table().NbEmailAccounts(); }
    // The accounts the status picture shows: the first ones, as many as the screen can hold.
    int DrawnEmailAccounts() const;
    // 0 while no round of checks is under way.
    int CurrentEmailAccount() const { return m_checker.table().CurrentEmailAccount(); }
    // The next round starts at the first account.
    void restartAtFirstAccount() { m_checker.table().restartAtFirstAccount(); }
    // Checks the current account; timerWanted is emitted when its dialogue is over.
    void StartMailCheck();
    // How long after the end of a round the memory its connections used is handed back.
    void setMemoryReleaseDelay(int milliseconds) { m_memoryRelease.setInterval(milliseconds); }
    void DrawEmailStatus();

    MailChecker& checker() { return m_checker; }
    // The status drawing as shown in pictEmailStatus.
    const QImage& statusImage() const { return m_statusImage; }
    int lineHeight() const { return m_emailRowHeight; }

signals:
    void timerWanted();
    // A click on pictemail: the bar starts a round at its next tick unless one is under way.
    void checkRequested();

private:
    QColor colourOfState(int state) const;
    void onAccountCounted(int account);
    void onAccountDone();

    MailChecker m_checker;
    MailNotifier m_notifier;
    int m_emailRowHeight; // pixels, one status line
    PictureBox* m_title;
    PictureBox* m_status;
    QImage m_statusImage;
    QTimer m_memoryRelease;
};
