#include "frmGetPassword.h"

#include "BackgroundTask.h"
#include "shell/AppVersion.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTextWidth = 380;

const char* const kIntroduction
    = "Vous allez pouvoir enregistrer tous vos mots de passe, codes d'acc\u00E8s et autres "
      "donn\u00E9es confidentielles. L'ensemble des donn\u00E9es stock\u00E9es par la Tolvane "
      "est crypt\u00E9. Cet outil vous permet de retenir un code unique pour acc\u00E9der "
      "\u00E0 l'ensemble de vos donn\u00E9es confidentielles.";

} // namespace

frmGetPassword::frmGetPassword(AppContext& context, const VaultStore& store, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_check(*context.settings, store)
{
    setObjectName(QStringLiteral("frmGetPassword"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Entrez votre Mot de Passe"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addLabel("labPassword", QString::fromUtf8(kIntroduction)));

    layout->addWidget(addLabel("labPasswordOK",
        QStringLiteral("Vous avez d\u00E9j\u00E0 entr\u00E9 un mot de passe ? "
                       "Veuillez le saisir :")));
    auto* current = new QFormLayout;
    m_txtPassword = addPasswordBox("txtPassword");
    current->addRow(addLabel("labMotdePasse", QStringLiteral("Mot de passe")), m_txtPassword);
    layout->addLayout(current);

    layout->addWidget(addLabel("labPasswordFasle",
        QStringLiteral("Vous n'avez pas encore saisi de mot de passe ou vous souhaitez le "
                       "changer ?")));
    auto* fresh = new QFormLayout;
    m_txtNewPassword = addPasswordBox("txtNewPassword");
    m_txtConfirmNewPassword = addPasswordBox("txtConfirmNewPassword");
    fresh->addRow(
        addLabel("lanNewPaswword", QStringLiteral("Nouveau mot de passe")), m_txtNewPassword);
    fresh->addRow(addLabel("labConfirmNewPassword", QStringLiteral("Confirmez le mot de passe")),
        m_txtConfirmNewPassword);
    layout->addLayout(fresh);

    m_labWorking = addLabel(
        "labWorking", QStringLiteral("V\u00E9rification du mot de passe en cours\u2026"));
    m_pbWorking = new QProgressBar(this);
    m_pbWorking->setObjectName(QStringLiteral("pbWorking"));
    m_pbWorking->setRange(0, 0); // busy, no end known
    m_pbWorking->setTextVisible(false);
    auto* working = new QHBoxLayout;
    working->addWidget(m_labWorking);
    working->addWidget(m_pbWorking, 1);
    layout->addLayout(working);
    m_labWorking->hide();
    m_pbWorking->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* valide = new QPushButton(QStringLiteral("Valider"), this);
    valide->setObjectName(QStringLiteral("cmdValide"));
    valide->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(valide);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(valide, &QPushButton::clicked, this, &frmGetPassword::validate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    m_inputs = { m_txtNewPassword, m_txtConfirmNewPassword, valide, cancel };

    // Without a master password only a new one can be given.
    const bool stored = m_check.hasStoredPassword();
    m_txtPassword->setEnabled(stored);
    QPalette palette = m_txtPassword->palette();
    palette.setColor(
        QPalette::Base, stored ? QColor(255, 255, 255) : palette.color(QPalette::Button));
    m_txtPassword->setPalette(palette);
    (stored ? m_txtPassword : m_txtNewPassword)->setFocus();
}

QLabel* frmGetPassword::addLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    if (text.size() > 40)
        label->setFixedWidth(kTextWidth);
    return label;
}

QLineEdit* frmGetPassword::addPasswordBox(const char* name)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    box->setEchoMode(QLineEdit::Password);
    return box;
}

void frmGetPassword::validate()
{
    if (m_working)
        return;
    PasswordCheck::Plan plan = m_check.plan(
        m_txtPassword->text(), m_txtNewPassword->text(), m_txtConfirmNewPassword->text());
    if (plan.now) {
        conclude(*plan.now);
        return;
    }
    setWorking(true);
    BackgroundTask::run<PasswordCheck::Outcome>(
        this, std::move(plan.work), [this](PasswordCheck::Outcome& outcome) {
            setWorking(false);
            m_check.finish(outcome);
            conclude(outcome);
        });
}

void frmGetPassword::conclude(PasswordCheck::Outcome& outcome)
{
    Dialogs* dialogs = m_context.platform.dialogs;
    if (!outcome.message.isEmpty() && dialogs)
        dialogs->message(Dialogs::Icon::Critical, AppVersion::Title(), outcome.message);
    if (!outcome.notice.isEmpty() && dialogs)
        dialogs->message(Dialogs::Icon::Information, AppVersion::Title(), outcome.notice);
    if (outcome.clearFields || outcome.opensVault) {
        m_txtPassword->clear();
        m_txtNewPassword->clear();
        m_txtConfirmNewPassword->clear();
    }
    if (outcome.opensVault) {
        emit unlocked(outcome.unlock);
        close();
    }
}

void frmGetPassword::setWorking(bool working)
{
    m_working = working;
    m_labWorking->setVisible(working);
    m_pbWorking->setVisible(working);
    for (QWidget* input : std::as_const(m_inputs))
        input->setEnabled(!working);
    m_txtPassword->setEnabled(!working && m_check.hasStoredPassword());
    if (!working)
        (m_txtPassword->isEnabled() ? m_txtPassword : m_txtNewPassword)->setFocus();
}

void frmGetPassword::closeEvent(QCloseEvent* event)
{
    if (m_working)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmGetPassword::reject()
{
    if (!m_working)
        QDialog::reject();
}
