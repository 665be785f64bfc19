#pragma once

#include "AppContext.h"

#include <QDialog>

class QLabel;

// The welcome window shown at start-up; its check box switches it off for the next starts.
// Not modal; it deletes itself when closed.
class frmSplashScreen : public QDialog {
    Q_OBJECT
public:
    explicit frmSplashScreen(AppContext& context, QWidget* parent = nullptr);

private:
    QLabel* addLabel(const QString& name, const QString& text);

    AppContext& m_context;
};
