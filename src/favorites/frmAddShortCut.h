#pragma once

#include <QDialog>

class QLineEdit;

// "Ajouter un favori": shows one dropped target, lets the user name it and asks for it to be
// added. It does not block the bar and closes itself once the entry is taken.
class frmAddShortCut : public QDialog {
    Q_OBJECT
public:
    explicit frmAddShortCut(const QString& droppedTarget, QWidget* parent = nullptr);

    // The entry was refused: the name box takes the focus again and the dialog stays.
    void refuse();

signals:
    void confirmRequested(const QString& target, const QString& label);

private:
    QLineEdit* m_target;
    QLineEdit* m_text;
};
