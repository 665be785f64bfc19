#pragma once

#include "shell/BarModule.h"

// The mail module: two status lines per account.
class frmemail : public BarModule {
    Q_OBJECT
public:
    explicit frmemail(AppContext& context, QWidget* parent = nullptr);
    QString moduleId() const override;
    double layoutHeight() override;
    void applySkin(SkinImages& images) override;

    // Reads the accounts file into the account table.
    void LoadEmailAccounts();
    int NbEmailAccounts() const { return m_accountCount; }
    // 0 while no round of checks is under way.
    int CurrentEmailAccount() const { return 0; }
    // Starts a round of checks; timerWanted is emitted when the countdown may run again.
    void StartMailCheck();
    void DrawEmailStatus();

signals:
    void timerWanted();

private:
    int m_accountCount = 0;
    int m_emailRowHeight; // pixels, one status line as designed
    PictureBox* m_title;
    PictureBox* m_status;
};
