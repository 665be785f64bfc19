#include "frmPenseBete_List.h"

#include "NoteDetails.h"
#include "NotesListRows.h"
#include "common/ListView.h"
#include "modPenseBete.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

template <typename T> T* named(T* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

frmPenseBete_List::frmPenseBete_List(modPenseBete& store, AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_store(store)
    , m_context(context)
    , m_lvPB(named(new QTreeWidget(this), "lvPB", { 10, 10, 540, 160 }))
    , m_frmPB(named(
          new QGroupBox(QStringLiteral("Pense-B\u00eate"), this), "frmPB", { 10, 178, 540, 166 }))
    , m_cmdClose(
          named(new QPushButton(QStringLiteral("Fermer"), this), "cmdClose", { 470, 354, 80, 26 }))
{
    setObjectName(QStringLiteral("frmPenseBete_List"));
    setWindowTitle(QStringLiteral("Pense-B\u00eate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(560, 390);
    m_lvPB->setRootIsDecorated(false);
    m_lvPB->setAllColumnsShowFocus(true);
    m_lvPB->installEventFilter(this);
    buildDetails();
    auto* info = named(new QLabel(QStringLiteral("Vous pouvez modifier le texte, la date et "
                                                 "l'heure du pense-b\u00eate directement \u00e0 "
                                                 "partir du pense-b\u00eate lui-m\u00eame."),
                           this),
        "lblInfo", { 10, 350, 450, 36 });
    info->setWordWrap(true);
    connect(m_lvPB, &QTreeWidget::itemClicked, this, &frmPenseBete_List::showSelectedNote);
    connect(m_lvPB, &QTreeWidget::itemSelectionChanged, this, &frmPenseBete_List::showSelectedNote);
    connect(m_chkShow, &QCheckBox::clicked, this, &frmPenseBete_List::onShowClicked);
    connect(m_cmdDel, &QPushButton::clicked, this, &frmPenseBete_List::deleteSelectedNote);
    connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::close);
    m_store.setNotesListOpen(true);
    FillNotesList();
}

frmPenseBete_List::~frmPenseBete_List()
{
    if (isVisible())
        m_store.setNotesListOpen(false);
}

// The window goes later (deleted on close); the notes are free again at once.
void frmPenseBete_List::closeEvent(QCloseEvent* event)
{
    m_store.setNotesListOpen(false);
    QWidget::closeEvent(event);
}

void frmPenseBete_List::buildDetails()
{
    m_txtPenseBete = named(new QTextEdit(m_frmPB), "txtPenseBete", { 10, 20, 250, 136 });
    m_txtPenseBete->setReadOnly(true);
    named(new QLabel(QStringLiteral("Type"), m_frmPB), "lblType", { 272, 20, 250, 16 });
    m_cmbType = named(new QComboBox(m_frmPB), "cmbType", { 272, 38, 256, 22 });
    NoteDetails::FillReminderKinds(m_cmbType);
    named(new QLabel(QStringLiteral("\u00c9ch\u00e9ance"), m_frmPB), "labEchance",
        { 272, 66, 250, 16 });
    m_DTDate = named(new QDateEdit(m_frmPB), "DTDate", { 272, 84, 110, 22 });
    m_DTDate->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    named(new QLabel(QStringLiteral("\u00e0"), m_frmPB), "labA", { 388, 84, 16, 22 });
    m_DTTime = named(new QTimeEdit(m_frmPB), "DTTime", { 406, 84, 80, 22 });
    m_DTTime->setDisplayFormat(QStringLiteral("HH:mm"));
    // The list only shows the reminder; it is changed from the note itself.
    m_cmbType->setEnabled(false);
    m_DTDate->setReadOnly(true);
    m_DTTime->setReadOnly(true);
    m_chkShow = named(
        new QCheckBox(QStringLiteral("Le Pense-B\u00eate est affich\u00e9 sur le Bureau"), m_frmPB),
        "chkShow", { 272, 112, 256, 20 });
    m_cmdDel = named(
        new QPushButton(QStringLiteral("Supprimer"), m_frmPB), "cmdDel", { 438, 134, 90, 26 });
}

void frmPenseBete_List::FillNotesList()
{
    m_lvPB->clear();
    m_lvPB->setHeaderLabels({ QStringLiteral("#"), QStringLiteral("Affich\u00e9"),
        QStringLiteral("Texte"), QStringLiteral("\u00c9ch\u00e9ance"), QStringLiteral("Type") });
    for (const NotesListRows::Row& row : NotesListRows::Rows(m_store)) {
        new QTreeWidgetItem(
            m_lvPB, { QString::number(row.index), row.shown, row.text, row.due, row.type });
    }
    ListView::LVSelectItem(m_lvPB, 1, false);
    if (ListView::LVGetSelectedIndex(m_lvPB) < 1) {
        m_lvPB->setEnabled(false);
        enableDetails(false);
        return;
    }
    ListView::LVAutoSizeColumns(m_lvPB);
    showSelectedNote();
}

void frmPenseBete_List::enableDetails(bool enable)
{
    for (QWidget* control : { static_cast<QWidget*>(m_txtPenseBete),
             static_cast<QWidget*>(m_chkShow), static_cast<QWidget*>(m_cmdDel) })
        control->setEnabled(enable);
}

int frmPenseBete_List::selectedNote() const
{
    const int row = ListView::LVGetSelectedIndex(m_lvPB);
    return row < 1 ? 0 : ListView::LVGetItemText(m_lvPB, row).toInt();
}

void frmPenseBete_List::showSelectedNote()
{
    const int index = selectedNote();
    if (index > 0)
        NoteDetails::RefreshNoteDetails(m_store, index, this);
}

void frmPenseBete_List::onShowClicked(bool show)
{
    const int index = selectedNote();
    if (index < 1 || !m_store.SetNoteShown(index, show))
        return;
    const int row = ListView::LVGetSelectedIndex(m_lvPB);
    m_lvPB->topLevelItem(row - 1)->setText(1, NotesListRows::ShownText(show));
}

void frmPenseBete_List::deleteSelectedNote()
{
    const int row = ListView::LVGetSelectedIndex(m_lvPB);
    const int index = selectedNote();
    if (index < 1 || !m_context.platform.dialogs)
        return;
    if (!m_context.platform.dialogs->askYesNo(Dialogs::Icon::Question, QStringLiteral("Tolvane"),
            QStringLiteral("\u00cates-vous s\u00fbr de vouloir supprimer ce Pense-B\u00eate ?")))
        return;
    ListView::LVRemoveItem(m_lvPB, row);
    m_store.DeleteNote(index);
    const int remaining = m_lvPB->topLevelItemCount();
    if (remaining == 0) {
        m_txtPenseBete->clear();
        m_lvPB->setEnabled(false);
        enableDetails(false);
        return;
    }
    ListView::LVSelectItem(m_lvPB, qMin(row, remaining), true);
    showSelectedNote();
}

bool frmPenseBete_List::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lvPB && event->type() == QEvent::KeyRelease)
        showSelectedNote();
    return QWidget::eventFilter(watched, event);
}
