#include "frmAddShortCut.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

static QLabel* caption(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

static QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* push = new QPushButton(text, parent);
    push->setObjectName(name);
    push->setAutoDefault(false);
    return push;
}

frmAddShortCut::frmAddShortCut(const QString& droppedTarget, QWidget* parent)
    : QDialog(parent)
    , m_target(new QLineEdit(droppedTarget, this))
    , m_text(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmAddShortCut"));
    setWindowTitle(QStringLiteral("Ajouter un favori"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    m_target->setObjectName(QStringLiteral("txtPathURL"));
    m_text->setObjectName(QStringLiteral("txtText"));
    auto* confirm = button(QStringLiteral("cmdConfirm"), QStringLiteral("Ajouter le favori"), this);
    auto* cancel = button(QStringLiteral("cmdCancel"), QStringLiteral("Annuler"), this);
    confirm->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption(QStringLiteral("Label1"),
        QStringLiteral("Favori \u00e0 ajouter (Emplacement / URL)"), this));
    layout->addWidget(m_target);
    layout->addWidget(caption(QStringLiteral("labTextAff"), QStringLiteral("Nom du favori"), this));
    layout->addWidget(m_text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    m_text->setFocus();

    connect(confirm, &QPushButton::clicked, this,
        [this] { emit confirmRequested(m_target->text(), m_text->text()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

void frmAddShortCut::refuse()
{
    m_text->setFocus();
}
