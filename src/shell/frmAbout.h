#pragma once

#include "AppContext.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the program's version, credits and notice, and a button that opens the
// desktop's system information viewer. Not modal; it deletes itself when closed.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppContext& context, QWidget* parent = nullptr);

    // Starts the system information viewer, or says that there is none.
    void StartSysInfo();

private:
    QLabel* addLabel(const QString& name, const QString& text);

    AppContext& m_context;
};
