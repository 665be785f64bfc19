#include "OptionsEmailsPage.h"

#include "OptionsControls.h"
#include "common/ListView.h"
#include "shell/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace OptionsControls;

namespace {

struct FieldText {
    const char* box;
    const char* caption;
    const char* hint;
};

// In field order: name, address, user name, password, server, port.
const FieldText kFields[EmailAccount::FieldCount] = {
    { "txtEmailName", "Nom affich\u00e9 dans la Tolvane",
        "(Choisissez un nom court et descriptif, ex. : Cpt Dupont)" },
    { "txtEmail", "Adresse e-mail", "" },
    { "txtAccount", "Nom d'utilisateur", "(Nom du compte, Login)" },
    { "txtPwd", "Mot de passe", "(Le mot de passe est sauvegard\u00e9 sous forme crypt\u00e9e)" },
    { "txtPOP", "Serveur de courrier entrant (POP ou IMAP)", "" },
    { "txtPort", "Num\u00e9ro de port du serveur entrant",
        "(POP3 : 995 ou 110, IMAP : 993 ou 143)" },
};

// The grid row of each field: the protocol and security lists come between server and port.
int rowOfField(int field)
{
    return field < EmailAccount::Port ? field : field + 2;
}

} // namespace

OptionsEmailsPage::OptionsEmailsPage(
    EmailAccountsEditor& editor, OptionsForm& form, QWidget* parent)
    : QGroupBox(QStringLiteral("Param\u00e9trage de vos comptes e-mail"), parent)
    , m_editor(editor)
{
    setObjectName(QStringLiteral("frmEmails"));
    auto* page = new QVBoxLayout(this);
    page->setSpacing(4);
    page->addWidget(label(this, "labEmailsInfo",
        QStringLiteral("Veuillez entrer les param\u00e8tres de vos comptes e-mail. Si vous avez "
                       "activ\u00e9 le Module \"e-mails\", la Tolvane testera \u00e0 "
                       "intervalles r\u00e9guliers si de nouveaux e-mails sont disponibles. Les "
                       "e-mails ne sont pas t\u00e9l\u00e9charg\u00e9s, il vous faudra utiliser "
                       "votre lecteur d'e-mails habituel.")));
    m_list = reportList(
        this, "lvEmails", EmailAccount::columnHeadings() << QStringLiteral("Protocole"));
    page->addWidget(m_list, 1);

    auto* listButtons = new QHBoxLayout;
    const std::pair<const char*, const char*> browse[] = { { "cmdAdd", "Ajouter" },
        { "cmdMod", "Modifier" }, { "cmdDel", "Supprimer" },
        { "cmdEmailHaut", "D\u00e9placer en Haut" }, { "cmdEmailBas", "D\u00e9placer en Bas" } };
    for (const auto& [name, caption] : browse) {
        m_browseButtons.append(button(this, name, QString::fromUtf8(caption)));
        listButtons->addWidget(m_browseButtons.last());
    }
    page->addLayout(listButtons);
    m_notify = checkBox(this, "chkNotifyNewMail",
        QStringLiteral("Me pr\u00e9venir de l'arriv\u00e9e de nouveaux messages"), form,
        Keys::NotifyNewMail);
    page->addWidget(m_notify);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    buildEditor(grid);
    page->addLayout(grid);

    connect(m_browseButtons[0], &QPushButton::clicked, this, &OptionsEmailsPage::add);
    connect(m_browseButtons[1], &QPushButton::clicked, this, &OptionsEmailsPage::modify);
    connect(m_browseButtons[2], &QPushButton::clicked, this, &OptionsEmailsPage::remove);
    connect(m_browseButtons[3], &QPushButton::clicked, this, [this] { move(true); });
    connect(m_browseButtons[4], &QPushButton::clicked, this, [this] { move(false); });
    connect(m_editButtons[0], &QPushButton::clicked, this, &OptionsEmailsPage::confirm);
    connect(m_editButtons[1], &QPushButton::clicked, this, &OptionsEmailsPage::cancel);
    fillList(0);
    setEditing(false);
}

