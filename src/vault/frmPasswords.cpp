#include "frmPasswords.h"

#include "BackgroundTask.h"
#include "ClipboardGuard.h"
#include "PasswordCheck.h"
#include "common/ListView.h"
#include "shell/AppVersion.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

frmPasswords::frmPasswords(AppContext& context, const VaultStore& store, const VaultUnlock& unlock,
    ClipboardGuard& clipboard, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_clipboard(clipboard)
    , m_store(store)
    , m_unlock(unlock)
{
    setObjectName(QStringLiteral("frmPasswords"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tolvane - Vos donn\u00E9es confidentielles"));

    buildList();
    auto* top = new QHBoxLayout;
    top->addWidget(m_lvPasswords, 1);
    top->addWidget(buildCommands());
    auto* bottom = new QHBoxLayout;
    m_labSaving = new QLabel(QStringLiteral("Enregistrement en cours\u2026"), this);
    m_labSaving->setObjectName(QStringLiteral("labSaving"));
    m_labSaving->hide();
    bottom->addWidget(m_labSaving);
    bottom->addStretch();
    bottom->addWidget(addButton("cmdValide", QStringLiteral("Valider")));
    bottom->addWidget(addButton("cmdCancel", QStringLiteral("Annuler")));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildEditPanel());
    layout->addLayout(bottom);
    setMinimumSize(720, 480);

    connect(findChild<QPushButton*>(QStringLiteral("cmdValide")), &QPushButton::clicked, this,
        &frmPasswords::onValide);
    connect(findChild<QPushButton*>(QStringLiteral("cmdCancel")), &QPushButton::clicked, this,
        &QDialog::close);

    SetupVaultColumns();
    LoadVault();
    EndEdit();
}

void frmPasswords::buildList()
{
    m_lvPasswords = new QTreeWidget(this);
    m_lvPasswords->setObjectName(QStringLiteral("lvPasswords"));
    m_lvPasswords->setRootIsDecorated(false);
    m_lvPasswords->setUniformRowHeights(true);
    m_lvPasswords->setAllColumnsShowFocus(true);
    m_lvPasswords->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lvPasswords->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_lvPasswords, &QTreeWidget::itemSelectionChanged, this, &frmPasswords::syncSelection);
    connect(m_lvPasswords, &QTreeWidget::itemDoubleClicked, this,
        [this](QTreeWidgetItem* item, int column) {
            copyCell(m_lvPasswords->indexOfTopLevelItem(item), column);
        });
    connect(m_lvPasswords, &QWidget::customContextMenuRequested, this, &frmPasswords::showCellMenu);
}

QWidget* frmPasswords::buildCommands()
{
    auto* commands = new QWidget(this);
    auto* column = new QVBoxLayout(commands);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(addButton("cmdAdd", QStringLiteral("Ajouter")));
    column->addWidget(addButton("cmdMod", QStringLiteral("Modifier")));
    column->addWidget(addButton("cmdDel", QStringLiteral("Supprimer")));
    column->addSpacing(12);
    column->addWidget(addButton("cmdHaut", QStringLiteral("D\u00E9placer en Haut")));
    column->addWidget(addButton("cmdBas", QStringLiteral("D\u00E9placer en Bas")));
    column->addStretch();
    connect(m_browseButtons[0], &QPushButton::clicked, this, &frmPasswords::onAdd);
    connect(m_browseButtons[1], &QPushButton::clicked, this, &frmPasswords::onModify);
    connect(m_browseButtons[2], &QPushButton::clicked, this, &frmPasswords::onDelete);
    connect(m_browseButtons[3], &QPushButton::clicked, this, &frmPasswords::onMoveUp);
    connect(m_browseButtons[4], &QPushButton::clicked, this, &frmPasswords::onMoveDown);
    return commands;
}

QGroupBox* frmPasswords::buildEditPanel()
{
    m_frmDescription = new QGroupBox(QStringLiteral("Vos donn\u00E9es confidentielles"), this);
    m_frmDescription->setObjectName(QStringLiteral("frmDescription"));
    auto* grid = new QGridLayout(m_frmDescription);
    static const char* const kLabelNames[]
        = { "labDescriptif", "labData1", "labData2", "labData3", "labData4" };
    static const char* const kBoxNames[]
        = { "txtDescriptif", "txtData1", "txtData2", "txtData3", "txtData4" };
    for (int field = 0; field < VaultRow::kFieldCount; ++field) {
        auto* label = new QLabel(VaultEditor::fieldLabel(field), m_frmDescription);
        label->setObjectName(QLatin1String(kLabelNames[field]));
        auto* box = new QLineEdit(m_frmDescription);
        box->setObjectName(QLatin1String(kBoxNames[field]));
        label->setBuddy(box);
        grid->addWidget(label, field, 0);
        grid->addWidget(box, field, 1);
        m_labels.append(label);
        m_boxes.append(box);
    }
    m_cmdConfirmAddMod = new QPushButton(QStringLiteral("OK"), m_frmDescription);
    m_cmdConfirmAddMod->setObjectName(QStringLiteral("cmdConfirmAddMod"));
    m_cmdCancelItem = new QPushButton(QStringLiteral("Annuler"), m_frmDescription);
    m_cmdCancelItem->setObjectName(QStringLiteral("cmdCancelItem"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdConfirmAddMod);
    buttons->addWidget(m_cmdCancelItem);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, VaultRow::kFieldCount, 1);
    grid->setColumnStretch(1, 1);
    connect(m_cmdConfirmAddMod, &QPushButton::clicked, this, &frmPasswords::onConfirmAddMod);
    connect(m_cmdCancelItem, &QPushButton::clicked, this, &frmPasswords::onCancelItem);
    return m_frmDescription;
}

QPushButton* frmPasswords::addButton(const char* name, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    m_browseButtons.append(button);
    return button;
}

void frmPasswords::SetupVaultColumns()
{
    QStringList headings;
    for (int field = 0; field < VaultRow::kFieldCount; ++field)
        headings.append(VaultEditor::columnHeading(field));
    m_lvPasswords->setColumnCount(VaultRow::kFieldCount);
    m_lvPasswords->setHeaderLabels(headings);
}

void frmPasswords::LoadVault()
{
    m_editor.setRows(m_unlock.rows);
    m_unlock.rows.clear();
    showRows();
}

void frmPasswords::SaveVault()
{
    if (m_saving)
        return;
    setSaving(true);
    BackgroundTask::run<VaultStore::Result>(
        this,
        [store = m_store, password = m_unlock.password, rows = m_editor.rows()] {
            return store.save(password, rows);
        },
        [this](VaultStore::Result& result) {
            setSaving(false);
            if (result.done()) {
                close();
                return;
            }
            warn(Dialogs::Icon::Critical,
                result.status == VaultStore::Result::Status::NoMemory
                    ? PasswordCheck::noMemoryText(m_store.parameters())
                    : PasswordCheck::writeProblemText(vaultPath()));
        });
}

void frmPasswords::setSaving(bool saving)
{
    m_saving = saving;
    m_labSaving->setVisible(saving);
    setEditing(false);
    m_lvPasswords->setEnabled(!saving);
    for (QPushButton* button : std::as_const(m_browseButtons))
        button->setEnabled(!saving);
}

void frmPasswords::showRows()
{
    const QSignalBlocker blocker(m_lvPasswords);
    m_lvPasswords->clear();
    for (const VaultRow& row : m_editor.rows()) {
        auto* item = new QTreeWidgetItem(m_lvPasswords);
        for (int field = 0; field < VaultRow::kFieldCount; ++field)
            item->setText(field, row.fields[field]);
    }
    ListView::LVSelectItem(m_lvPasswords, m_editor.selected() + 1, true);
    ListView::LVAutoSizeColumns(m_lvPasswords);
}

void frmPasswords::syncSelection()
{
    m_editor.select(ListView::LVGetSelectedIndex(m_lvPasswords) - 1);
}

void frmPasswords::BeginEdit()
{
    setEditing(true);
    ClearEditBoxes();
}

void frmPasswords::EndEdit()
{
    setEditing(false);
    ClearEditBoxes();
}

void frmPasswords::setEditing(bool editing)
{
    m_lvPasswords->setEnabled(!editing);
    for (QPushButton* button : std::as_const(m_browseButtons))
        button->setEnabled(!editing);
    for (QLabel* label : std::as_const(m_labels))
        label->setEnabled(editing);
    for (QLineEdit* box : std::as_const(m_boxes))
        box->setEnabled(editing);
    m_cmdConfirmAddMod->setEnabled(editing);
    m_cmdCancelItem->setEnabled(editing);
    m_cmdConfirmAddMod->setDefault(editing);
    if (editing)
        m_boxes.first()->setFocus();
}

void frmPasswords::ClearEditBoxes()
{
    for (QLineEdit* box : std::as_const(m_boxes))
        box->clear();
}

VaultRow frmPasswords::editBoxesRow() const
{
    VaultRow row;
    for (int field = 0; field < VaultRow::kFieldCount; ++field)
        row.fields[field] = m_boxes[field]->text();
    return row;
}

void frmPasswords::onAdd()
{
    BeginEdit();
    m_editor.beginAdd();
}

void frmPasswords::onModify()
{
    QString warning;
    if (!m_editor.beginModify(&warning)) {
        if (!warning.isEmpty())
            warn(Dialogs::Icon::Exclamation, warning);
        return;
    }
    BeginEdit();
    const VaultRow row = m_editor.editedRow();
    for (int field = 0; field < VaultRow::kFieldCount; ++field)
        m_boxes[field]->setText(row.fields[field]);
}

void frmPasswords::onConfirmAddMod()
{
    QString problem;
    if (!m_editor.confirm(editBoxesRow(), &problem)) {
        warn(Dialogs::Icon::Exclamation, problem);
        return;
    }
    EndEdit();
    showRows();
}

void frmPasswords::onCancelItem()
{
    m_editor.cancelEdit();
    EndEdit();
}

void frmPasswords::onDelete()
{
    if (m_editor.selected() < 0)
        return;
    const bool yes = m_context.platform.dialogs
        && m_context.platform.dialogs->askYesNo(
            Dialogs::Icon::Question, AppVersion::Title(), VaultEditor::deleteQuestion());
    if (!yes)
        return;
    m_editor.removeSelected();
    showRows();
}

void frmPasswords::onMoveUp()
{
    m_editor.moveSelected(-1);
    showRows();
}

void frmPasswords::onMoveDown()
{
    m_editor.moveSelected(1);
    showRows();
}

void frmPasswords::onValide()
{
    SaveVault();
}

void frmPasswords::reject()
{
    if (m_saving)
        return;
    if (m_editor.isEditing())
        onCancelItem();
    else
        QDialog::reject();
}

void frmPasswords::closeEvent(QCloseEvent* event)
{
    if (m_saving)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmPasswords::copyCell(int row, int column)
{
    if (row < 0 || row >= m_editor.count() || column < 0 || column >= VaultRow::kFieldCount)
        return;
    m_clipboard.copy(m_editor.rows().at(row).fields[column]);
}

void frmPasswords::showCellMenu(const QPoint& position)
{
    const QModelIndex index = m_lvPasswords->indexAt(position);
    if (!index.isValid())
        return;
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("Copier"));
    if (menu.exec(m_lvPasswords->viewport()->mapToGlobal(position)) == copy)
        copyCell(index.row(), index.column());
}

void frmPasswords::warn(Dialogs::Icon icon, const QString& text) const
{
    if (m_context.platform.dialogs)
        m_context.platform.dialogs->message(icon, AppVersion::Title(), text);
}
