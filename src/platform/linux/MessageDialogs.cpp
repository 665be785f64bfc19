#include "MessageDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

static QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::None:
        return QMessageBox::NoIcon;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

void MessageDialogs::message(Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok);
    box.exec();
}

bool MessageDialogs::askYesNo(Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(toQt(icon), title, text);
    QAbstractButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

QString MessageDialogs::getOpenFileName(
    const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(nullptr, title, folder, filter);
}