void OptionsEmailsPage::buildEditor(QGridLayout* grid)
{
    for (int field = 0; field < EmailAccount::FieldCount; ++field) {
        auto* caption = new QLabel(QString::fromUtf8(kFields[field].caption), this);
        auto* box = new QLineEdit(this);
        box->setObjectName(QLatin1String(kFields[field].box));
        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        cell->addWidget(caption);
        m_labels << caption;
        if (*kFields[field].hint) {
            auto* hint = new QLabel(QString::fromUtf8(kFields[field].hint), this);
            QFont small = hint->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            hint->setFont(small);
            cell->addWidget(hint);
            m_labels << hint;
        }
        grid->addLayout(cell, rowOfField(field), 0);
        grid->addWidget(box, rowOfField(field), 1);
        m_boxes[field] = box;
    }
    buildConnectionLists(grid, EmailAccount::Port);
    m_boxes[EmailAccount::Password]->setEchoMode(QLineEdit::Password);
    m_editButtons << button(this, "cmdOK", QStringLiteral("OK"))
                  << button(this, "cmdAnnuler", QStringLiteral("Annuler"));
    auto* confirmLine = new QHBoxLayout;
    confirmLine->addStretch();
    confirmLine->addWidget(m_editButtons[0]);
    confirmLine->addWidget(m_editButtons[1]);
    grid->addLayout(confirmLine, rowOfField(EmailAccount::FieldCount), 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void OptionsEmailsPage::buildConnectionLists(QGridLayout* grid, int row)
{
    const std::tuple<QComboBox**, const char*, QString, QStringList> lists[] = {
        { &m_protocol, "cmbProtocole", QStringLiteral("Protocole"), MailSecurity::protocolNames() },
        { &m_security, "cmbSecurite", QStringLiteral("S\u00e9curit\u00e9"),
            MailSecurity::securityNames() },
    };
    for (const auto& [list, name, caption, entries] : lists) {
        auto* label = new QLabel(caption, this);
        *list = new QComboBox(this);
        (*list)->setObjectName(QLatin1String(name));
        (*list)->addItems(entries);
        label->setBuddy(*list);
        m_labels << label;
        grid->addWidget(label, row, 0);
        grid->addWidget(*list, row++, 1, Qt::AlignLeft);
        // Only a choice of the user proposes a port; showing an account keeps its own.
        connect(*list, &QComboBox::activated, this, &OptionsEmailsPage::proposePort);
    }
}

MailSecurity OptionsEmailsPage::chosenSecurity() const
{
    return { static_cast<MailSecurity::Protocol>(m_protocol->currentIndex()),
        static_cast<MailSecurity::Security>(m_security->currentIndex()) };
}

void OptionsEmailsPage::proposePort()
{
    QLineEdit* port = m_boxes[EmailAccount::Port];
    port->setText(EmailAccountsEditor::proposedPort(port->text(), chosenSecurity()));
}

void OptionsEmailsPage::fillList(int selected)
{
    m_list->clear();
    for (const EmailAccount& account : m_editor.rows().rows()) {
        QStringList texts(account.fields.begin(), account.fields.end());
        texts[EmailAccount::Password]
            = EmailAccountsEditor::maskedPassword(texts[EmailAccount::Password]);
        texts.append(EmailAccountsEditor::connectionText(account));
        new QTreeWidgetItem(m_list, texts);
    }
    ListView::LVAutoSizeColumns(m_list);
    ListView::LVSelectItem(m_list, selected + 1, true);
}

int OptionsEmailsPage::selectedRow() const
{
    return ListView::LVGetSelectedIndex(m_list) - 1;
}

void OptionsEmailsPage::setEditing(bool editing)
{
    showAccount(EmailAccount());
    for (QPushButton* push : m_browseButtons)
        push->setEnabled(!editing);
    for (QPushButton* push : m_editButtons)
        push->setEnabled(editing);
    for (QLineEdit* box : m_boxes)
        box->setEnabled(editing);
    m_protocol->setEnabled(editing);
    m_security->setEnabled(editing);
    m_notify->setEnabled(!editing);
    for (QLabel* caption : m_labels)
        caption->setEnabled(editing);
    emit editingChanged(editing);
}

void OptionsEmailsPage::showAccount(const EmailAccount& account)
{
    for (int field = 0; field < EmailAccount::FieldCount; ++field)
        m_boxes[field]->setText(account.fields[field]);
    const MailSecurity security = MailSecurity::fromField(account.connection);
    m_protocol->setCurrentIndex(security.protocol);
    m_security->setCurrentIndex(security.security);
}

EmailAccount OptionsEmailsPage::typedAccount() const
{
    EmailAccount account;
    for (int field = 0; field < EmailAccount::FieldCount; ++field)
        account.fields[field] = m_boxes[field]->text();
    account.connection = chosenSecurity().field();
    return account;
}

void OptionsEmailsPage::add()
{
    const EmailAccount start = m_editor.add();
    setEditing(true);
    showAccount(start);
    m_boxes[EmailAccount::Name]->setFocus();
}

void OptionsEmailsPage::modify()
{
    const std::optional<EmailAccount> account = m_editor.modify(qMax(selectedRow(), 0));
    if (!account)
        return;
    setEditing(true);
    showAccount(*account);
    m_boxes[EmailAccount::Name]->setFocus();
}

void OptionsEmailsPage::confirm()
{
    const int row = m_editor.confirm(typedAccount());
    if (row < 0)
        return; // the editor stays open with what was typed
    setEditing(false);
    fillList(row);
}

void OptionsEmailsPage::cancel()
{
    m_editor.cancel();
    setEditing(false);
}

void OptionsEmailsPage::remove()
{
    const int row = selectedRow();
    if (m_editor.remove(row))
        fillList(qMin(row, m_editor.rows().count() - 1));
}

void OptionsEmailsPage::move(bool up)
{
    const int row = selectedRow();
    if (row < 0)
        return;
    fillList(m_editor.move(row, up ? -1 : 1));
    m_list->setFocus();
}
